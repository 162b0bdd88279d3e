#pragma once

#include "ui/Controllo.h"

#include <QString>

enum class BarreScorrimento { Nessuna, Orizzontale, Verticale, Entrambe };

// A text field of several lines. Its text separates lines with carriage
// return and line feed; until the user edits it, it reads back exactly as it
// was set. Without a horizontal scroll bar long lines wrap at
// the field's width; with one they run on and the field scrolls sideways.
class AreaTesto : public Controllo {
  public:
    using Eventi = SenzaEventi;

    AreaTesto(Finestra& finestra, const Riquadro& riquadro, int Index = 0,
              const Eventi* eventi = nullptr);

    QString Text() const;
    void setText(const QString& testo);
    // A locked field shows and selects its text but lets nobody change it.
    bool Locked() const;
    void setLocked(bool bloccato);
    void setScrollBars(BarreScorrimento barre);

  private:
    QString impostato_;
};
