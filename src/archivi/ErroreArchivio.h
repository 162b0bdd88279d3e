#pragma once

#include <QString>

#include <stdexcept>

// The one error of the database layer: a missing or ambiguous file, a file
// that is not a readable Jet database, a missing table or field. The message
// is Italian and names the file, table or field.
class ErroreArchivio : public std::runtime_error {
  public:
    explicit ErroreArchivio(const QString& messaggio);
    QString messaggio() const;
};

// The error for a database file the system would not let be opened, looked
// at or read, with the cause for the system's error code.
ErroreArchivio ArchivioNonLeggibile(const QString& nome, int codiceErrore);
