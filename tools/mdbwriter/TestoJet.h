#pragma once

#include <QByteArray>
#include <QString>

// Jet 4 text bytes: UTF-16LE, or, when `comprimi` is set and it is shorter,
// the compressed form (FF FE, then one byte per character whose high byte is
// zero; a zero byte switches between one and two bytes per character).
// A text holding a character whose low byte is zero is never compressed,
// since that byte would read as a switch.
QByteArray TestoJet(const QString& testo, bool comprimi);
