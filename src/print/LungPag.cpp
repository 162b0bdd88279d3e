#include "print/LungPag.h"

#include "archivi/DBEngine.h"

#include <cmath>
#include <limits>

namespace {

constexpr std::int16_t kPredefinita = 60;

std::int16_t lunghezza(const Valore& valore) {
    if (!valore.numerico())
        return kPredefinita;
    const double righe = std::nearbyint(valore.numero());
    // A page must hold at least one line: a length of 0 or below would put
    // every line of the report on a page of its own.
    if (!(righe >= 1 && righe <= std::numeric_limits<std::int16_t>::max()))
        return kPredefinita;
    return static_cast<std::int16_t>(righe);
}

} // namespace

std::int16_t LungPag(std::int16_t hotel, bool compressa) {
    Database archivio = DBEngine::istanza().OpenDatabase(QStringLiteral("Contatori.mdb"));
    Recordset contatori = archivio.OpenRecordset(QStringLiteral("Contatori"));
    contatori.FindFirst(Campo(QStringLiteral("NumeroHotel")) == Valore(static_cast<int>(hotel)));
    std::int16_t righe = kPredefinita;
    if (!contatori.NoMatch())
        righe = lunghezza(contatori.Campo(compressa ? QStringLiteral("LungPagComp")
                                                    : QStringLiteral("LungPagNoComp")));
    archivio.Close();
    return righe;
}
