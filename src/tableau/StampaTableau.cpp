#include "tableau/StampaTableau.h"

#include "print/FileStampa.h"
#include "print/LeggiRighe.h"
#include "routines/Orologio.h"
#include "tableau/ErroreTableau.h"
#include "tableau/ImpaginazioneTableau.h"
#include "tableau/Intestazione.h"
#include "tableau/OccupazioneSettimana.h"

namespace {

void RichiediHotelETableau(SorgenteArchivi& archivi, std::int16_t hotel, std::int16_t tableau) {
    const Intestazione trovati = Intestazione::leggi(archivi, hotel, tableau);
    if (!trovati.hotel)
        throw ErroreTableau(
            QStringLiteral("L'hotel %1 non è nell'archivio AnagraficaHotels.mdb.").arg(hotel));
    if (!trovati.tableau)
        throw ErroreTableau(
            QStringLiteral("Il tableau %1 dell'hotel %2 non è nell'archivio Tableau.mdb.")
                .arg(tableau)
                .arg(hotel));
}

} // namespace

void ComponiTableau(const RichiestaTableau& richiesta, SorgenteArchivi& archivi,
                    const ApriRaccolta& apriRaccolta,
                    const std::function<void(const QString&)>& riga) {
    namespace I = ImpaginazioneTableau;
    const Settimana settimana = Settimana::daTesto(richiesta.data);
    const std::unique_ptr<RaccoltaSettimana> raccolta = apriRaccolta(archivi, richiesta, settimana);
    const Intestazione intestazione =
        Intestazione::leggi(archivi, richiesta.hotel, richiesta.tableau);
    riga(I::RigaTitolo(intestazione, settimana.testo(), Adesso()));
    riga(I::BordoSuperiore());
    riga(I::RigaNomiGiorni(settimana.giornoSettimana()));
    riga(I::RigaDate(settimana));
    riga(I::Separatore());
    for (const QString& camera : raccolta->camere()) {
        const GiorniCamera giorni = raccolta->giorni(camera);
        riga(I::PrimaRigaCamera(camera, giorni));
        riga(I::SecondaRigaCamera(giorni));
        riga(I::Separatore());
    }
}

QStringList ScriviTableau(const RichiestaTableau& richiesta, SorgenteArchivi& archivi,
                          const ApriRaccolta& apriRaccolta) {
    ScritturaFileStampa file(PostoDiLavoro::corrente());
    ComponiTableau(richiesta, archivi, apriRaccolta,
                   [&](const QString& riga) { file.scriviRiga(riga); });
    file.conferma();
    return RigheDaByte(file.scritti());
}

QStringList StampaTableau(std::int16_t hotel, std::int16_t tableau, const QString& primaCamera,
                          const QString& ultimaCamera, const QString& data,
                          HotelETableau richiesti) {
    // The workstation number and the date are checked before any database is opened.
    PostoDiLavoro::corrente();
    Settimana::daTesto(data);
    ArchiviDellaSuite archivi;
    if (richiesti == HotelETableau::SoloEsistenti)
        RichiediHotelETableau(archivi, hotel, tableau);
    return ScriviTableau({hotel, tableau, primaCamera, ultimaCamera, data}, archivi,
                         &OccupazioneSettimana::apri);
}
