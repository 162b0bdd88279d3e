#include "routines/Calendario.h"

const std::array<QString, 7> kNomiGiorni = {
    QStringLiteral("Lunedì"),   QStringLiteral("Martedì"), QStringLiteral("Mercoledì"),
    QStringLiteral("Giovedì"),  QStringLiteral("Venerdì"), QStringLiteral("Sabato"),
    QStringLiteral("Domenica"),
};
