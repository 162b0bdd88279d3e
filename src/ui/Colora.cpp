#include "ui/Colora.h"

#include <QWidget>

void Colora(QWidget& widget, std::initializer_list<QPalette::ColorRole> ruoli, Colore colore) {
    QPalette tavolozza = widget.palette();
    for (const auto ruolo : ruoli)
        tavolozza.setColor(ruolo, QColor(colore.rosso, colore.verde, colore.blu));
    widget.setPalette(tavolozza);
}
