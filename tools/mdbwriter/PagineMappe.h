#pragma once

#include "mdbwriter/FileMdb.h"
#include "mdbwriter/PaginaDati.h"

#include <QByteArray>

#include <cstdint>

// The pages that hold the rows of usage maps: page 1 first, then new pages
// as they fill, so that a file may hold any number of tables.
class PagineMappe {
  public:
    PagineMappe(FileMdb& file, std::uint32_t prima);

    // Adds a map row and returns its page and row number.
    std::uint32_t aggiungi(const QByteArray& riga);

  private:
    FileMdb& file_;
    std::uint32_t numero_;
    PaginaDati pagina_;
};
