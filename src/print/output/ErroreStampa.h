#pragma once

#include <QString>

#include <exception>
#include <string>

// A print, conversion or output that could not be carried out, with the
// Italian text the print menu shows in its message box and the batch command
// writes before it exits with a failure. Whatever raised it has reported
// nothing as printed.
class ErroreStampa : public std::exception {
public:
    explicit ErroreStampa(QString testo);

    const QString& testo() const { return testo_; }
    const char* what() const noexcept override { return utf8_.c_str(); }

private:
    QString testo_;
    std::string utf8_;
};
