#pragma once

#include "ui/Controllo.h"

#include <QString>

#include <functional>

struct EventiPulsante {
    std::function<void(int Index)> Click;
};

// A push button with a caption ("&" marks its access key) or a picture.
// Enter or the space bar presses the button that has the focus.
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

    // Presses the button as a click does: raises Click.
    void Premi();

  private:
    const Eventi& eventi_;
};
