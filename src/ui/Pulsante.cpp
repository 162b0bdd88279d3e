#include "ui/Pulsante.h"

#include "ui/Finestra.h"

#include <QIcon>
#include <QPushButton>

#include <algorithm>

namespace {
QPushButton* Bottone(QWidget* widget) {
    return static_cast<QPushButton*>(widget);
}
} // namespace

Pulsante::Pulsante(Finestra& finestra, const Riquadro& riquadro, int Index, const Eventi* eventi)
    : Controllo(finestra, new QPushButton(finestra.widget()), riquadro, Index),
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
