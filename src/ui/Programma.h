#pragma once

class Finestra;

// Runs the program: shows the start-up window and handles events until that
// window is unloaded. Returns the exit status (0 unless ImpostaEsito set one).
int AvviaProgramma(Finestra& avvio);

// The exit status the program will end with.
void ImpostaEsito(int esito);
