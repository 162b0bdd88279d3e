#include "tableau/SorgenteArchivi.h"

#include "archivi/DBEngine.h"

ArchiviDellaSuite::ArchiviDellaSuite() {
    for (const char* file : {"NumeriCamere.mdb", "Scheda_Cliente.mdb", "Ditta_Intestataria.mdb",
                             "AnagraficaHotels.mdb", "Tableau.mdb", "Camere_Prenotazione.mdb",
                             "Scheda_Prenotazione.mdb"})
        archivi_.emplace(QString::fromLatin1(file),
                         DBEngine::istanza().OpenDatabase(QString::fromLatin1(file)));
}

ArchiviDellaSuite::~ArchiviDellaSuite() {
    for (auto& [nome, archivio] : archivi_)
        archivio.Close();
}

Recordset ArchiviDellaSuite::apri(const QString& file, const Selezione& selezione) {
    auto trovato = archivi_.find(file);
    if (trovato == archivi_.end())
        trovato = archivi_.emplace(file, DBEngine::istanza().OpenDatabase(file)).first;
    return trovato->second.OpenRecordset(selezione);
}
