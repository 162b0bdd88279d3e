#include "routines/TrovaFile.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <filesystem>
#include <system_error>

QString FileTrovato::percorso() const {
    return QDir::current().filePath(nomi.isEmpty() ? cercato : nomi.front());
}

FileTrovato TrovaFile(const QString& nome) {
    namespace fs = std::filesystem;
    FileTrovato trovato;
    trovato.cercato = nome;
    // The folder's names alone: on a share, asking what each entry is would
    // cost a round trip per entry, and the folder may hold many. Only an
    // entry with the name sought is asked whether it is a folder (through a
    // link too), which is never the file sought.
    std::error_code errore;
    fs::directory_iterator voce(QFile::encodeName(QDir::currentPath()).toStdString(), errore);
    for (; !errore && voce != fs::directory_iterator(); voce.increment(errore)) {
        const QString nomeVoce = QFile::decodeName(voce->path().filename().c_str());
        if (nomeVoce.compare(nome, Qt::CaseInsensitive) != 0)
            continue;
        std::error_code tipo;
        if (voce->is_directory(tipo))
            continue;
        trovato.nomi.append(nomeVoce);
    }
    // The exact spelling first, the others in a fixed order.
    std::sort(trovato.nomi.begin(), trovato.nomi.end(), [&](const QString& a, const QString& b) {
        return (a == nome) != (b == nome) ? a == nome : a < b;
    });
    return trovato;
}
