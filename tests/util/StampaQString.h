#pragma once

#include <QByteArray>
#include <QString>

#include <ostream>

// Lets GoogleTest show Qt texts readably when an expectation fails.
inline void PrintTo(const QString& testo, std::ostream* os) {
    *os << '"' << testo.toStdString() << '"';
}
inline void PrintTo(const QByteArray& byte, std::ostream* os) {
    *os << '"' << byte.toPercentEncoding(" /:|-.,;").toStdString() << '"';
}
