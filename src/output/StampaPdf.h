#pragma once

#include "output/StampaDriver.h"

#include <QString>
#include <QStringList>

// Prints the lines into a PDF file, page for page as through a printer
// driver, with no printer: A4 paper with the quarter-inch unprintable border
// of a common laser printer. The file is written whole or not at all; a file
// that cannot be written raises an output Errore naming the destination.
void StampaSuFilePdf(const QStringList& righe, const ImpostazioniDriver& impostazioni,
                     const QString& percorso, const QString& destinazione);
