#include "print/output/PaginaQt.h"

#include "print/output/FontSostitutivi.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>

PaginaQt::PaginaQt(QPagedPaintDevice& dispositivo) : dispositivo_(dispositivo) {
    PreparaFontSostitutivi();
    font_.setStyleStrategy(QFont::PreferOutline);
}

PaginaQt::~PaginaQt() {
    if (pittore_.isActive())
        pittore_.end();
}

void PaginaQt::avvia() {
    if (pittore_.isActive() || finita_)
        return;
    riuscita_ = pittore_.begin(&dispositivo_);
    finita_ = !riuscita_;
}

void PaginaQt::impostaOrientamento(Orientamento orientamento) {
    // Before the first page it shapes that page; afterwards the next one.
    const QPageLayout::Orientation voluto =
        orientamento == Orientamento::Orizzontale ? QPageLayout::Landscape : QPageLayout::Portrait;
    if (dispositivo_.pageLayout().orientation() != voluto)
        dispositivo_.setPageOrientation(voluto);
}

void PaginaQt::impostaNomeFont(const QString& nome) {
    font_.setFamily(nome);
}

double PaginaQt::dimensioneFont() const {
    return font_.pointSizeF();
}

void PaginaQt::impostaDimensioneFont(double punti) {
    // A size the device cannot set leaves the font as it was, as printers do.
    if (punti > 0)
        font_.setPointSizeF(punti);
}

void PaginaQt::impostaGrassetto(bool grassetto) {
    font_.setBold(grassetto);
}

void PaginaQt::stampa(const QString& testo, bool aCapo) {
    avvia();
    if (!pittore_.isActive())
        return;
    const QFontMetricsF misure(font_, &dispositivo_);
    if (y_ > 0 && y_ + misure.height() > dispositivo_.height())
        nuovaPagina();
    if (!testo.isEmpty()) {
        pittore_.setFont(font_);
        pittore_.drawText(QPointF(x_, y_ + misure.ascent()), testo);
        x_ += misure.horizontalAdvance(testo);
    }
    if (aCapo) {
        x_ = 0;
        y_ += misure.height();
    }
}

void PaginaQt::nuovaPagina() {
    avvia();
    if (!pittore_.isActive())
        return;
    dispositivo_.newPage();
    x_ = 0;
    y_ = 0;
}

void PaginaQt::fineDocumento() {
    avvia();
    if (pittore_.isActive())
        riuscita_ = pittore_.end() && riuscita_;
    finita_ = true;
}
