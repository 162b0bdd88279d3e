#include "tableau/SorgenteArchivi.h"

#include "archivi/DBEngine.h"

#include <future>
#include <utility>
#include <vector>

ArchiviDellaSuite::ArchiviDellaSuite() {
    // The files are opened at the same time, so that on a share their round
    // trips overlap; the first that fails, in the report's order, is the one
    // reported.
    std::vector<std::pair<QString, std::future<Database>>> aperture;
    for (const char* file : {"NumeriCamere.mdb", "Scheda_Cliente.mdb", "Ditta_Intestataria.mdb",
                             "AnagraficaHotels.mdb", "Tableau.mdb", "Camere_Prenotazione.mdb",
                             "Scheda_Prenotazione.mdb"}) {
        const QString nome = QString::fromLatin1(file);
        aperture.emplace_back(nome, std::async(std::launch::async, [nome] {
                                  return DBEngine::istanza().OpenDatabase(nome);
                              }));
    }
    for (auto& [nome, apertura] : aperture)
        archivi_.emplace(nome, apertura.get());
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
