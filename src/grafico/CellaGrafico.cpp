#include "grafico/CellaGrafico.h"

#include "tableau/RegoleCampi.h"

CellaGrafico CellaGrafico::delGiorno(const GiornoCamera& g) {
    CellaGrafico cella;
    // As the print file's cell: the reservation's number and company when a
    // reservation covers the day, the card's name and persons when its card
    // confirms it, the registered guests' otherwise.
    if (g.numeroGiorno != 0)
        cella.numero = QString::number(g.numeroGiorno);
    cella.ditta = TestoDisegnabile(g.prenotato ? g.dittaPrenotazioniIntera : g.dittaClientiIntera);
    cella.nome = TestoDisegnabile(g.confermato ? g.nomePrenotazioniIntero : g.nomeClientiIntero);
    const std::int64_t persone = g.confermato ? g.personePrenotazioni : g.personeClienti;
    if (persone != 0)
        cella.persone = QString::number(persone);

    if (g.confermato)
        cella.stato = Stato::Confermata;
    else if (g.prenotato)
        cella.stato = Stato::Prenotata;
    else if (!cella.numero.isEmpty() || !cella.nome.isEmpty() || !cella.ditta.isEmpty() ||
             !cella.persone.isEmpty())
        cella.stato = Stato::Registrati;
    return cella;
}

QString TestoDisegnabile(const QString& testo) {
    return TestoVisibile(testo).trimmed();
}
