#include "print/Ambiente.h"

#include <QProcessEnvironment>

#include <algorithm>

std::optional<QString> VariabileAmbiente(const QString& nome) {
    const QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    if (ambiente.contains(nome))
        return ambiente.value(nome);
    QStringList nomi = ambiente.keys();
    std::sort(nomi.begin(), nomi.end());
    for (const QString& altro : nomi) {
        if (altro.compare(nome, Qt::CaseInsensitive) == 0)
            return ambiente.value(altro);
    }
    return std::nullopt;
}
