#include "ui/Pulsante.h"

#include "ui/Finestra.h"

#include <QIcon>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

// The style's own focus mark on a button is a faint line, lost on a picture;
// a ring in the highlight colour inside the button's edge says where the
// focus is on any background.
class Pulsante::Comando : public QPushButton {
  public:
    using QPushButton::QPushButton;

  protected:
    void paintEvent(QPaintEvent* evento) override {
        QPushButton::paintEvent(evento);
        if (!hasFocus())
            return;
        QPainter pittore(this);
        pittore.setRenderHint(QPainter::Antialiasing);
        const qreal spessore = 2;
        pittore.setPen(QPen(palette().color(QPalette::Highlight), spessore));
        pittore.setBrush(Qt::NoBrush);
        const qreal rientro = 2.5;
        pittore.drawRoundedRect(QRectF(rect()).adjusted(rientro, rientro, -rientro, -rientro), 2,
                                2);
    }
};

namespace {
QPushButton* Bottone(QWidget* widget) {
    return static_cast<QPushButton*>(widget);
}
} // namespace

Pulsante::Pulsante(Finestra& finestra, const Riquadro& riquadro, int Index, const Eventi* eventi)
    : Controllo(finestra, new Comando(finestra.widget()), riquadro, Index),
      eventi_(eventi ? *eventi : *this) {
    Bottone(widget())->setAutoDefault(true);
    QObject::connect(Bottone(widget()), &QPushButton::clicked, [this] { Premi(); });
}

QString Pulsante::Caption() const {
    return Bottone(widget())->text();
}
void Pulsante::setCaption(const QString& caption) {
    Bottone(widget())->setText(caption);
}

void Pulsante::setPicture(const QString& immagine) {
    QPushButton* bottone = Bottone(widget());
    bottone->setIcon(QIcon(immagine));
    const int lato = std::min(bottone->width(), bottone->height()) * 4 / 5;
    bottone->setIconSize(QSize(lato, lato));
}

void Pulsante::Premi() {
    if (eventi_.Click)
        eventi_.Click(Index());
}
