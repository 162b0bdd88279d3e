#include "tableau/ElenchiDiScelta.h"

#include "archivi/PerOgni.h"

std::vector<VoceDiScelta> HotelDaScegliere(Recordset& hotels) {
    std::vector<VoceDiScelta> voci;
    PerOgni(hotels, Campo(QStringLiteral("Numero")) > Valore(0), [&] {
        voci.push_back({hotels.Campo(QStringLiteral("Numero")).intero(),
                        hotels.Campo(QStringLiteral("RagioneSociale")).testo()});
    });
    return voci;
}

std::vector<VoceDiScelta> TableauDaScegliere(Recordset& tableau, std::int16_t hotel) {
    std::vector<VoceDiScelta> voci;
    PerOgni(tableau,
            Campo(QStringLiteral("NumeroHotel")) == Valore(hotel) &&
                Campo(QStringLiteral("Codice")) > Valore(0),
            [&] {
                voci.push_back({tableau.Campo(QStringLiteral("Codice")).intero(),
                                tableau.Campo(QStringLiteral("Descrizione")).testo()});
            });
    return voci;
}

IntervalloCamere IntervalloProposto(Recordset& camere, Recordset& tipiCamere, std::int16_t hotel,
                                    std::int16_t tableau) {
    IntervalloCamere intervallo{QString(QChar(255)), QString()};
    PerOgni(camere,
            Campo(QStringLiteral("NumeroHotel")) == Valore(hotel) &&
                Campo(QStringLiteral("NumeroTableau")) == Valore(tableau),
            [&] {
                const QString camera = camere.Campo(QStringLiteral("NumeroCamera")).testo();
                tipiCamere.FindFirst(Campo(QStringLiteral("Sigla")) ==
                                     camere.Campo(QStringLiteral("TipoCamera")));
                if (tipiCamere.NoMatch() ||
                    tipiCamere.Campo(QStringLiteral("Tipologia")).testo() != u"C")
                    return;
                intervallo.conCamere = true;
                if (intervallo.prima > camera)
                    intervallo.prima = camera;
                if (intervallo.ultima < camera)
                    intervallo.ultima = camera;
            });
    return intervallo;
}
