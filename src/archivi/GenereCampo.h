#pragma once

#include "archivi/Valore.h"

#include <QString>

// What a field holds, as far as comparing it goes: Jet compares texts with
// texts and numbers of every kind (whole, real, currency, date) with each
// other, and nothing else; binary data compares with nothing. A search that
// holds a field against a value of another kind is refused with "data type
// mismatch" instead of being false. Ignoto is a field whose kind is not
// known (a table built in memory) or a null value: neither is checked.
enum class GenereCampo { Ignoto, Testo, Numero, Binario };

// The kind of a value; Ignoto for null.
GenereCampo GenereDi(const Valore& valore);

// False when both kinds are known and Jet would refuse to compare them.
bool Confrontabili(GenereCampo campo, GenereCampo valore);

// The kind as the messages name it: what a field contains ("testo",
// "numeri", "dati binari") and what it is compared with ("un testo", "un
// numero", "dati binari").
QString ContenutoDi(GenereCampo genere);
QString ValoreDi(GenereCampo genere);
