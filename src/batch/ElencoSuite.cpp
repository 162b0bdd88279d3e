#include "batch/ElencoSuite.h"

#include "archivi/DBEngine.h"
#include "tableau/ElenchiDiScelta.h"

#include <algorithm>

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
    return camere.conCamere ? QStringLiteral("camere da %1 a %2").arg(camere.prima, camere.ultima)
                            : QStringLiteral("nessuna camera da letto");
}

} // namespace

QString ElencoSuite() {
    Database anagrafica = DBEngine::istanza().OpenDatabase(QStringLiteral("AnagraficaHotels.mdb"));
    Recordset hotels = anagrafica.OpenRecordset(QStringLiteral("AnagraficaHotels"));
    Database archivioTableau = DBEngine::istanza().OpenDatabase(QStringLiteral("Tableau.mdb"));
    Recordset tableau = archivioTableau.OpenRecordset(QStringLiteral("Tableau"));
    Database numeri = DBEngine::istanza().OpenDatabase(QStringLiteral("NumeriCamere.mdb"));
    Recordset camere = numeri.OpenRecordset(QStringLiteral("NumeriCamere"));
    Database tipi = DBEngine::istanza().OpenDatabase(QStringLiteral("TipiCamere.mdb"));
    Recordset tipiCamere = tipi.OpenRecordset(QStringLiteral("TipiCamere"));

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
        return QStringLiteral("Nessun hotel con Numero maggiore di 0 in AnagraficaHotels.mdb.\n");

    QString testo;
    for (const HotelElencato& hotel : elenco) {
        testo += QStringLiteral("Hotel %1  %2\n")
                     .arg(hotel.voce.numero, static_cast<int>(cifreHotel))
                     .arg(hotel.voce.nome);
        if (hotel.tableaux.empty())
            testo += QStringLiteral("  nessun tableau\n");
        for (const TableauElencato& t : hotel.tableaux)
            testo += QStringLiteral("  Tableau %1  %2  %3\n")
                         .arg(t.voce.numero, static_cast<int>(cifreTableau))
                         .arg(t.voce.nome.leftJustified(descrizione), Camere(t.camere));
    }
    return testo;
}
