#include "ui/Etichetta.h"

#include "ui/Finestra.h"

#include <QLabel>

namespace {
QLabel* Testo(QWidget* widget) {
    return static_cast<QLabel*>(widget);
}
} // namespace

Etichetta::Etichetta(Finestra& finestra, const Riquadro& riquadro, int Index, const Eventi*)
    : Controllo(finestra, new QLabel(finestra.widget()), riquadro, Index) {
    Testo(widget())->setTextFormat(Qt::PlainText);
    setAlignment(Allineamento::Sinistra);
}

QString Etichetta::Caption() const {
    return Testo(widget())->text();
}
void Etichetta::setCaption(const QString& caption) {
    Testo(widget())->setText(caption);
}

void Etichetta::setAlignment(Allineamento allineamento) {
    const Qt::Alignment orizzontale = allineamento == Allineamento::Destra   ? Qt::AlignRight
                                      : allineamento == Allineamento::Centro ? Qt::AlignHCenter
                                                                             : Qt::AlignLeft;
    Testo(widget())->setAlignment(orizzontale | Qt::AlignVCenter);
}
