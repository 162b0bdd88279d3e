#pragma once

#include "output/StampaDriver.h"

#include <QStringList>

class QPagedPaintDevice;

// Prints the lines on a Qt paged device (QPrinter, QPdfWriter) by the
// driver's page rules, one sheet for each page of the print, laid out as
// MisuraPagine lays it. When a page's widest line or its lines would run past
// the printable area of the device's sheet at the set sizes, the whole print
// is drawn at the one scale below 1 at which every page fits, all sizes and
// line heights alike; otherwise at the set sizes. False when the device could
// not be started or finished (an output file that cannot be written, a
// printer that refused to start).
bool StampaSuPagine(const QStringList& righe, const ImpostazioniDriver& impostazioni,
                    QPagedPaintDevice& dispositivo);
