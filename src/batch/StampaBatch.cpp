#include "batch/StampaBatch.h"

#include "grafico/ScriviGrafico.h"
#include "output/StampaFile.h"
#include "print/HotelDiStampa.h"
#include "print/OpzioniStampa.h"
#include "routines/Errore.h"

namespace {

RichiestaStampa Richiesta(const OpzioniBatch& opzioni, const PostoDiLavoro& posto,
                          const QStringList& righe, const QString& destinazione) {
    RichiestaStampa richiesta;
    richiesta.righe = righe;
    richiesta.destinazione = destinazione;
    richiesta.compressa = opzioni.compressa;
    richiesta.orizzontale = opzioni.orizzontale;
    richiesta.fronteRetro = opzioni.fronteRetro;
    richiesta.stampante = opzioni.stampante.value_or(QString());
    // As the print menu does: the options of hotel 1, the chosen hotel's page length.
    OpzioniStampa opzioniStampa;
    opzioniStampa.aggiorna();
    richiesta.opzioni = opzioniStampa.testo();
    richiesta.hotel = HotelDiStampa(opzioni.hotel.value_or(0));
    richiesta.posto = posto;
    return richiesta;
}

// The destination whose pages go into the PDF file: the one named, else the
// one the print menu's PDF button takes.
QString DestinazioneDelPdf(const OpzioniBatch& opzioni) {
    if (opzioni.destinazione)
        return *opzioni.destinazione;
    if (const std::optional<QString> pdf = DestinazionePdfDelMenu())
        return *pdf;
    throw Errore(
        GenereErrore::Uscita,
        QStringLiteral(
            "Nessuna stampante PDF impostata! Indicare la destinazione con --destinazione."));
}

void EseguiGraficoBatch(const OpzioniBatch& opzioni, const TableauDellaSettimana& tableau,
                        QTextStream& uscita) {
    if (!opzioni.grafico)
        return;
    const int fogli = ScriviGrafico(tableau, opzioni.foglioGrafico, *opzioni.grafico);
    uscita << "Grafico della settimana scritto in " << *opzioni.grafico << " ("
           << (fogli == 1 ? QStringLiteral("1 foglio") : QStringLiteral("%1 fogli").arg(fogli))
           << ")\n";
}

} // namespace

void StampaBatch(const OpzioniBatch& opzioni, const PostoDiLavoro& posto,
                 const TableauScritto& tableau, QTextStream& uscita) {
    const QStringList righe = tableau.righe();
    if (opzioni.pdf) {
        const QString destinazione = DestinazioneDelPdf(opzioni);
        StampaFileInPdf(Richiesta(opzioni, posto, righe, destinazione), *opzioni.pdf);
        uscita << "Pagine della destinazione \"" << destinazione << "\" scritte in " << *opzioni.pdf
               << '\n';
    }
    EseguiGraficoBatch(opzioni, tableau.dati, uscita);
    if (opzioni.stampa) {
        StampaFile(Richiesta(opzioni, posto, righe, *opzioni.destinazione));
        uscita << "Stampato su \"" << *opzioni.destinazione << "\"\n";
    }
}
