#pragma once

#include <cstdint>

// The hotel whose page length a print takes: the chosen one, and hotel 1
// when none is chosen (number 0), as for the suite's other settings of
// printing, which are hotel 1's.
std::int16_t HotelDiStampa(std::int16_t hotel);
