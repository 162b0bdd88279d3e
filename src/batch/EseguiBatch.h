#pragma once

#include "batch/EsitoBatch.h"
#include "batch/StampaBatch.h"
#include "batch/UscitaBatch.h"

#include <QStringList>
#include <QTextStream>

// Runs the weekly tableau as the window's "&Stampa" does, from command-line
// arguments (without the program's name): the same checks of the room range
// and the date with the same Italian messages, then the report; unlike the
// window it refuses a hotel or tableau that the databases do not hold. Help,
// the version, the list of the suite (--elenca) and, with --verboso only,
// the names of the files written go to `uscita`, every error to `errori`.
// The outputs that set text in fonts are made by `conCaratteri`; a program
// without a GUI application leaves them out (and, to make them, starts the
// one that has it).
int EseguiBatch(const QStringList& argomenti, QTextStream& uscita, QTextStream& errori,
                const ScritturaConCaratteri& conCaratteri = StampaBatch);

// The arguments of a command line after the program's name, before the
// application object exists to read them.
QStringList ArgomentiDi(int argc, char** argv);

// EseguiBatch on the application's own arguments, with standard output and
// standard error as UTF-8 text: the body of the command's two programs.
int EseguiBatchSulTerminale(const ScritturaConCaratteri& conCaratteri);
