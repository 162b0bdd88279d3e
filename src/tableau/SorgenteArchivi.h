#pragma once

#include "archivi/Database.h"
#include "archivi/Recordset.h"
#include "archivi/Selezione.h"

#include <QString>

#include <map>

// Where the report's record sets come from: the suite's database files, or
// tables that a test builds in memory.
class SorgenteArchivi {
  public:
    virtual ~SorgenteArchivi() = default;
    // A record set on a selection of a table of the database file `file`.
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
    std::map<QString, Database> archivi_;
};
