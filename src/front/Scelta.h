#pragma once

#include <cstdint>

// The hotel and the tableau chosen in the selection window, read by the
// report and the print menu.
extern std::int16_t HotelScelto;
extern std::int16_t TableauScelto;
