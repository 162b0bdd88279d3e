#pragma once

#include "output/StampaDriver.h"

#include <QString>
#include <QStringList>

// The installed printers and the program's current printer, which stays the
// one chosen last for the rest of the run, with its two-sided setting.

// Device names of the installed printers, in the print system's order.
QStringList StampantiInstallate();

// The printer that printing through the driver uses: the one chosen last,
// at first the system's default printer (or the first installed one).
QString StampanteCorrente();

// Makes the installed printer whose device name equals the target exactly
// the current one; with no such printer the current one stays.
void ScegliStampante(const QString& bersaglio);

// Prints the lines on the current printer. Two-sided print, once asked for,
// stays on for the later prints of the run, as the printer keeps it. The job
// goes to the print system whole; a missing printer, a page that cannot be
// composed or a queue that refuses the job raises an output Errore.
void StampaSuStampante(const QStringList& righe, const ImpostazioniDriver& impostazioni,
                       bool fronteRetro, const QString& destinazione);
