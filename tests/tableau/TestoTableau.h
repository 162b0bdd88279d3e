#pragma once

#include "tableau/RaccoltaSettimana.h"

#include <QByteArray>
#include <QString>

// Print files as people read them: the frame bytes of code page 437 as the
// box-drawing characters they draw (│ ┤ ┐ ┬ ─ ┼), other bytes as
// Windows-1252, CR LF as a line end. Expected files are written that way.
QString Leggibile(const QByteArray& fileStampa);
QByteArray DaLeggibile(const QString& testo);

// Empty when the two print files are equal; otherwise the first line that
// differs, both ways, with the column of the first difference.
QString Differenza(const QByteArray& atteso, const QByteArray& ottenuto);

// The print file the report writes on the tables given, the clock fixed at
// 05/01/2026 08:30.
QByteArray EseguiTableau(SorgenteArchivi& archivi, const RichiestaTableau& richiesta, const ApriRaccolta& raccolta);
