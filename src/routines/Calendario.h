#pragma once

#include <QString>

#include <array>
#include <cstdint>

// Program-wide calendar tables. GiorniMese[1] (February) is scratch space:
// the date routines set it for the year at hand before they read it.
extern std::array<std::int16_t, 12> GiorniMese;

// Day names, Monday first, as the tableau heading shows them.
extern const std::array<QString, 7> NomiGiorni;
