#include "grafico/FoglioGrafico.h"

QPageSize FoglioGrafico::formato() const {
    switch (carta) {
    case Carta::A3:
        return QPageSize(QPageSize::A3);
    case Carta::Letter:
        return QPageSize(QPageSize::Letter);
    case Carta::A4:
        break;
    }
    return QPageSize(QPageSize::A4);
}

QSizeF FoglioGrafico::misura() const {
    const QSizeF diritto = formato().size(QPageSize::Point);
    return verticale ? diritto : diritto.transposed();
}
