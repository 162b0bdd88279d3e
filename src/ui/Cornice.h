#pragma once

#include "ui/Controllo.h"

// A rectangular frame drawn behind the other controls; it takes no clicks.
class Cornice : public Controllo {
  public:
    using Eventi = SenzaEventi;

    Cornice(Finestra& finestra, const Riquadro& riquadro, int Index = 0,
            const Eventi* eventi = nullptr);
};
