#include "print/LeggiRighe.h"

#include "routines/Errore.h"
#include "routines/MotivoDiSistema.h"
#include "routines/TestoAnsi.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

std::optional<QStringList> LeggiRighe(const QString& percorso) {
    QFile file(percorso);
    if (!QFileInfo(percorso).isFile())
        return std::nullopt;
    if (!file.open(QIODevice::ReadOnly))
        throw Errore(GenereErrore::Uscita,
                     QStringLiteral("Impossibile leggere il file %1: %2.")
                         .arg(QDir::toNativeSeparators(percorso), MotivoErroreFile(file, errno)));
    return RigheDaByte(file.readAll());
}

QStringList RigheDaByte(const QByteArray& byte) {
    // Each line is read straight from its bytes.
    QStringList righe;
    qsizetype inizio = 0;
    for (qsizetype i = 0; i < byte.size(); ++i) {
        if (byte[i] != '\r' && byte[i] != '\n')
            continue;
        righe.append(DaAnsi(QByteArrayView(byte).sliced(inizio, i - inizio)));
        if (byte[i] == '\r' && i + 1 < byte.size() && byte[i + 1] == '\n')
            ++i;
        inizio = i + 1;
    }
    if (inizio < byte.size())
        righe.append(DaAnsi(QByteArrayView(byte).sliced(inizio)));
    return righe;
}
