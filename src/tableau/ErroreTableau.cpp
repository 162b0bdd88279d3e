#include "tableau/ErroreTableau.h"

ErroreTableau::ErroreTableau(const QString& messaggio) : std::runtime_error(messaggio.toStdString()) {}

QString ErroreTableau::messaggio() const { return QString::fromStdString(what()); }
