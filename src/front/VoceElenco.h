#pragma once

#include <QString>

#include <cstdint>

// An entry of the hotel and tableau lists: the number right-aligned in three
// characters, a blank and the name («  7 Hotel Centrale»).
QString VoceElenco(std::int64_t numero, const QString& nome);

// The number an entry starts with: the value of its first three characters.
std::int16_t NumeroDellaVoce(const QString& voce);
