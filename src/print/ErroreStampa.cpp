#include "print/ErroreStampa.h"

ErroreStampa::ErroreStampa(const QString& messaggio)
    : std::runtime_error(messaggio.toStdString()) {}

QString ErroreStampa::messaggio() const {
    return QString::fromStdString(what());
}
