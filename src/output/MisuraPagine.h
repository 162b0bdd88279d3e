#pragma once

#include "output/SuperficieStampa.h"

#include <QFont>
#include <QPointF>
#include <QSizeF>

class QFontMetricsF;
class QPagedPaintDevice;

// Dots per inch of the paged devices. Qt sets fonts in whole device pixels:
// at this resolution every size in tenths of a point is exact, so a line of
// 132 characters is as wide as the font's metrics say.
constexpr int kRisoluzioneStampa = 7200;

// The printer services over a Qt paged device (QPrinter, QPdfWriter), laying
// the text out without drawing it: text is set from the top-left corner of
// the printable area, each line as high as the font it ends in, and a page
// holds every line the print puts on it. What the text takes at the set
// sizes is kept, so that a print can be fitted to the sheet before it is
// drawn. The font names the suite uses are found on a machine without them
// through metric-compatible fonts.
class MisuraPagine : public SuperficieStampa {
  public:
    explicit MisuraPagine(QPagedPaintDevice& dispositivo);

    void impostaOrientamento(Orientamento orientamento) override;
    void impostaNomeFont(const QString& nome) override;
    double dimensioneFont() const override;
    void impostaDimensioneFont(double punti) override;
    void impostaGrassetto(bool grassetto) override;
    void stampa(const QString& testo, bool aCapo) override;
    void nuovaPagina() override;
    void fineDocumento() override {}

    // The widest line and the tallest page so far, in device pixels.
    QSizeF ingombro() const { return ingombro_; }

  protected:
    // Draws a run of text whose baseline starts at the point; the layout
    // alone draws nothing.
    virtual void disegna(const QString& /*testo*/, const QPointF& /*origine*/,
                         const QFontMetricsF& /*misure*/) {}
    // Ends the page on the device; the layout alone has no device pages.
    virtual void voltaPagina() {}

    QPagedPaintDevice& dispositivo_;
    QFont font_;

  private:
    double x_ = 0;
    double y_ = 0;
    QSizeF ingombro_;
};
