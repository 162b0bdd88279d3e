#include "print/OpzioniStampa.h"

#include "archivi/DBEngine.h"

void OpzioniStampa::aggiorna() {
    Database archivio = DBEngine::istanza().OpenDatabase(QStringLiteral("AnagraficaHotels.mdb"));
    Recordset hotels = archivio.OpenRecordset(QStringLiteral("AnagraficaHotels"));
    hotels.FindFirst(Campo(QStringLiteral("Numero")) == Valore(1));
    if (!hotels.NoMatch())
        testo_ = hotels.Campo(QStringLiteral("CodiceAssistenza")).testo();
    archivio.Close();
}
