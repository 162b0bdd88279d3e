#include "tableau/ElenchiDiScelta.h"

#include "archivi/PerOgni.h"

using namespace Qt::Literals::StringLiterals;

std::vector<VoceDiScelta> HotelDaScegliere(Recordset& hotels) {
    std::vector<VoceDiScelta> voci;
    PerOgni(hotels, Campo(u"Numero"_s) > Valore(0), [&] {
        voci.push_back(
            {hotels.Campo(u"Numero"_s).intero(), hotels.Campo(u"RagioneSociale"_s).testo()});
    });
    return voci;
}

std::vector<VoceDiScelta> TableauDaScegliere(Recordset& tableau, std::int16_t hotel) {
    std::vector<VoceDiScelta> voci;
    PerOgni(tableau, Campo(u"NumeroHotel"_s) == Valore(hotel) && Campo(u"Codice"_s) > Valore(0),
            [&] {
                voci.push_back(
                    {tableau.Campo(u"Codice"_s).intero(), tableau.Campo(u"Descrizione"_s).testo()});
            });
    return voci;
}

IntervalloCamere IntervalloProposto(Recordset& camere, Recordset& tipiCamere, std::int16_t hotel,
                                    std::int16_t tableau) {
    IntervalloCamere intervallo{QString(QChar(255)), QString()};
    PerOgni(camere,
            Campo(u"NumeroHotel"_s) == Valore(hotel) &&
                Campo(u"NumeroTableau"_s) == Valore(tableau),
            [&] {
                const QString camera = camere.Campo(u"NumeroCamera"_s).testo();
                tipiCamere.FindFirst(Campo(u"Sigla"_s) == camere.Campo(u"TipoCamera"_s));
                if (tipiCamere.NoMatch() || tipiCamere.Campo(u"Tipologia"_s).testo() != u"C")
                    return;
                intervallo.conCamere = true;
                if (intervallo.prima > camera)
                    intervallo.prima = camera;
                if (intervallo.ultima < camera)
                    intervallo.ultima = camera;
            });
    return intervallo;
}
