#include "print/CodiciStampante.h"

#include "archivi/DBEngine.h"
#include "routines/LeggiValore.h"

#include <cmath>
#include <limits>

namespace {

double gruppo(const QString& testo, std::size_t indice) {
    return LeggiValore(testo.mid(static_cast<qsizetype>(3 * indice), 3));
}

// Rounded half to even, as the suite rounds to whole numbers; the groups of
// three characters always fit.
std::int16_t arrotonda(double valore) {
    const double intero = std::nearbyint(valore);
    if (intero < std::numeric_limits<std::int16_t>::min() ||
        intero > std::numeric_limits<std::int16_t>::max())
        return 0;
    return static_cast<std::int16_t>(intero);
}

} // namespace

std::int16_t CodiciStampante::lunghezzaRiempimento(bool compressa) const {
    return trovato ? codiceGrassetto(compressa ? 7 : 8) : 66;
}

CodiciStampante CodiciStampante::decodifica(const QString& compresso, const QString& grassetto) {
    CodiciStampante codici;
    codici.trovato = true;
    for (std::size_t i = 0; i < 12; ++i) {
        codici.compresso[i] = gruppo(compresso, i);
        codici.grassetto[i] = arrotonda(gruppo(grassetto, i));
    }
    return codici;
}

CodiciStampante LeggiCodiciStampante(double tipoStampa) {
    Database archivio = DBEngine::istanza().OpenDatabase(QStringLiteral("Stampanti.mdb"));
    Recordset tipi = archivio.OpenRecordset(QStringLiteral("SetStampa"));
    tipi.FindFirst(Campo(QStringLiteral("TipoStampa")) == Valore(tipoStampa));
    CodiciStampante codici;
    if (!tipi.NoMatch())
        codici = CodiciStampante::decodifica(tipi.Campo(QStringLiteral("Compresso")).testo(),
                                             tipi.Campo(QStringLiteral("Grassetto")).testo());
    archivio.Close();
    return codici;
}
