#pragma once

#include "batch/OpzioniBatch.h"
#include "print/PostoDiLavoro.h"
#include "tableau/TableauDellaSettimana.h"

#include <QTextStream>

#include <functional>

// The outputs that set text in fonts (StampaBatch.h), given to the run by
// the program that has a GUI application for them.
using ScritturaConCaratteri = std::function<void(const OpzioniBatch&, const PostoDiLavoro&,
                                                 const TableauScritto&, QTextStream&)>;

// The outputs the batch command makes once the tableau is written: the
// spreadsheet file (--csv), then those of `conCaratteri`, when given. Each is
// reported on `uscita`; the first that fails raises an output Errore (or an
// archive Errore for a database the print settings are read from) and the
// outputs after it are not made. The outputs are made of the print file's
// lines as this run wrote them, and the chart of the data they were made
// of, rather than of the file read again, which another run on the same
// workstation may have replaced in between.
void EseguiUsciteBatch(const OpzioniBatch& opzioni, const PostoDiLavoro& posto,
                       const TableauScritto& tableau, QTextStream& uscita,
                       const ScritturaConCaratteri& conCaratteri);

// Whether the command line asks for an output that sets text in fonts (a
// PDF file, the chart, a print), which needs a GUI application; false for a command
// line that cannot be read, which EseguiBatch then reports.
bool UsciteConCaratteri(const QStringList& argomenti);

// The print options of the batch command: output, destination and print settings.
std::vector<OpzioneBatch> OpzioniUscitaBatch();
