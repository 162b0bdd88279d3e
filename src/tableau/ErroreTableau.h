#pragma once

#include <QString>

#include <stdexcept>

// A request the report cannot carry out (a start date that names no day of
// the calendar). The message is Italian, ready to be shown as it is.
class ErroreTableau : public std::runtime_error {
public:
    explicit ErroreTableau(const QString& messaggio);
    QString messaggio() const;
};
