#pragma once

#include <QString>

// The print options: the letters of field CodiceAssistenza of hotel 1 in
// "AnagraficaHotels.mdb". They start empty; aggiorna() reads them again and
// keeps the previous ones when hotel 1 has no record.
class OpzioniStampa {
  public:
    void aggiorna();

    const QString& testo() const { return testo_; }
    // "K": the printer shows the box-drawing bytes itself; lines go unconverted.
    bool corniciDellaStampante() const { return testo_.contains(u'K'); }
    // "U": direct output ends a page with empty lines up to the fill length
    // instead of a form feed.
    bool riempiPagine() const { return testo_.contains(u'U'); }

  private:
    QString testo_;
};
