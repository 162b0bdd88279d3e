#pragma once

#include "mdbwriter/FileMdb.h"
#include "mdbwriter/PagineMappe.h"
#include "mdbwriter/TabellaMdb.h"

#include <cstdint>

// Writes one table into the file: its definition on page `definizione`,
// its rows on new data pages in the order they were added (moved rows'
// copies on pages after all the others), long values on long-value pages,
// and its usage maps as rows of `mappe`.
void ScriviTabella(const TabellaMdb& tabella, std::uint32_t definizione, FileMdb& file,
                   PagineMappe& mappe);
