#include "front/Scelta.h"

std::int16_t HotelScelto = 0;
std::int16_t TableauScelto = 0;
