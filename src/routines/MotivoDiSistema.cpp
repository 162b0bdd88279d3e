#include "routines/MotivoDiSistema.h"

#include <cerrno>

QString MotivoDiSistema(int codiceErrore) {
    switch (codiceErrore) {
    case ENOENT:
        return QStringLiteral("il percorso non esiste");
    case ENOTDIR:
        return QStringLiteral("una parte del percorso non è una cartella");
    case EACCES:
    case EPERM:
        return QStringLiteral("permesso negato");
    case EROFS:
        return QStringLiteral("il supporto è in sola lettura");
    case ENOSPC:
        return QStringLiteral("spazio esaurito sul disco");
    case EDQUOT:
        return QStringLiteral("spazio esaurito (quota disco dell'utente)");
    case EIO:
        return QStringLiteral("errore di ingresso/uscita del dispositivo");
    case ENOTCONN:
    case ESTALE:
    case EHOSTDOWN:
    case EHOSTUNREACH:
    case ENETDOWN:
    case ENETUNREACH:
    case ENETRESET:
    case ECONNABORTED:
    case ECONNRESET:
    case ECONNREFUSED:
    case ETIMEDOUT:
    case ENOLINK:
    case ECOMM:
    case EREMOTEIO:
        return QStringLiteral("la cartella di rete non risponde più (condivisione scollegata)");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("il file o il dispositivo è occupato");
    case EAGAIN:
        return QStringLiteral("il file è bloccato da un altro programma");
    case EISDIR:
        return QStringLiteral("è una cartella");
    case ENXIO:
    case ENODEV:
        return QStringLiteral("il dispositivo non è collegato");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("troppi file aperti");
    case ENAMETOOLONG:
        return QStringLiteral("nome del file troppo lungo");
    case EFBIG:
        return QStringLiteral("file troppo grande");
    case ENOMEM:
        return QStringLiteral("memoria esaurita");
    default:
        return QStringLiteral("errore del sistema n. %1").arg(codiceErrore);
    }
}

QString MotivoErroreFile(const QFileDevice& file, int codiceErrore) {
    if (codiceErrore != 0)
        return MotivoDiSistema(codiceErrore);
    switch (file.error()) {
    case QFileDevice::ReadError:
        return QStringLiteral("errore di lettura");
    case QFileDevice::WriteError:
        return QStringLiteral("errore di scrittura");
    case QFileDevice::ResourceError:
        return QStringLiteral("risorse del sistema esaurite");
    case QFileDevice::PermissionsError:
        return QStringLiteral("permesso negato");
    case QFileDevice::RemoveError:
    case QFileDevice::RenameError:
        return QStringLiteral("il file non si è potuto sostituire");
    default:
        return QStringLiteral("il file non si è potuto aprire");
    }
}
