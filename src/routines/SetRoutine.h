#pragma once

#include <QString>

#include <cstdint>

// Shared text and date routines. Dates are texts gg/mm/aaaa; positions in the
// descriptions below count from 1.

// True when the text, trimmed, is a valid gg/mm/aaaa date (year 1900 or
// later; the separators are not examined). A 10-character trimmed text is
// written back.
bool ControllaData(QString& testo);

// Completes ggmmaa and ggmmaaaa to gg/mm/aaaa and writes the result back;
// other lengths pass unchanged. A two-digit year falls in the hundred years
// that end twenty years after the clock's current year.
QString CompletaData(QString& testo);

// The text upper-cased without apostrophes; a single blank when nothing remains.
QString PulisciTesto(const QString& testo);

// 0 = Monday .. 6 = Sunday. Dates before 01/01/1996 count backwards from that
// Monday, so the numbering stays the same.
std::int16_t CalcolaGiornoSettimana(const QString& data);

// Every year divisible by four, with no century rule, as the suite counts.
bool AnnoBisestile(std::int16_t anno);

// Replaces the single-line box-drawing characters of code page 437 (as they
// stand in a print line read byte for byte) by "|" and "-", in place.
QString ConvertiCornici(QString& riga);

// The whole part of the number LeggiValore reads, held within nine digits
// ("7/" is 7, "7.9" is 7, "ab" is 0).
long LeggiNumero(const QString& testo);
