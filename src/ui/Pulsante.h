#pragma once

#include "ui/Controllo.h"

#include <QString>

#include <functional>

struct EventiPulsante {
    std::function<void(int Index)> Click;
};

// A push button with a caption ("&" marks its access key) or a picture.
// Enter or the space bar presses the button that has the focus, which shows
// a ring in the desktop's highlight colour. The Esc key presses the window's
// cancel button.
class Pulsante : public Controllo, public EventiPulsante {
  public:
    using Eventi = EventiPulsante;

    // `eventi` are those of the button's control array; a button on its own
    // uses its own.
    Pulsante(Finestra& finestra, const Riquadro& riquadro, int Index = 0,
             const Eventi* eventi = nullptr);

    QString Caption() const;
    void setCaption(const QString& caption);
    // A picture file or resource (":/..."), shown as large as the button allows.
    void setPicture(const QString& immagine);

    // The button that Esc presses, wherever the focus is in its window.
    bool Cancel() const { return cancel_; }
    void setCancel(bool annulla) { cancel_ = annulla; }

    // Presses the button as a click does: raises Click.
    void Premi();

  private:
    class Comando;
    const Eventi& eventi_;
    bool cancel_ = false;
};
