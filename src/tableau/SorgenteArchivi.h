#pragma once

#include "archivi/Database.h"
#include "archivi/Recordset.h"
#include "archivi/Selezione.h"

#include <QString>

#include <map>
#include <mutex>

// Where the report's record sets come from: the suite's database files, or
// tables that a test builds in memory.
class SorgenteArchivi {
  public:
    virtual ~SorgenteArchivi() = default;
    // A record set on a selection of a table of the database file `file`.
    // Threads may call it at the same time, each for files of its own.
    virtual Recordset apri(const QString& file, const Selezione& selezione) = 0;
};

// The report's database files in the current folder, opened all at once in
// the report's order, so that a missing one stops it before anything else,
// and closed together when this object goes. What is read of them in the
// background arrives file after file, in the order the report reads them.
class ArchiviDellaSuite : public SorgenteArchivi {
  public:
    ArchiviDellaSuite();
    ~ArchiviDellaSuite() override;
    ArchiviDellaSuite(const ArchiviDellaSuite&) = delete;
    ArchiviDellaSuite& operator=(const ArchiviDellaSuite&) = delete;

    Recordset apri(const QString& file, const Selezione& selezione) override;

  private:
    // The files by name; a file not opened with the others is added when
    // first asked for, under the lock.
    std::mutex mutex_;
    std::map<QString, Database> archivi_;
};
