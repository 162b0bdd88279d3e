#pragma once

#include "archivi/Database.h"
#include "archivi/FilaLetture.h"

#include <QString>

// The database engine: one per process, created on first use.
class DBEngine {
  public:
    static DBEngine& istanza();

    // Opens a database by its bare file name in the current directory; with
    // a place in a queue, its start is read in the queue's turn.
    Database OpenDatabase(const QString& nomeFile, jet::PostoInFila posto = {});

  private:
    DBEngine() = default;
};
