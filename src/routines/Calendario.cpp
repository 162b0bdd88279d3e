#include "routines/Calendario.h"

const std::array<QString, 7> NomiGiorni = {
    QStringLiteral("Lunedì"),   QStringLiteral("Martedì"), QStringLiteral("Mercoledì"),
    QStringLiteral("Giovedì"),  QStringLiteral("Venerdì"), QStringLiteral("Sabato"),
    QStringLiteral("Domenica"),
};
