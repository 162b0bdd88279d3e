#include "ui/Cornice.h"

#include "ui/Finestra.h"

#include <QFrame>

Cornice::Cornice(Finestra& finestra, const Riquadro& riquadro, int Index, const Eventi*)
    : Controllo(finestra, new QFrame(finestra.widget()), riquadro, Index) {
    auto* cornice = static_cast<QFrame*>(widget());
    cornice->setFrameStyle(QFrame::Box | QFrame::Plain);
    // Drawn in the shade of the window's own edges unless told otherwise.
    QPalette tavolozza = cornice->palette();
    tavolozza.setColor(QPalette::WindowText, tavolozza.color(QPalette::Dark));
    cornice->setPalette(tavolozza);
    cornice->setAttribute(Qt::WA_TransparentForMouseEvents);
    cornice->lower();
}
