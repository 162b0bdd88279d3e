#pragma once

#include <cstdint>

// Printed lines per page for the hotel, from table Contatori in
// "Contatori.mdb": LungPagComp for compressed print, LungPagNoComp otherwise,
// rounded to a whole number. 60 when the hotel has no record, or when the
// field is empty or holds no 16-bit number of at least 1.
std::int16_t LungPag(std::int16_t hotel, bool compressa);
