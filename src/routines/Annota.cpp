#include "routines/Annota.h"

#include <cstdio>

void Annota(const QString& testo) {
    std::fprintf(stderr, "tableau-settimanale: %s\n", qUtf8Printable(testo));
}
