#pragma once

#include "grafico/MisuraTesto.h"

#include <QString>
#include <QStringList>

// A text fitted into a width: its lines and the size they are set at.
struct TestoAdattato {
    QStringList righe;
    double punti = 0;
    bool tagliato = false; // the end did not fit and gave way to an ellipsis
    bool spezzato = false; // a word too long for a line was broken, with a hyphen

    // Set whole, every word in one piece.
    bool intero() const { return !tagliato && !spezzato; }
};

// How a text may be fitted: the largest and smallest size, and whether a
// second line may be taken.
struct MisureAmmesse {
    double massimo = 9;
    double minimo = 7;
    int righe = 2;
};

// Fits a text into `larghezza` points without cutting it when it can: on
// one line at the largest size down to a little below it, then on two lines
// broken between words from the largest size down to the smallest, then on
// two lines breaking a word too long for a line; only a text that fits none
// of these is cut, at the smallest size, with an ellipsis at the end. A
// word broken in two ends its first line with a hyphen. An empty text gives
// no lines.
TestoAdattato AdattaTesto(const QString& testo, double larghezza, const MisureAmmesse& ammesse,
                          bool grassetto, const MisuraTesto& misura);
