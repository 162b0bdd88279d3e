#pragma once

#include "print/FileImpostazioni.h"

#include <QString>

// One print-file line as a spreadsheet line: frame bytes become field
// separators, rule bytes blanks, and Italian amounts (1.234,50) numbers a
// spreadsheet reads, with the currency symbol in the blank before them.
QString ConvertiRigaXLS(const QString& riga, const SeparatoriXLS& separatori);
