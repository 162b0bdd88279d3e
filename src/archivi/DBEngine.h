#pragma once

#include "archivi/Database.h"

#include <QString>

// The database engine: one per process, created on first use.
class DBEngine {
  public:
    static DBEngine& istanza();

    // Opens a database by its bare file name in the current directory.
    Database OpenDatabase(const QString& nomeFile);

  private:
    DBEngine() = default;
};
