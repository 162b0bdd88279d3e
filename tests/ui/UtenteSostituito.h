#pragma once

#include <functional>

class Finestra;

// A modal display of `finestra` does not reach the screen: the window is
// loaded and activated as usual, then `utente` acts in the user's place and
// is expected to unload or hide it; the display ends there in any case.
// This holds for as long as the window exists; a later call for the same
// window takes the place of an earlier one.
void SostituisciUtente(Finestra& finestra, std::function<void()> utente);
