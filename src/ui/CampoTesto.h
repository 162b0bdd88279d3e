#pragma once

#include "ui/Controllo.h"

#include <QString>

#include <functional>

struct EventiCampoTesto {
    // A key that gives a character, before the field handles it: its
    // character code, 13 for Enter.
    std::function<void(int Index, int KeyAscii)> KeyPress;
    // The focus has entered the field.
    std::function<void(int Index)> GotFocus;
};

// A single-line text field. What the user pastes is kept to one line: a
// line break becomes a blank and control characters are dropped.
class CampoTesto : public Controllo, public EventiCampoTesto {
  public:
    using Eventi = EventiCampoTesto;

    CampoTesto(Finestra& finestra, const Riquadro& riquadro, int Index = 0,
               const Eventi* eventi = nullptr);

    QString Text() const;
    void setText(const QString& testo);
    // The most characters the user can type in; 0 for no limit.
    int MaxLength() const;
    void setMaxLength(int caratteri);

    int SelStart() const;
    int SelLength() const;
    // Puts the cursor at a position, with nothing selected.
    void setSelStart(int posizione);
    // Selects this many characters from the selection start.
    void setSelLength(int caratteri);

  private:
    class Riga;
    void tasto(int KeyAscii) const;
    void fuoco() const;

    const Eventi& eventi_;
};
