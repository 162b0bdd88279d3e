#pragma once

#include "mdbwriter/FileMdb.h"

#include <QByteArray>

#include <cstdint>
#include <vector>

// The row of a usage map listing `pagine` (ascending). When they span no
// more than the 512 pages that a map kept in its row can cover, the row
// holds the bitmap itself (type 0: first page, then one bit a page);
// otherwise it points to map pages (type 1), each covering 32736 pages from
// a multiple of that number, which are added to `file`.
QByteArray MappaUso(const std::vector<std::uint32_t>& pagine, FileMdb& file);
