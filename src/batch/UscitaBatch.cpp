#include "batch/UscitaBatch.h"

#include "batch/GraficoBatch.h"
#include "output/ConvertiXLS.h"
#include "output/StampaFile.h"
#include "print/HotelDiStampa.h"
#include "print/OpzioniStampa.h"
#include "routines/Errore.h"

#include <QDir>

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

} // namespace

void EseguiUsciteBatch(const OpzioniBatch& opzioni, const PostoDiLavoro& posto,
                       const TableauScritto& tableau, QTextStream& uscita) {
    const QStringList& righe = tableau.righe;
    if (opzioni.foglio) {
        const QString foglio = ScriviFoglioXLS(righe, posto);
        uscita << "Foglio di calcolo scritto in " << QDir::current().relativeFilePath(foglio)
               << '\n';
    }
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
    uscita.flush();
}

bool UsciteConCaratteri(const QStringList& argomenti) {
    try {
        const OpzioniBatch opzioni = LeggiOpzioniBatch(argomenti);
        return opzioni.pdf || opzioni.stampa || opzioni.grafico;
    } catch (const Errore&) {
        return false;
    }
}

std::vector<OpzioneBatch> OpzioniUscitaBatch() {
    return {
        {QStringLiteral("csv"), QString(),
         QStringLiteral("scrive anche il foglio di calcolo \"fd\" + PCLocal + \".csv\""),
         [](OpzioniBatch& o, const QString&) { o.foglio = true; }},
        {QStringLiteral("pdf"), QStringLiteral("FILE"),
         QStringLiteral(
             "scrive in FILE le pagine che la destinazione stamperebbe (senza --destinazione, "
             "quella PDF del menu di stampa)"),
         [](OpzioniBatch& o, const QString& v) { o.pdf = v; }},
        {QStringLiteral("stampa"), QString(),
         QStringLiteral("stampa sulla destinazione indicata con --destinazione"),
         [](OpzioniBatch& o, const QString&) { o.stampa = true; }},
        {QStringLiteral("destinazione"), QStringLiteral("NOME"),
         QStringLiteral("destinazione della tabella Stampanti per --stampa e --pdf"),
         [](OpzioniBatch& o, const QString& v) { o.destinazione = v; }},
        {QStringLiteral("stampante"), QStringLiteral("NOME"),
         QStringLiteral("stampante o dispositivo che sostituisce quello della destinazione"),
         [](OpzioniBatch& o, const QString& v) { o.stampante = v; }},
        {QStringLiteral("compressa"), QString(), QStringLiteral("stampa compressa"),
         [](OpzioniBatch& o, const QString&) { o.compressa = true; }},
        {QStringLiteral("orizzontale"), QString(), QStringLiteral("stampa orizzontale"),
         [](OpzioniBatch& o, const QString&) { o.orizzontale = true; }},
        {QStringLiteral("fronte-retro"), QString(), QStringLiteral("stampa fronte / retro"),
         [](OpzioniBatch& o, const QString&) { o.fronteRetro = true; }},
    };
}
