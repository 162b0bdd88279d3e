#include "routines/Calendario.h"

std::array<std::int16_t, 12> GiorniMese = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

const std::array<QString, 7> NomiGiorni = {
    QStringLiteral("Lunedì"),   QStringLiteral("Martedì"), QStringLiteral("Mercoledì"),
    QStringLiteral("Giovedì"),  QStringLiteral("Venerdì"), QStringLiteral("Sabato"),
    QStringLiteral("Domenica"),
};
