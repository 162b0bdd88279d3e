#include "tableau/Intestazione.h"

namespace {

// The field of the first record of a table that meets the condition.
std::optional<QString> primo(SorgenteArchivi& archivi, const QString& file, const QString& tabella,
                             const Criterio& dove, const QString& campo) {
    Recordset record = archivi.apri(file, Selezione{tabella, dove, std::nullopt});
    record.FindFirst(dove);
    if (record.NoMatch())
        return std::nullopt;
    return record.Campo(campo).testo();
}

} // namespace

Intestazione Intestazione::leggi(SorgenteArchivi& archivi, std::int16_t hotel, std::int16_t tableau) {
    Intestazione intestazione;
    intestazione.hotel = primo(archivi, QStringLiteral("AnagraficaHotels.mdb"), QStringLiteral("AnagraficaHotels"),
                               Campo(QStringLiteral("Numero")) == Valore(hotel), QStringLiteral("RagioneSociale"));
    if (intestazione.hotel)
        intestazione.tableau = primo(archivi, QStringLiteral("Tableau.mdb"), QStringLiteral("Tableau"),
                                     Campo(QStringLiteral("NumeroHotel")) == Valore(hotel) &&
                                         Campo(QStringLiteral("Codice")) == Valore(tableau),
                                     QStringLiteral("Descrizione"));
    return intestazione;
}
