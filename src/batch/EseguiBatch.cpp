#include "batch/EseguiBatch.h"

#include "batch/ElencoSuite.h"
#include "batch/OpzioniBatch.h"
#include "batch/UscitaBatch.h"
#include "print/NomiFile.h"
#include "routines/Errore.h"
#include "routines/Orologio.h"
#include "routines/ScriviMessaggio.h"
#include "tableau/ControlloRichiesta.h"
#include "tableau/StampaTableau.h"

#include <QCoreApplication>
#include <QDir>

#include <new>

namespace {

int esegui(const QStringList& argomenti, QTextStream& uscita, QTextStream& errori,
           const ScritturaConCaratteri& conCaratteri) {
    const OpzioniBatch opzioni = LeggiOpzioniBatch(argomenti);
    if (opzioni.aiuto || opzioni.versione) {
        uscita << (opzioni.aiuto ? TestoAiuto()
                                 : QStringLiteral("tableau-settimanale-batch " TS_VERSIONE "\n"));
        uscita.flush();
        return Riuscito;
    }
    if (opzioni.orologio)
        FissaOrologio(opzioni.orologio);
    if (opzioni.elenca) {
        uscita << ElencoSuite();
        uscita.flush();
        return Riuscito;
    }

    const PostoDiLavoro posto = PostoDiLavoro::corrente();
    // As in the window, where Enter completes a date typed as ggmmaa or
    // ggmmaaaa before "&Stampa" checks it.
    const QString data = CompletaDataInizio(
        opzioni.data.value_or(Adesso().date().toString(QStringLiteral("dd/MM/yyyy"))));
    if (const std::optional<Rifiuto> rifiuto =
            ControllaRichiesta(*opzioni.primaCamera, *opzioni.ultimaCamera, data)) {
        ScriviMessaggio(errori, QStringList{TitoloRifiuto(*rifiuto)} + TestoRifiuto(*rifiuto));
        return RichiestaNonValida;
    }
    // A hotel or tableau mistyped in a script is refused rather than
    // written as an empty tableau that looks like a quiet week.
    const TableauScritto tableau =
        StampaTableauConDati(*opzioni.hotel, *opzioni.tableau, *opzioni.primaCamera,
                             *opzioni.ultimaCamera, data, HotelETableau::SoloEsistenti);
    // As cron wants it: a run that went well writes nothing, unless asked.
    QString taciuto;
    QTextStream silenzio(&taciuto);
    QTextStream& resoconto = opzioni.verboso ? uscita : silenzio;
    ScriviMessaggio(resoconto,
                    {QStringLiteral("Tableau scritto nel file di stampa %1 (cartella %2)")
                         .arg(NomeFile(FileDiStampa::Stampa, posto),
                              QDir::toNativeSeparators(QDir::currentPath()))});
    EseguiUsciteBatch(opzioni, posto, tableau, resoconto, conCaratteri);
    return Riuscito;
}

} // namespace

int EseguiBatch(const QStringList& argomenti, QTextStream& uscita, QTextStream& errori,
                const ScritturaConCaratteri& conCaratteri) {
    try {
        return esegui(argomenti, uscita, errori, conCaratteri);
    } catch (const Errore& errore) {
        // What was reported before the failure comes first.
        uscita.flush();
        ScriviMessaggio(errori, errore.righe());
        return EsitoDellErrore(errore.genere());
    } catch (const std::bad_alloc&) {
        ScriviMessaggio(errori,
                        {QStringLiteral("Memoria esaurita: il lavoro non è stato completato.")});
        return ErroreImprevisto;
    } catch (const std::exception&) {
        // The library's own text is English and means nothing at the desk.
        ScriviMessaggio(errori, {QStringLiteral("Errore imprevisto del programma: il lavoro non è "
                                                "stato completato.")});
        return ErroreImprevisto;
    }
}

QStringList ArgomentiDi(int argc, char** argv) {
    QStringList argomenti;
    for (int i = 1; i < argc; ++i)
        argomenti << QString::fromLocal8Bit(argv[i]);
    return argomenti;
}

int EseguiBatchSulTerminale(const ScritturaConCaratteri& conCaratteri) {
    QTextStream uscita(stdout);
    QTextStream errori(stderr);
    uscita.setEncoding(QStringConverter::Utf8);
    errori.setEncoding(QStringConverter::Utf8);
    return EseguiBatch(QCoreApplication::arguments().mid(1), uscita, errori, conCaratteri);
}
