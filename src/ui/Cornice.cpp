#include "ui/Cornice.h"

#include "ui/Finestra.h"

#include <QFrame>

Cornice::Cornice(Finestra& finestra, const Riquadro& riquadro, int Index, const Eventi*)
    : Controllo(finestra, new QFrame(finestra.widget()), riquadro, Index) {
    auto* cornice = static_cast<QFrame*>(widget());
    cornice->setFrameStyle(QFrame::Box | QFrame::Plain);
    cornice->setAttribute(Qt::WA_TransparentForMouseEvents);
    cornice->lower();
}
