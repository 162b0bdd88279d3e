#include "grafico/MisuraTesto.h"

#include "grafico/CaratteriGrafico.h"

#include <QFontMetricsF>
#include <QImage>

namespace {

constexpr double kPuntiDiMisura = 100.0;

// A device of the chart's resolution that is never drawn on: the font
// metrics of a size in points are those the PDF gets.
const QImage& supporto() {
    static const QImage immagine = [] {
        QImage i(1, 1, QImage::Format_Mono);
        const int puntiPerMetro = qRound(kRisoluzioneGrafico / 0.0254);
        i.setDotsPerMeterX(puntiPerMetro);
        i.setDotsPerMeterY(puntiPerMetro);
        return i;
    }();
    return immagine;
}

// Points per device unit.
constexpr double kPuntiPerUnita = 72.0 / kRisoluzioneGrafico;

QFontMetricsF metriche(bool grassetto) {
    return QFontMetricsF(CarattereGrafico(kPuntiDiMisura, grassetto), &supporto());
}

} // namespace

MisuraCaratteri::MisuraCaratteri()
    : normale_{metriche(false), {}}, grassetto_{metriche(true), {}} {}

double MisuraCaratteri::larghezza(const QString& testo, double punti, bool grassetto) const {
    const Stile& stile = grassetto ? grassetto_ : normale_;
    auto trovata = stile.larghezze.constFind(testo);
    if (trovata == stile.larghezze.constEnd())
        trovata = stile.larghezze.insert(testo, stile.metriche.horizontalAdvance(testo) *
                                                    kPuntiPerUnita / kPuntiDiMisura);
    return *trovata * punti;
}

double MisuraCaratteri::ascesa(double punti) const {
    return normale_.metriche.ascent() * kPuntiPerUnita / kPuntiDiMisura * punti;
}

double MisuraCaratteri::discesa(double punti) const {
    return normale_.metriche.descent() * kPuntiPerUnita / kPuntiDiMisura * punti;
}
