#pragma once

#include "ui/Controllo.h"

#include <QString>

enum class Allineamento { Sinistra, Destra, Centro };

// A label: text the user reads and cannot change.
class Etichetta : public Controllo {
  public:
    using Eventi = SenzaEventi;

    Etichetta(Finestra& finestra, const Riquadro& riquadro, int Index = 0,
              const Eventi* eventi = nullptr);

    QString Caption() const;
    void setCaption(const QString& caption);
    void setAlignment(Allineamento allineamento);
};
