#pragma once

#include "tableau/GiorniCamera.h"
#include "tableau/Intestazione.h"
#include "tableau/Settimana.h"

#include <QDateTime>
#include <QString>

// The lines of the weekly tableau: 132 columns, frame columns 6, 24, .., 132
// drawn with code page 437 box-drawing characters (held as the characters
// of the same byte value, so that they are written as those bytes). Day d
// (1..7) owns columns 18d-11 to 18d+5. Every line keeps its 132 columns and
// its frame whatever the data: a value too long for its cell is cut.
namespace ImpaginazioneTableau {

inline constexpr int kLarghezza = 132;

// Hotel name, tableau name, start date, then the moment of printing in
// columns 117-132.
QString RigaTitolo(const Intestazione& intestazione, const QString& data, const QDateTime& momento);
QString BordoSuperiore();
// The weekday names from the weekday of day 1 (0 = Monday).
QString RigaNomiGiorni(int giornoSettimana);
QString RigaDate(const Settimana& settimana);
QString Separatore();
// Room number in columns 1-5; per day a number (reservation or first guest)
// and a company.
QString PrimaRigaCamera(const QString& camera, const GiorniCamera& giorni);
// Per day a name and the number of persons.
QString SecondaRigaCamera(const GiorniCamera& giorni);

} // namespace ImpaginazioneTableau
