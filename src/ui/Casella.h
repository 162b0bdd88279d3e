#pragma once

#include "ui/Controllo.h"

#include <QString>

// A check box; its value is 1 when ticked, 0 when not.
class Casella : public Controllo {
  public:
    using Eventi = SenzaEventi;

    Casella(Finestra& finestra, const Riquadro& riquadro, int Index = 0,
            const Eventi* eventi = nullptr);

    QString Caption() const;
    void setCaption(const QString& caption);
    int Value() const;
    void setValue(int valore);
    // Colours the caption only: the box and its tick keep the colours of the
    // desktop's style, so that a tick stays plain to see on any caption colour.
    void setForeColor(Colore colore) override;
};
