#include "output/MisuraPagine.h"

#include "output/FontSostitutivi.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>

MisuraPagine::MisuraPagine(QPagedPaintDevice& dispositivo) : dispositivo_(dispositivo) {
    PreparaFontSostitutivi();
    font_.setStyleStrategy(QFont::PreferOutline);
}

void MisuraPagine::impostaOrientamento(Orientamento orientamento) {
    // Before the first page it shapes that page; afterwards the next one.
    const QPageLayout::Orientation voluto =
        orientamento == Orientamento::Orizzontale ? QPageLayout::Landscape : QPageLayout::Portrait;
    if (dispositivo_.pageLayout().orientation() != voluto)
        dispositivo_.setPageOrientation(voluto);
}

void MisuraPagine::impostaNomeFont(const QString& nome) {
    font_.setFamily(nome);
}

double MisuraPagine::dimensioneFont() const {
    return font_.pointSizeF();
}

void MisuraPagine::impostaDimensioneFont(double punti) {
    // A size the device cannot set leaves the font as it was, as printers do.
    if (punti > 0)
        font_.setPointSizeF(punti);
}

void MisuraPagine::impostaGrassetto(bool grassetto) {
    font_.setBold(grassetto);
}

void MisuraPagine::stampa(const QString& testo, bool aCapo) {
    const QFontMetricsF misure(font_, &dispositivo_);
    if (!testo.isEmpty()) {
        disegna(testo, QPointF(x_, y_ + misure.ascent()), misure);
        x_ += misure.horizontalAdvance(testo);
    }
    ingombro_ = ingombro_.expandedTo(QSizeF(x_, y_ + misure.height()));
    if (aCapo) {
        x_ = 0;
        y_ += misure.height();
    }
}

void MisuraPagine::nuovaPagina() {
    voltaPagina();
    x_ = 0;
    y_ = 0;
}
