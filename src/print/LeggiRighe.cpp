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
    const QString testo = DaAnsi(byte);
    QStringList righe;
    qsizetype inizio = 0;
    for (qsizetype i = 0; i < testo.size(); ++i) {
        if (testo[i] != u'\r' && testo[i] != u'\n')
            continue;
        righe.append(testo.mid(inizio, i - inizio));
        if (testo[i] == u'\r' && i + 1 < testo.size() && testo[i + 1] == u'\n')
            ++i;
        inizio = i + 1;
    }
    if (inizio < testo.size())
        righe.append(testo.mid(inizio));
    return righe;
}
