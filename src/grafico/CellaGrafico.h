#pragma once

#include "tableau/GiorniCamera.h"

#include <QString>

// What a day's cell of the week chart says: the same values as the two
// lines of the print file's cell (number and company, name and persons),
// with the texts whole, and which kind of stay it shows.
struct CellaGrafico {
    enum class Stato {
        Libera,     // nothing that day
        Registrati, // registered guests
        Prenotata,  // a reservation, its card not confirming the day
        Confermata, // a reservation confirmed by its card
    };

    Stato stato = Stato::Libera;
    QString numero;  // reservation or first guest's number, empty for none
    QString nome;    // the guest's or the card's name
    QString ditta;   // the company
    QString persone; // the persons, empty for none

    static CellaGrafico delGiorno(const GiornoCamera& giorno);
};

// A text of the databases as it can be drawn on one line (TestoVisibile),
// without white space at the ends.
QString TestoDisegnabile(const QString& testo);
