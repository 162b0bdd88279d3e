#pragma once

#include "tableau/SorgenteArchivi.h"

#include <QString>

#include <cstdint>
#include <optional>

// The names the tableau's title shows: the hotel's RagioneSociale and the
// tableau's Descrizione, each absent when its record is not found (the
// tableau is not looked for when the hotel is missing).
struct Intestazione {
    std::optional<QString> hotel;
    std::optional<QString> tableau;

    static Intestazione leggi(SorgenteArchivi& archivi, std::int16_t hotel, std::int16_t tableau);
};
