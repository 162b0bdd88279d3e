#include "tableau/SorgenteArchivi.h"

#include "archivi/DBEngine.h"

#include <future>
#include <memory>
#include <utility>
#include <vector>

namespace {

// The report's files in the order in which a failure to open them is
// reported, each with its place in the order the report reads them: the
// hotel and the tableau asked for, then the passes of the week.
struct ArchivioDellaSuite {
    const char* nome;
    std::size_t posto;
};
constexpr ArchivioDellaSuite kArchivi[] = {
    {"NumeriCamere.mdb", 3},       {"Scheda_Cliente.mdb", 5}, {"Ditta_Intestataria.mdb", 6},
    {"AnagraficaHotels.mdb", 0},   {"Tableau.mdb", 1},        {"Camere_Prenotazione.mdb", 2},
    {"Scheda_Prenotazione.mdb", 4}};

} // namespace

ArchiviDellaSuite::ArchiviDellaSuite() {
    // The files are opened at the same time, so that on a share their round
    // trips overlap; the first that fails, in the report's order, is the one
    // reported. Their starts then arrive one after the other in the order
    // the report reads them, so that each is decoded while the next arrives.
    const auto fila = std::make_shared<jet::FilaLetture>();
    std::vector<std::pair<QString, std::future<Database>>> aperture;
    for (const ArchivioDellaSuite& archivio : kArchivi) {
        const QString nome = QString::fromLatin1(archivio.nome);
        aperture.emplace_back(
            nome, std::async(std::launch::async, [nome, fila, archivio] {
                return DBEngine::istanza().OpenDatabase(nome, {fila, archivio.posto});
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
    const Database* archivio = nullptr;
    {
        const std::lock_guard<std::mutex> blocco(mutex_);
        auto trovato = archivi_.find(file);
        if (trovato == archivi_.end())
            trovato = archivi_.emplace(file, DBEngine::istanza().OpenDatabase(file)).first;
        archivio = &trovato->second;
    }
    return archivio->OpenRecordset(selezione);
}
