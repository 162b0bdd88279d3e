#include "grafico/DisegnaGrafico.h"

#include "grafico/CaratteriGrafico.h"

#include <QPainterPath>
#include <QPen>

namespace {

using Stato = CellaGrafico::Stato;

constexpr double kTrattoSegno = 0.6;     // outline of the empty square
constexpr double kPassoTratteggio = 4.5; // between the hatching lines of a reservation
constexpr double kTrattoTratteggio = 0.5;

class Pittore {
  public:
    Pittore(QPainter& pittore, double unitaPerPunto) : pittore_(pittore), k_(unitaPerPunto) {}

    QRectF r(const QRectF& punti) const {
        return QRectF(punti.x() * k_, punti.y() * k_, punti.width() * k_, punti.height() * k_);
    }
    QPointF p(const QPointF& punti) const { return punti * k_; }
    QPen penna(double punti, const QColor& colore = Qt::black) const {
        QPen penna(colore, punti * k_);
        penna.setCapStyle(Qt::FlatCap);
        return penna;
    }

    void campitura(const Campitura& c) const {
        const QRectF riquadro = r(c.riquadro);
        pittore_.setPen(Qt::NoPen);
        switch (c.stato) {
        case Stato::Registrati:
            pittore_.fillRect(riquadro, QColor(0xE8, 0xE8, 0xE8));
            break;
        case Stato::Prenotata:
            tratteggio(c.riquadro, QColor(0xA8, 0xA8, 0xA8));
            break;
        case Stato::Confermata:
            pittore_.fillRect(riquadro, QColor(0xC4, 0xC4, 0xC4));
            break;
        case Stato::Libera:
            return;
        }
        segno(c);
    }

    void tratto(const Tratto& t) const {
        pittore_.setPen(penna(t.spessore));
        pittore_.drawLine(QLineF(p(t.linea.p1()), p(t.linea.p2())));
    }

    void scritta(const Scritta& s) const {
        pittore_.setFont(CarattereGrafico(s.punti, s.grassetto));
        pittore_.setPen(Qt::black);
        pittore_.drawText(p(s.origine), s.testo);
    }

  private:
    // Lines rising to the right across the box, clipped to it.
    void tratteggio(const QRectF& punti, const QColor& colore) const {
        pittore_.save();
        pittore_.setClipRect(r(punti));
        pittore_.setPen(penna(kTrattoTratteggio, colore));
        for (double x = punti.left() - punti.height(); x < punti.right(); x += kPassoTratteggio)
            pittore_.drawLine(
                QLineF(p(QPointF(x, punti.bottom())), p(QPointF(x + punti.height(), punti.top()))));
        pittore_.restore();
    }

    void segno(const Campitura& c) const {
        const QRectF segno = r(c.segno);
        switch (c.stato) {
        case Stato::Registrati:
            pittore_.setPen(Qt::NoPen);
            pittore_.setBrush(Qt::black);
            pittore_.drawEllipse(segno);
            break;
        case Stato::Prenotata:
            pittore_.setPen(penna(kTrattoSegno));
            pittore_.setBrush(Qt::white);
            pittore_.drawRect(segno.adjusted(kTrattoSegno * k_ / 2, kTrattoSegno * k_ / 2,
                                             -kTrattoSegno * k_ / 2, -kTrattoSegno * k_ / 2));
            break;
        case Stato::Confermata:
            pittore_.setPen(Qt::NoPen);
            pittore_.setBrush(Qt::black);
            pittore_.drawRect(segno);
            break;
        case Stato::Libera:
            break;
        }
        pittore_.setBrush(Qt::NoBrush);
    }

    QPainter& pittore_;
    double k_;
};

} // namespace

void DisegnaPaginaGrafico(QPainter& pittore, const PaginaGrafico& pagina, double unitaPerPunto) {
    const Pittore disegna(pittore, unitaPerPunto);
    pittore.setRenderHint(QPainter::Antialiasing);
    for (const Campitura& c : pagina.campiture)
        disegna.campitura(c);
    for (const Tratto& t : pagina.tratti)
        disegna.tratto(t);
    for (const Scritta& s : pagina.scritte)
        disegna.scritta(s);
}
