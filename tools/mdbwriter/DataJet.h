#pragma once

#include "archivi/Valore.h"

#include <QDateTime>

// A moment as Jet stores it: days from 30/12/1899, the time of day as the
// fraction. Before that day the whole part counts back and the fraction is
// still the time of day (-1.25 is 29/12/1899 06:00).
double GiorniJet(const QDateTime& momento);
// The same as a DateTime value for a row.
Valore ValoreData(const QDate& giorno, const QTime& ora = QTime(0, 0));
