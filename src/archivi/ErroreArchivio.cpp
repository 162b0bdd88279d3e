#include "archivi/ErroreArchivio.h"

ErroreArchivio::ErroreArchivio(const QString& messaggio)
    : std::runtime_error(messaggio.toStdString()) {}

QString ErroreArchivio::messaggio() const {
    return QString::fromStdString(what());
}
