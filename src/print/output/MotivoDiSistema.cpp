#include "print/output/MotivoDiSistema.h"

#include <cerrno>
#include <cstring>

QString MotivoDiSistema(int codiceErrore) {
    switch (codiceErrore) {
    case ENOENT:
        return QStringLiteral("il percorso non esiste");
    case EACCES:
    case EPERM:
        return QStringLiteral("permesso negato");
    case EISDIR:
        return QStringLiteral("è una cartella");
    case EBUSY:
        return QStringLiteral("il dispositivo è occupato");
    case ENXIO:
    case ENODEV:
        return QStringLiteral("il dispositivo non è collegato");
    case ENOSPC:
        return QStringLiteral("spazio esaurito");
    case EROFS:
        return QStringLiteral("il supporto è in sola lettura");
    case EIO:
        return QStringLiteral("errore di ingresso/uscita del dispositivo");
    case ENOTDIR:
        return QStringLiteral("una parte del percorso non è una cartella");
    default:
        return QString::fromLocal8Bit(std::strerror(codiceErrore));
    }
}
