#pragma once

#include <QString>

#include <array>
#include <cstdint>

// What the passes over guests and reservations find for one room and one day.
// The print file shows the texts cut to the width of its columns; each is
// also kept whole (trimmed only), for outputs that have room for it.
struct GiornoCamera {
    std::int64_t personeClienti = 0; // registered guests present
    std::int64_t numeroGiorno = 0;   // first guest's customer number, or the reservation's number
    QString ditteClienti;            // company a guest is invoiced to (at most 11 characters)
    std::int64_t personePrenotazioni = 0; // persons of the reservation
    QString dittePrenotazioni;            // company of the reservation (at most 12 characters)
    QString nomiClienti;                  // name of the party's first guest (at most 14 characters)
    QString nomiPrenotazioni;             // name on the reservation card (at most 14 characters)
    bool prenotato = false;               // a reservation covers the day
    bool confermato = false;              // its card confirms it
    // The four texts above whole.
    QString dittaClientiIntera;
    QString dittaPrenotazioniIntera;
    QString nomeClientiIntero;
    QString nomePrenotazioniIntero;

    bool operator==(const GiornoCamera&) const = default;
};

// Days 1 to 7 of a room, at indices 0 to 6.
using GiorniCamera = std::array<GiornoCamera, 7>;
