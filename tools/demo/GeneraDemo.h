#pragma once

#include "demo/OpzioniDemo.h"

#include <QStringList>

// Writes the demo databases into `opzioni.cartella` (created if missing) and
// returns the names of the files written. The data follow from the seed and
// the reference day alone. Raises ErroreScrittura.
QStringList GeneraDemo(const OpzioniDemo& opzioni);
