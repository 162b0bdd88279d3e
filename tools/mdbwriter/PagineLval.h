#pragma once

#include "mdbwriter/CodificaRiga.h"
#include "mdbwriter/FileMdb.h"
#include "mdbwriter/PaginaDati.h"

#include <QByteArray>

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

// Places the long values that left their rows on long-value (LVAL) pages.
// A value that fits one page is one row there (reference flag 0x40); a
// longer one is a chain of rows, each starting with the page and row of the
// next one, 0 in the last (flag 0x00).
class PagineLval {
  public:
    explicit PagineLval(FileMdb& file) : file_(file) {}

    // Places the values and completes their references in `riga`.
    void colloca(QByteArray& riga, const std::vector<ValoreLungo>& lunghi);
    // The long-value pages that hold a column's values, ascending.
    std::vector<std::uint32_t> pagine(int colonna) const;

  private:
    std::uint32_t aggiungi(const QByteArray& riga, int colonna);

    FileMdb& file_;
    std::optional<PaginaDati> corrente_;
    std::uint32_t numeroCorrente_ = 0;
    std::map<int, std::vector<std::uint32_t>> perColonna_;
};
