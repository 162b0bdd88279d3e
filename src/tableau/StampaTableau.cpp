#include "tableau/StampaTableau.h"

#include "print/FileStampa.h"
#include "routines/Errore.h"
#include "routines/Orologio.h"
#include "tableau/ImpaginazioneTableau.h"
#include "tableau/Intestazione.h"
#include "tableau/OccupazioneSettimana.h"

namespace {

// The names of the hotel and the tableau, refused when either is missing.
Intestazione RichiediHotelETableau(SorgenteArchivi& archivi, std::int16_t hotel,
                                   std::int16_t tableau) {
    Intestazione trovati = Intestazione::leggi(archivi, hotel, tableau);
    if (!trovati.hotel)
        throw Errore(
            GenereErrore::Richiesta,
            QStringLiteral("L'hotel %1 non è nell'archivio AnagraficaHotels.mdb.").arg(hotel));
    if (!trovati.tableau)
        throw Errore(GenereErrore::Richiesta,
                     QStringLiteral("Il tableau %1 dell'hotel %2 non è nell'archivio Tableau.mdb.")
                         .arg(tableau)
                         .arg(hotel));
    return trovati;
}

} // namespace

TableauDellaSettimana ComponiTableau(const RichiestaTableau& richiesta, SorgenteArchivi& archivi,
                                     const ApriRaccolta& apriRaccolta,
                                     const std::function<void(const QString&)>& riga,
                                     const std::optional<Intestazione>& intestazione) {
    namespace I = ImpaginazioneTableau;
    TableauDellaSettimana dati{{}, Settimana::daTesto(richiesta.data), {}, {}};
    const std::unique_ptr<RaccoltaSettimana> raccolta =
        apriRaccolta(archivi, richiesta, dati.settimana);
    dati.intestazione = intestazione
                            ? *intestazione
                            : Intestazione::leggi(archivi, richiesta.hotel, richiesta.tableau);
    dati.momento = Adesso();
    riga(I::RigaTitolo(dati.intestazione, dati.settimana.testo(), dati.momento));
    riga(I::BordoSuperiore());
    riga(I::RigaNomiGiorni(dati.settimana.giornoSettimana()));
    riga(I::RigaDate(dati.settimana));
    const QString separatore = I::Separatore();
    riga(separatore);
    dati.camere.reserve(raccolta->camere().size());
    for (const QString& camera : raccolta->camere()) {
        const GiorniCamera& giorni =
            dati.camere.emplace_back(camera, raccolta->giorni(camera)).giorni;
        riga(I::PrimaRigaCamera(camera, giorni));
        riga(I::SecondaRigaCamera(giorni));
        riga(separatore);
    }
    return dati;
}

TableauScritto ScriviTableauConDati(const RichiestaTableau& richiesta, SorgenteArchivi& archivi,
                                    const ApriRaccolta& apriRaccolta,
                                    const std::optional<Intestazione>& intestazione) {
    ScritturaFileStampa file(PostoDiLavoro::corrente());
    TableauDellaSettimana dati = ComponiTableau(
        richiesta, archivi, apriRaccolta, [&](const QString& riga) { file.scriviRiga(riga); },
        intestazione);
    file.conferma();
    return {file.scritti(), std::move(dati)};
}

QStringList ScriviTableau(const RichiestaTableau& richiesta, SorgenteArchivi& archivi,
                          const ApriRaccolta& apriRaccolta) {
    return ScriviTableauConDati(richiesta, archivi, apriRaccolta).righe();
}

TableauScritto StampaTableauConDati(std::int16_t hotel, std::int16_t tableau,
                                    const QString& primaCamera, const QString& ultimaCamera,
                                    const QString& data, HotelETableau richiesti) {
    // The workstation number and the date are checked before any database is opened.
    PostoDiLavoro::corrente();
    Settimana::daTesto(data);
    ArchiviDellaSuite archivi;
    std::optional<Intestazione> intestazione;
    if (richiesti == HotelETableau::SoloEsistenti)
        intestazione = RichiediHotelETableau(archivi, hotel, tableau);
    return ScriviTableauConDati({hotel, tableau, primaCamera, ultimaCamera, data}, archivi,
                                &OccupazioneSettimana::apri, intestazione);
}

QStringList StampaTableau(std::int16_t hotel, std::int16_t tableau, const QString& primaCamera,
                          const QString& ultimaCamera, const QString& data,
                          HotelETableau richiesti) {
    return StampaTableauConDati(hotel, tableau, primaCamera, ultimaCamera, data, richiesti).righe();
}
