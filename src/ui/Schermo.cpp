#include "ui/Schermo.h"

#include "ui/Misure.h"

#include <QGuiApplication>
#include <QScreen>

namespace {
QSize Dimensioni() {
    const QScreen* schermo = QGuiApplication::primaryScreen();
    return schermo ? schermo->geometry().size() : QSize(1024, 768);
}
} // namespace

namespace Schermo {
int Width() {
    return InTwips(Dimensioni().width());
}
int Height() {
    return InTwips(Dimensioni().height());
}
} // namespace Schermo
