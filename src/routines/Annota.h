#pragma once

#include <QString>

// Writes a line on standard error for whoever reads the window program's
// log: the program's name, then `testo` as it is.
void Annota(const QString& testo);
