#include "ui/Misure.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace {
double PuntiPerPollice() {
    const QScreen* schermo = QGuiApplication::primaryScreen();
    return schermo ? schermo->logicalDotsPerInch() : 96.0;
}
} // namespace

int InPixel(int twips) {
    return static_cast<int>(std::lround(twips * PuntiPerPollice() / kTwipsPerPollice));
}

int InTwips(int pixel) {
    return static_cast<int>(std::lround(pixel * kTwipsPerPollice / PuntiPerPollice()));
}
