#include "prove/robustezza/Impronte.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>

QMap<QString, QByteArray> Impronte(const QString& cartella, const QStringList& filtri) {
    QMap<QString, QByteArray> impronte;
    const QDir radice(cartella);
    QDirIterator voci(cartella, filtri, QDir::Files | QDir::Hidden | QDir::System,
                      QDirIterator::Subdirectories);
    while (voci.hasNext()) {
        const QString percorso = voci.next();
        QFile file(percorso);
        QCryptographicHash somma(QCryptographicHash::Sha256);
        // A file that cannot be read is recorded as such, so that it still
        // counts as present.
        if (file.open(QIODevice::ReadOnly) && somma.addData(&file))
            impronte.insert(radice.relativeFilePath(percorso), somma.result());
        else
            impronte.insert(radice.relativeFilePath(percorso), QByteArray("illeggibile"));
    }
    return impronte;
}

QMap<QString, QByteArray> ImpronteArchivi(const QString& cartella) {
    return Impronte(cartella, {QStringLiteral("*.mdb")});
}
