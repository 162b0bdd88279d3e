#include "print/HotelDiStampa.h"

std::int16_t HotelDiStampa(std::int16_t hotel) {
    return hotel == 0 ? std::int16_t{1} : hotel;
}
