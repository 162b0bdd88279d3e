#pragma once

class Finestra;

// Runs the program: shows the start-up window and handles events until that
// window is unloaded. Returns the exit status the window set
// (Finestra::ImpostaEsito).
int AvviaProgramma(Finestra& avvio);
