#include "output/PaginaQt.h"

#include "output/MisuraPagine.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace {

// The largest scale, 1 at most, at which text of this extent fits the area.
double ScalaPerIlFoglio(const QSizeF& ingombro, const QSizeF& area) {
    double scala = 1;
    if (ingombro.width() > area.width())
        scala = std::min(scala, area.width() / ingombro.width());
    if (ingombro.height() > area.height())
        scala = std::min(scala, area.height() / ingombro.height());
    return scala;
}

// The printer services that draw the text, laid out as MisuraPagine lays it
// and drawn at one scale: every size and position times the scale.
class PaginaQt : public MisuraPagine {
  public:
    PaginaQt(QPagedPaintDevice& dispositivo, double scala);
    ~PaginaQt() override;
    PaginaQt(const PaginaQt&) = delete;
    PaginaQt& operator=(const PaginaQt&) = delete;

    void fineDocumento() override;
    bool riuscita() const { return riuscita_; }

  protected:
    void disegna(const QString& testo, const QPointF& origine,
                 const QFontMetricsF& misure) override;
    void voltaPagina() override;

  private:
    bool avvia();

    QPainter pittore_;
    double scala_;
    bool finita_ = false;
    bool riuscita_ = true;
};

PaginaQt::PaginaQt(QPagedPaintDevice& dispositivo, double scala)
    : MisuraPagine(dispositivo), scala_(scala) {}

PaginaQt::~PaginaQt() {
    if (pittore_.isActive())
        pittore_.end();
}

bool PaginaQt::avvia() {
    if (!pittore_.isActive() && !finita_) {
        riuscita_ = pittore_.begin(&dispositivo_);
        finita_ = !riuscita_;
        if (riuscita_)
            pittore_.setWorldTransform(QTransform::fromScale(scala_, scala_));
    }
    return pittore_.isActive();
}

void PaginaQt::disegna(const QString& testo, const QPointF& origine, const QFontMetricsF& misure) {
    if (!avvia())
        return;
    pittore_.setFont(font_);
    // Blanks are left as room and not drawn: Qt draws a tab with the blank's
    // glyph and, in the text map of a PDF, gives that glyph the lowest code
    // drawn with it, the tab's, so text copied from the page would hold tabs.
    // Runs of blanks and of other characters alternate, each moving the pen
    // by its own width.
    double avanzamento = 0;
    for (qsizetype inizio = 0; inizio < testo.size();) {
        const bool bianco = testo.at(inizio).isSpace();
        qsizetype fine = inizio;
        while (fine < testo.size() && testo.at(fine).isSpace() == bianco)
            ++fine;
        const QString tratto = testo.mid(inizio, fine - inizio);
        if (!bianco)
            pittore_.drawText(origine + QPointF(avanzamento, 0), tratto);
        avanzamento += misure.horizontalAdvance(tratto);
        inizio = fine;
    }
}

void PaginaQt::voltaPagina() {
    if (avvia())
        dispositivo_.newPage();
}

void PaginaQt::fineDocumento() {
    if (avvia())
        riuscita_ = pittore_.end() && riuscita_;
    finita_ = true;
}

} // namespace

bool StampaSuPagine(const QStringList& righe, const ImpostazioniDriver& impostazioni,
                    QPagedPaintDevice& dispositivo) {
    MisuraPagine misura(dispositivo);
    StampaSuDriver(righe, impostazioni, misura);
    PaginaQt pagina(dispositivo, ScalaPerIlFoglio(misura.ingombro(), QSizeF(dispositivo.width(),
                                                                            dispositivo.height())));
    StampaSuDriver(righe, impostazioni, pagina);
    return pagina.riuscita();
}
