#include "batch/ElencoSuite.h"

#include "archivi/DBEngine.h"
#include "tableau/ElenchiDiScelta.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

struct TableauElencato {
    VoceDiScelta voce;
    IntervalloCamere camere;
};

struct HotelElencato {
    VoceDiScelta voce;
    std::vector<TableauElencato> tableaux;
};

qsizetype Cifre(const VoceDiScelta& voce) {
    return QString::number(voce.numero).size();
}

QString Camere(const IntervalloCamere& camere) {
    return camere.conCamere ? u"camere da %1 a %2"_s.arg(camere.prima, camere.ultima)
                            : u"nessuna camera da letto"_s;
}

} // namespace

QString ElencoSuite() {
    Database anagrafica = DBEngine::istanza().OpenDatabase(u"AnagraficaHotels.mdb"_s);
    Recordset hotels = anagrafica.OpenRecordset(u"AnagraficaHotels"_s);
    Database archivioTableau = DBEngine::istanza().OpenDatabase(u"Tableau.mdb"_s);
    Recordset tableau = archivioTableau.OpenRecordset(u"Tableau"_s);
    Database numeri = DBEngine::istanza().OpenDatabase(u"NumeriCamere.mdb"_s);
    Recordset camere = numeri.OpenRecordset(u"NumeriCamere"_s);
    Database tipi = DBEngine::istanza().OpenDatabase(u"TipiCamere.mdb"_s);
    Recordset tipiCamere = tipi.OpenRecordset(u"TipiCamere"_s);

    std::vector<HotelElencato> elenco;
    qsizetype cifreHotel = 1;
    qsizetype cifreTableau = 1;
    qsizetype descrizione = 0;
    for (const VoceDiScelta& hotel : HotelDaScegliere(hotels)) {
        HotelElencato& elencato = elenco.emplace_back(HotelElencato{hotel, {}});
        cifreHotel = std::max(cifreHotel, Cifre(hotel));
        const auto codice = static_cast<std::int16_t>(hotel.numero);
        for (const VoceDiScelta& voce : TableauDaScegliere(tableau, codice)) {
            elencato.tableaux.push_back(
                {voce, IntervalloProposto(camere, tipiCamere, codice,
                                          static_cast<std::int16_t>(voce.numero))});
            cifreTableau = std::max(cifreTableau, Cifre(voce));
            descrizione = std::max(descrizione, voce.nome.size());
        }
    }
    if (elenco.empty())
        return u"Nessun hotel con Numero maggiore di 0 in AnagraficaHotels.mdb.\n"_s;

    QString testo;
    for (const HotelElencato& hotel : elenco) {
        testo += u"Hotel %1  %2\n"_s.arg(hotel.voce.numero, static_cast<int>(cifreHotel))
                     .arg(hotel.voce.nome);
        if (hotel.tableaux.empty())
            testo += u"  nessun tableau\n"_s;
        for (const TableauElencato& t : hotel.tableaux)
            testo += u"  Tableau %1  %2  %3\n"_s.arg(t.voce.numero, static_cast<int>(cifreTableau))
                         .arg(t.voce.nome.leftJustified(descrizione), Camere(t.camere));
    }
    return testo;
}
