#pragma once

#include <QString>

#include <stdexcept>

// An error of the print side that the user must be told about: a workstation
// number that cannot name a file, a print file that cannot be written. The
// message is Italian and complete, ready to be shown as it is.
class ErroreStampa : public std::runtime_error {
  public:
    explicit ErroreStampa(const QString& messaggio);
    QString messaggio() const;
};
