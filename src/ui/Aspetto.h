#pragma once

#include <QString>

// A colour given by its red, green and blue parts, 0 to 255 each.
struct Colore {
    int rosso = 0;
    int verde = 0;
    int blu = 0;
};

constexpr Colore RGB(int rosso, int verde, int blu) {
    return {rosso, verde, blu};
}

// A font by family name and size in points. A family the system lacks is
// replaced by the closest one it has ("Arial" by a metric-compatible sans).
struct Carattere {
    QString nome;
    double punti = 9;
    bool grassetto = false;
};
