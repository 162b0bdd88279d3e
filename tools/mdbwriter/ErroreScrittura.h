#pragma once

#include <QString>

#include <stdexcept>

// A table or value that a Jet 4 file cannot hold, or a file that cannot be
// written. The message names the table and column concerned.
class ErroreScrittura : public std::runtime_error {
  public:
    explicit ErroreScrittura(const QString& messaggio)
        : std::runtime_error(messaggio.toStdString()) {}
};
