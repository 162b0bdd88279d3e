#pragma once

#include "msgbox/Stili.h"

#include <QString>

// Shows a message in the program's message window and waits for a button;
// returns the answer of the button pressed (see Stili.h for the styles).
// Lines of `testo` are separated by carriage return and line feed.
Risposta Messaggio(const QString& testo, Stile stile, const QString& titolo);
