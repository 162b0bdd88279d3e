#pragma once

#include <QString>

#include <cstdint>

// What the user asks the weekly tableau for.
struct RichiestaTableau {
    std::int16_t hotel = 0;
    std::int16_t tableau = 0;
    QString primaCamera;  // lowest room number, compared as text
    QString ultimaCamera; // highest room number, compared as text
    QString data;         // first day of the week, gg/mm/aaaa
};
