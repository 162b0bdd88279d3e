#include "preview/DescriviErrore.h"

#include <QFileInfo>

namespace {

QString Causa(QFileDevice::FileError errore) {
    switch (errore) {
    case QFileDevice::ReadError:
        return QStringLiteral("errore di lettura del disco");
    case QFileDevice::WriteError:
        return QStringLiteral("errore di scrittura (il disco potrebbe essere pieno)");
    case QFileDevice::OpenError:
        return QStringLiteral("il file non si può aprire: manca o non si hanno i permessi "
                              "sul file o sulla cartella");
    case QFileDevice::PermissionsError:
    case QFileDevice::RemoveError:
    case QFileDevice::RenameError:
        return QStringLiteral("non si hanno i permessi per sostituire il file nella cartella");
    case QFileDevice::ResourceError:
        return QStringLiteral("risorse del sistema esaurite (disco pieno o troppi file aperti)");
    default:
        return QStringLiteral("errore del sistema nel trattare il file");
    }
}

} // namespace

QString TestoErroreFile(const QString& azione, const QFileDevice& file) {
    return QStringLiteral("%1 \"%2\" nella cartella %3:\r\n%4.")
        .arg(azione, QFileInfo(file.fileName()).fileName(),
             QFileInfo(file.fileName()).absolutePath(), Causa(file.error()));
}
