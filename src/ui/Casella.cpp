#include "ui/Casella.h"

#include "ui/Colora.h"
#include "ui/Finestra.h"

#include <QCheckBox>

namespace {
QCheckBox* Spunta(QWidget* widget) {
    return static_cast<QCheckBox*>(widget);
}
} // namespace

Casella::Casella(Finestra& finestra, const Riquadro& riquadro, int Index, const Eventi*)
    : Controllo(finestra, new QCheckBox(finestra.widget()), riquadro, Index) {}

QString Casella::Caption() const {
    return Spunta(widget())->text();
}
void Casella::setCaption(const QString& caption) {
    Spunta(widget())->setText(caption);
}
int Casella::Value() const {
    return Spunta(widget())->isChecked() ? 1 : 0;
}
void Casella::setValue(int valore) {
    Spunta(widget())->setChecked(valore != 0);
}

void Casella::setForeColor(Colore colore) {
    Colora(*widget(), {QPalette::WindowText}, colore);
}
