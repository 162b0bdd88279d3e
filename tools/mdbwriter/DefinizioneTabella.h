#pragma once

#include "mdbwriter/TabellaMdb.h"

#include <cstdint>
#include <vector>

// Where a table's usage maps are: page and row of each map row.
struct MappeTabella {
    std::uint32_t usate = 0;
    std::uint32_t libere = 0;
    // Long-value columns keep maps of their own.
    struct Lunga {
        int colonna;
        std::uint32_t usate;
        std::uint32_t libere;
    };
    std::vector<Lunga> lunghe;
};

// Writes the table-definition page: the header with row count, column
// counts and maps; a 25-byte descriptor per column; the column names; the
// maps of the long-value columns. The table has no indexes. Raises
// ErroreScrittura when the definition does not fit one page.
void ScriviDefinizione(char* pagina, const TabellaMdb& tabella, std::uint32_t righe,
                       const MappeTabella& mappe);
