#include "archivi/TrovaArchivio.h"

#include "archivi/ErroreArchivio.h"
#include "routines/TrovaFile.h"

#include <QDir>

QString TrovaArchivio(const QString& nomeFile) {
    const FileTrovato trovato = TrovaFile(nomeFile);
    if (!trovato.esiste())
        throw ErroreArchivio(QStringLiteral("Archivio non trovato: %1 (cartella %2)")
                                 .arg(nomeFile, QDir::toNativeSeparators(QDir::currentPath())));
    if (trovato.ambiguo())
        throw ErroreArchivio(
            QStringLiteral("Archivio ambiguo: %1 e %2 differiscono solo per maiuscole")
                .arg(trovato.nomi.at(0), trovato.nomi.at(1)));
    return trovato.percorso();
}
