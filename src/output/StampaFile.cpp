#include "output/StampaFile.h"

#include "output/Bersaglio.h"
#include "output/FlussoDiretto.h"
#include "output/StampaPdf.h"
#include "output/StampanteCorrente.h"
#include "print/Destinazioni.h"
#include "print/FileImpostazioni.h"
#include "print/FileStampa.h"
#include "print/LungPag.h"
#include "print/NomiFile.h"
#include "routines/Errore.h"

namespace {

bool Opzione(const RichiestaStampa& richiesta, QChar lettera) {
    return richiesta.opzioni.contains(lettera);
}

// The top margin of the printer type, when a report line still fits below
// it on the page; a margin of the whole page or more would leave no room
// for the report and turn every line into pages of blanks, so it counts as
// no margin.
int Margine(const ImpostazioniStampa& impostazioni) {
    const int margine = impostazioni.codici.margineSuperiore();
    return margine < impostazioni.lungPag ? margine : 0;
}

[[noreturn]] void DestinazioneMancante(const RichiestaStampa& richiesta) {
    throw Errore(GenereErrore::Uscita,
                 QStringLiteral("La destinazione \"%1\" non è nella tabella delle stampanti "
                                "(Stampanti.mdb): non è stato stampato nulla.")
                     .arg(richiesta.destinazione));
}

[[noreturn]] void FileStampaMancante(const RichiestaStampa& richiesta,
                                     const QString& giaInviato = {}) {
    throw Errore(
        GenereErrore::Uscita,
        QStringLiteral("Il file di stampa %1 non esiste: su \"%2\" non è stato stampato nulla%3.")
            .arg(NomeFile(FileDiStampa::Stampa, richiesta.posto), richiesta.destinazione,
                 giaInviato));
}

std::optional<QStringList> RigheDaStampare(const RichiestaStampa& richiesta) {
    return richiesta.righe ? richiesta.righe : LeggiFileStampa(richiesta.posto);
}

ImpostazioniStampa Impostazioni(const RichiestaStampa& richiesta) {
    std::optional<ImpostazioniStampa> impostazioni = LeggiImpostazioniStampa(richiesta);
    if (!impostazioni)
        DestinazioneMancante(richiesta);
    return *impostazioni;
}

} // namespace

ImpostazioniDriver PerIlDriver(const RichiestaStampa& richiesta,
                               const ImpostazioniStampa& impostazioni) {
    const CodiciStampante& codici = impostazioni.codici;
    ImpostazioniDriver driver;
    driver.font = impostazioni.font;
    driver.puntiSpaziatura = codici.codiceCompresso(1);
    driver.puntiTesto = codici.codiceCompresso(richiesta.compressa ? 1 : 7);
    driver.margineSuperiore = Margine(impostazioni);
    driver.lunghezzaPagina = impostazioni.lungPag;
    driver.orizzontale = richiesta.orizzontale;
    driver.corniciInChiaro = Opzione(richiesta, u'K');
    return driver;
}

ImpostazioniDirette PerLUscitaDiretta(const RichiestaStampa& richiesta,
                                      const ImpostazioniStampa& impostazioni) {
    const CodiciStampante& codici = impostazioni.codici;
    ImpostazioniDirette diretta;
    const int primo = richiesta.compressa ? 1 : 7;
    for (int k = 0; k < 5; ++k)
        diretta.codiciImpostazione[static_cast<std::size_t>(k)] = codici.codiceCompresso(primo + k);
    diretta.margineSuperiore = Margine(impostazioni);
    diretta.lunghezzaPagina = impostazioni.lungPag;
    diretta.lunghezzaRiempimento = codici.lunghezzaRiempimento(richiesta.compressa);
    diretta.corniciInChiaro = Opzione(richiesta, u'K');
    diretta.riempiPagina = Opzione(richiesta, u'U');
    return diretta;
}

QString BersaglioDiStampa(const RichiestaStampa& richiesta, const Destinazione& destinazione) {
    return richiesta.stampante.trimmed().isEmpty() ? destinazione.bersaglio() : richiesta.stampante;
}

std::optional<ImpostazioniStampa> LeggiImpostazioniStampa(const RichiestaStampa& richiesta) {
    ImpostazioniStampa impostazioni;
    impostazioni.font = CarattereStampa();
    impostazioni.lungPag = LungPag(richiesta.hotel, richiesta.compressa);
    const std::optional<Destinazione> destinazione = TrovaDestinazione(richiesta.destinazione);
    if (!destinazione)
        return std::nullopt;
    impostazioni.codici = LeggiCodiciStampante(destinazione->tipoStampa);
    impostazioni.bersaglio = BersaglioDiStampa(richiesta, *destinazione);
    return impostazioni;
}

void StampaConImpostazioni(const RichiestaStampa& richiesta,
                           const ImpostazioniStampa& impostazioni) {
    if (impostazioni.codici.driverWindows()) {
        ScegliStampante(impostazioni.bersaglio);
        const std::optional<QStringList> righe = RigheDaStampare(richiesta);
        if (!righe)
            FileStampaMancante(richiesta);
        StampaSuStampante(*righe, PerIlDriver(richiesta, impostazioni), richiesta.fronteRetro,
                          richiesta.destinazione);
        return;
    }
    // All the bytes are laid out before the target is opened, so that a
    // wrong setup code leaves the target untouched.
    const std::optional<QStringList> righe = RigheDaStampare(richiesta);
    InviaABersaglio(
        impostazioni.bersaglio,
        FlussoDiretto(righe, PerLUscitaDiretta(richiesta, impostazioni), richiesta.destinazione),
        richiesta.destinazione);
    if (!righe)
        FileStampaMancante(richiesta, QStringLiteral(" oltre alla sequenza di impostazione"));
}

void StampaFile(const RichiestaStampa& richiesta) {
    StampaConImpostazioni(richiesta, Impostazioni(richiesta));
}

void StampaFileInPdf(const RichiestaStampa& richiesta, const QString& percorsoPdf) {
    const ImpostazioniStampa impostazioni = Impostazioni(richiesta);
    if (!impostazioni.codici.driverWindows())
        throw Errore(
            GenereErrore::Uscita,
            QStringLiteral(
                "La destinazione \"%1\" stampa direttamente sul dispositivo \"%2\": le sue "
                "pagine non si possono comporre in PDF. Scegliere una destinazione che "
                "stampi con il driver della stampante.")
                .arg(richiesta.destinazione, impostazioni.bersaglio));
    const std::optional<QStringList> righe = RigheDaStampare(richiesta);
    if (!righe)
        FileStampaMancante(richiesta);
    StampaSuFilePdf(*righe, PerIlDriver(richiesta, impostazioni), percorsoPdf,
                    richiesta.destinazione);
}

std::optional<QString> DestinazionePdfDelMenu() {
    QStringList nomi;
    for (const Destinazione& destinazione : DestinazioniDelMenu())
        nomi.append(destinazione.nome);
    return DestinazionePdf(nomi);
}
