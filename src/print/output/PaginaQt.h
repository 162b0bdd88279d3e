#pragma once

#include "print/output/SuperficieStampa.h"

#include <QFont>
#include <QPainter>

class QPagedPaintDevice;

// Dots per inch of the paged devices. Qt sets fonts in whole device pixels:
// at this resolution every size in tenths of a point is exact, so a line of
// 132 characters is as wide as the font's metrics say.
constexpr int RisoluzioneStampa = 7200;

// The printer services over a Qt paged device (QPrinter, QPdfWriter): text
// is set from the top-left corner of the printable area, each line as high as
// the font it ends in, and a line that would run past the bottom of the page
// moves to a new page first, as a printer does. The font names the suite uses
// are found on a machine without them through metric-compatible fonts.
class PaginaQt : public SuperficieStampa {
  public:
    explicit PaginaQt(QPagedPaintDevice& dispositivo);
    ~PaginaQt() override;
    PaginaQt(const PaginaQt&) = delete;
    PaginaQt& operator=(const PaginaQt&) = delete;

    void impostaOrientamento(Orientamento orientamento) override;
    void impostaNomeFont(const QString& nome) override;
    double dimensioneFont() const override;
    void impostaDimensioneFont(double punti) override;
    void impostaGrassetto(bool grassetto) override;
    void stampa(const QString& testo, bool aCapo) override;
    void nuovaPagina() override;
    void fineDocumento() override;

    // False when the device could not be started or finished (an output file
    // that cannot be written, a printer that refused to start).
    bool riuscita() const { return riuscita_; }

  private:
    void avvia();

    QPagedPaintDevice& dispositivo_;
    QPainter pittore_;
    QFont font_;
    double x_ = 0;
    double y_ = 0;
    bool finita_ = false;
    bool riuscita_ = true;
};
