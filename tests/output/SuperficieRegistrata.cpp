#include "prove/output/SuperficieRegistrata.h"

QString SuperficieRegistrata::Riga::testo() const {
    QString tutto;
    for (const Tratto& tratto : tratti)
        tutto += tratto.testo;
    return tutto;
}

void SuperficieRegistrata::impostaOrientamento(Orientamento orientamento) {
    // Like a paged device: the setting shapes the page not yet begun.
    if (pagine.last().righe.isEmpty())
        pagine.last().orientamento = orientamento;
    prossimo_ = orientamento;
}

void SuperficieRegistrata::stampa(const QString& testo, bool aCapo) {
    if (!testo.isEmpty())
        inCorso_.tratti.append({testo, font_, punti_, grassetto_});
    if (aCapo) {
        pagine.last().righe.append(inCorso_);
        inCorso_ = {};
    }
}

void SuperficieRegistrata::nuovaPagina() {
    pagine.append(Pagina{prossimo_, {}});
}
