#pragma once

#include "archivi/Valore.h"

#include <QString>

#include <cstdint>

// How the report reads and compares the fields of the week's records. A
// comparison with an absent (null) value is false, and so is every test it
// is part of.

// a = b, a <> b, a > b, as the database compares them.
bool Uguale(const Valore& a, const Valore& b);
bool Diverso(const Valore& a, const Valore& b);
bool Maggiore(const Valore& a, const Valore& b);

// A stay covers the day when it arrives on or before it and leaves after it.
bool CopreIlGiorno(const Valore& arrivo, const Valore& partenza, const QString& dataGiorno);

// The text with the blanks at both ends removed (blanks only: other white
// space stays).
QString SenzaSpazi(const QString& testo);
// The first n characters of a text field, then SenzaSpazi; empty for null.
QString Taglia(const Valore& valore, qsizetype n);
// A text field whole, then SenzaSpazi; empty for null.
QString Intera(const Valore& valore);
// A text of the database as it can stand in a line: control characters
// (a line end inside a name) would break the line, and become blanks.
QString TestoVisibile(const QString& testo);
// One character as TestoVisibile shows it.
QChar CarattereVisibile(QChar c);

// A number field as a whole number, rounded half to even; 0 when absent or
// not a number.
std::int64_t Intero(const Valore& valore);
