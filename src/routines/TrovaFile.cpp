#include "routines/TrovaFile.h"

#include <QDir>

QString FileTrovato::percorso() const {
    return QDir::current().filePath(nomi.isEmpty() ? cercato : nomi.front());
}

FileTrovato TrovaFile(const QString& nome) {
    FileTrovato trovato;
    trovato.cercato = nome;
    const QStringList voci =
        QDir::current().entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& voce : voci) {
        if (voce == nome)
            trovato.nomi.prepend(voce);
        else if (voce.compare(nome, Qt::CaseInsensitive) == 0)
            trovato.nomi.append(voce);
    }
    return trovato;
}
