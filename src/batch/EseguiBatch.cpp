#include "batch/EseguiBatch.h"

#include "archivi/ErroreArchivio.h"
#include "batch/ElencoSuite.h"
#include "batch/OpzioniBatch.h"
#include "batch/UscitaBatch.h"
#include "print/ErroreStampa.h"
#include "print/NomiFile.h"
#include "routines/Orologio.h"
#include "tableau/ControlloRichiesta.h"
#include "tableau/ErroreTableau.h"
#include "tableau/StampaTableau.h"

#include <QDir>

#include <new>

namespace {

// Messages are built for the message box, with CR LF between lines.
void scrivi(QTextStream& flusso, const QString& testo) {
    QString righe = testo;
    righe.replace(QLatin1String(" \r\n"), QLatin1String("\n"))
        .replace(QLatin1String("\r\n"), QLatin1String("\n"));
    flusso << righe << '\n';
    flusso.flush();
}

int rifiuta(QTextStream& errori, const QString& titolo, const QString& testo) {
    scrivi(errori, titolo + u'\n' + testo);
    return RichiestaNonValida;
}

int elenca(QTextStream& uscita, QTextStream& errori) {
    try {
        uscita << ElencoSuite();
        uscita.flush();
        return Riuscito;
    } catch (const ErroreArchivio& errore) {
        scrivi(errori, errore.messaggio());
        return ArchivioIllegibile;
    }
}

} // namespace

int EseguiBatch(const QStringList& argomenti, QTextStream& uscita, QTextStream& errori,
                const ScritturaConCaratteri& conCaratteri) {
    OpzioniBatch opzioni;
    try {
        opzioni = LeggiOpzioniBatch(argomenti);
    } catch (const ErroreOpzioni& errore) {
        scrivi(errori, errore.messaggio());
        return RigaDiComandoErrata;
    }
    if (opzioni.aiuto || opzioni.versione) {
        uscita << (opzioni.aiuto ? TestoAiuto()
                                 : QStringLiteral("tableau-settimanale-batch " TS_VERSIONE "\n"));
        uscita.flush();
        return Riuscito;
    }
    if (opzioni.orologio)
        FissaOrologio(opzioni.orologio);
    if (opzioni.elenca)
        return elenca(uscita, errori);

    PostoDiLavoro posto;
    try {
        posto = PostoDiLavoro::corrente();
    } catch (const ErroreStampa& errore) {
        scrivi(errori, errore.messaggio());
        return RichiestaNonValida;
    }

    try {
        // As in the window, where Enter completes a date typed as ggmmaa or
        // ggmmaaaa before "&Stampa" checks it.
        const QString data = CompletaDataInizio(
            opzioni.data.value_or(Adesso().date().toString(QStringLiteral("dd/MM/yyyy"))));
        if (const std::optional<Rifiuto> rifiuto =
                ControllaRichiesta(*opzioni.primaCamera, *opzioni.ultimaCamera, data))
            return rifiuta(errori, TitoloRifiuto(*rifiuto), TestoRifiuto(*rifiuto));
        // A hotel or tableau mistyped in a script is refused rather than
        // written as an empty tableau that looks like a quiet week.
        const TableauScritto tableau =
            StampaTableauConDati(*opzioni.hotel, *opzioni.tableau, *opzioni.primaCamera,
                                 *opzioni.ultimaCamera, data, HotelETableau::SoloEsistenti);
        // As cron wants it: a run that went well writes nothing, unless asked.
        QString taciuto;
        QTextStream silenzio(&taciuto);
        QTextStream& resoconto = opzioni.verboso ? uscita : silenzio;
        scrivi(resoconto, QStringLiteral("Tableau scritto nel file di stampa %1 (cartella %2)")
                              .arg(NomeFile(FileDiStampa::Stampa, posto),
                                   QDir::toNativeSeparators(QDir::currentPath())));
        return EseguiUsciteBatch(opzioni, posto, tableau, resoconto, errori, conCaratteri);
    } catch (const ErroreTableau& errore) {
        scrivi(errori, errore.messaggio());
        return RichiestaNonValida;
    } catch (const ErroreArchivio& errore) {
        scrivi(errori, errore.messaggio());
        return ArchivioIllegibile;
    } catch (const ErroreStampa& errore) {
        scrivi(errori, errore.messaggio());
        return FileStampaNonScritto;
    } catch (const std::bad_alloc&) {
        scrivi(errori, QStringLiteral("Memoria esaurita: il lavoro non è stato completato."));
        return ErroreImprevisto;
    } catch (const std::exception&) {
        // The library's own text is English and means nothing at the desk.
        scrivi(errori, QStringLiteral("Errore imprevisto del programma: il lavoro non è stato "
                                      "completato."));
        return ErroreImprevisto;
    }
}
