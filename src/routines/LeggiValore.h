#pragma once

#include <QString>

// The number at the start of a text, read the way the suite reads numbers
// out of texts: blanks are skipped, an optional sign, digits and at most one
// decimal point; reading stops at the first other character, and a text
// without digits reads 0 ("027" is 27, "   " is 0, "7.5x" is 7.5).
double LeggiValore(const QString& testo);
