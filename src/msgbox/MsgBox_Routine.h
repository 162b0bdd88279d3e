#pragma once

#include "msgbox/Stili.h"

#include <QString>

#include <cstdint>

// The style of the message being shown, or of the last one.
extern std::int16_t StileMsg;
// The answer of the last button pressed in a message window; it is not reset
// before a new message.
extern std::int16_t RispostaMsg;

// Shows a message in the program's message window and waits for a button:
// "Ok" answers 0, "Si" 6, "No" 7, "Annulla" 2 (see Stili.h for the styles).
// Lines of `testo` are separated by carriage return and line feed.
std::int16_t Messaggio(const QString& testo, std::int16_t stile, const QString& titolo);
