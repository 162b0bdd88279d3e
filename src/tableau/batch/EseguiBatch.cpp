#include "tableau/batch/EseguiBatch.h"

#include "archivi/ErroreArchivio.h"
#include "print/ErroreStampa.h"
#include "print/NomiFile.h"
#include "routines/Orologio.h"
#include "routines/SetRoutine.h"
#include "tableau/ErroreTableau.h"
#include "tableau/StampaTableau.h"
#include "tableau/batch/OpzioniBatch.h"
#include "tableau/batch/UscitaBatch.h"

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

} // namespace

int EseguiBatch(const QStringList& argomenti, QTextStream& uscita, QTextStream& errori) {
    OpzioniBatch opzioni;
    try {
        opzioni = LeggiOpzioniBatch(argomenti);
    } catch (const ErroreOpzioni& errore) {
        scrivi(errori, errore.messaggio());
        return RigaDiComandoErrata;
    }
    if (opzioni.aiuto) {
        uscita << TestoAiuto();
        uscita.flush();
        return Riuscito;
    }
    if (opzioni.orologio)
        FissaOrologio(opzioni.orologio);

    PostoDiLavoro posto;
    try {
        posto = PostoDiLavoro::corrente();
    } catch (const ErroreStampa& errore) {
        scrivi(errori, errore.messaggio());
        return RichiestaNonValida;
    }

    try {
        // As in the window: the range must not be reversed (text order), and
        // a date typed as ggmmaa or ggmmaaaa is completed before it is checked.
        if (*opzioni.ultimaCamera < *opzioni.primaCamera)
            return rifiuta(errori, QStringLiteral("Camere errate!"),
                           QStringLiteral("Controllare l'intervallo di camere richiesto!"));
        QString data =
            opzioni.data.value_or(Adesso().date().toString(QStringLiteral("dd/MM/yyyy")));
        CompletaData(data);
        if (QString copia = data; !ControllaData(copia))
            return rifiuta(
                errori, QStringLiteral("Data errata!"),
                QStringLiteral("La data deve essere inserita \r\nnel formato gg/mm/aaaa"));
        const QStringList righe = StampaTableau(*opzioni.hotel, *opzioni.tableau,
                                                *opzioni.primaCamera, *opzioni.ultimaCamera, data);
        scrivi(uscita, QStringLiteral("Tableau scritto nel file di stampa %1")
                           .arg(NomeFile(FileDiStampa::Stampa, posto)));
        return EseguiUsciteBatch(opzioni, posto, righe, uscita, errori);
    } catch (const ErroreTableau& errore) {
        scrivi(errori, errore.messaggio());
        return RichiestaNonValida;
    } catch (const ErroreArchivio& errore) {
        scrivi(errori, errore.messaggio());
        return ArchivioIllegibile;
    } catch (const ErroreStampa& errore) {
        scrivi(errori, errore.messaggio());
        return FileStampaNonScritto;
    } catch (const std::exception& errore) {
        scrivi(errori,
               QStringLiteral("Errore imprevisto: %1").arg(QString::fromLocal8Bit(errore.what())));
        return ErroreImprevisto;
    }
}
