#include "grafico/FoglioGrafico.h"

// Apart from the sheet's sizes, which need Qt's GUI library: reading the
// batch command's options uses just this, and that program starts without
// the GUI libraries when it sets no text in fonts.
std::optional<FoglioGrafico::Carta> FoglioGrafico::cartaDaNome(const QString& nome) {
    if (nome.compare(QLatin1String("A4"), Qt::CaseInsensitive) == 0)
        return Carta::A4;
    if (nome.compare(QLatin1String("A3"), Qt::CaseInsensitive) == 0)
        return Carta::A3;
    if (nome.compare(QLatin1String("letter"), Qt::CaseInsensitive) == 0)
        return Carta::Letter;
    return std::nullopt;
}
