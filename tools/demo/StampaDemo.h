#pragma once

#include "demo/ArchiviDemo.h"

// Fills the print settings: destinations (for hotel 1 an office printer, two
// PDF destinations, one of them "Archivio PDF", and a dot-matrix printer
// written to a file; one destination of hotel 2 only), printer types (one
// printing through the system's driver, one sending setup bytes directly)
// and page lengths of both hotels.
void ScriviImpostazioniStampa(ArchiviDemo& archivi);
