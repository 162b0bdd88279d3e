#pragma once

#include "archivi/Criterio.h"
#include "archivi/FilaLetture.h"
#include "archivi/Tabella.h"

#include <QString>
#include <QStringList>

#include <memory>

// One Access (Jet) database file, opened read-only at the operating-system
// level, without locks, and decoded from its pages (Jet 3, Jet 4 and the ACE
// files of later Access versions). A file that is missing, not a Jet
// database, damaged or truncated raises ErroreArchivio; it never crashes the
// process. Other programs may write the file meanwhile: each operation
// below gives what one state of the file holds, or ErroreArchivio saying
// that the file is being changed when it does not settle.
class FileJet {
  public:
    // `percorso` is a path that exists; finding it is the caller's work.
    // With a place in a queue, the file reads its start in the queue's turn
    // (see FilaLetture).
    explicit FileJet(const QString& percorso, jet::PostoInFila posto = {});
    ~FileJet();
    FileJet(const FileJet&) = delete;
    FileJet& operator=(const FileJet&) = delete;

    QString nome() const;
    // True when the file at the path is no longer the state last read: it
    // was written, replaced or removed since.
    bool cambiato() const;
    QStringList tabelle() const;
    // Field names of a table in column order; ErroreArchivio when the table is absent.
    std::vector<QString> campi(const QString& tabella) const;
    // The table's live rows in file order. With `dove`, only the rows that
    // meet it are kept, decided while the pages are scanned. A field that the
    // condition names and the table lacks, or compares with a value of a kind
    // its column type cannot be compared with, raises ErroreArchivio.
    Tabella leggi(const QString& tabella, const Criterio* dove = nullptr) const;

  private:
    struct Dati;
    std::unique_ptr<Dati> d_;
};
