#include "archivi/CatalogoJet.h"

#include "archivi/DefinizioneJet.h"
#include "archivi/RigheJet.h"
#include "archivi/ScomposizioneRiga.h"
#include "archivi/ValoreJet.h"

#include <functional>

namespace jet {

namespace {

constexpr std::int64_t kTipoTabella = 1;
constexpr std::uint32_t kOpzioniSistema = 0x80000002u;

// Positions of the named columns; damage when one is missing.
std::vector<std::size_t> colonne(const DefinizioneJet& definizione,
                                 std::initializer_list<const char16_t*> nomi) {
    std::vector<std::size_t> indici;
    for (const char16_t* nome : nomi) {
        std::size_t i = 0;
        while (i < definizione.colonne.size() &&
               definizione.colonne[i].nome.compare(QStringView(nome), Qt::CaseInsensitive) != 0)
            ++i;
        if (i == definizione.colonne.size())
            throw DannoJet{QStringLiteral("catalogo senza la colonna %1").arg(QStringView(nome))};
        indici.push_back(i);
    }
    return indici;
}

// Calls `fai` for every table of the catalog with a reader of the fields
// `nomi` of its row, by their place in `nomi`; the third must be Type.
void percorriTabelle(const PagineJet& file, std::initializer_list<const char16_t*> nomi,
                     const std::function<void(const std::function<Valore(std::size_t)>&)>& fai) {
    const DefinizioneJet definizione = LeggiDefinizione(file, kPaginaCatalogo);
    const std::vector<std::size_t> usate = colonne(definizione, nomi);
    ScomposizioneRiga scomposizione(file.formato(), definizione);
    PaginaJet appoggio;
    righe::Percorri(file, definizione, [&](ByteJet riga) {
        const std::vector<CampoJet>& campi = scomposizione.scomponi(riga);
        const std::function<Valore(std::size_t)> valore = [&](std::size_t k) {
            return DecodificaCampo(file, definizione.colonne[usate[k]], campi[usate[k]], appoggio);
        };
        if ((valore(2).intero() & 0x7F) == kTipoTabella)
            fai(valore);
    });
}

std::uint32_t paginaDefinizione(const Valore& id) {
    return static_cast<std::uint32_t>(id.intero()) & 0x00FFFFFFu;
}

} // namespace

std::vector<VoceCatalogo> LeggiCatalogo(const PagineJet& file) {
    std::vector<VoceCatalogo> voci;
    percorriTabelle(file, {u"Id", u"Name", u"Type", u"Flags"}, [&](const auto& valore) {
        const auto opzioni = static_cast<std::uint32_t>(valore(3).intero());
        voci.push_back(
            {valore(1).testo(), paginaDefinizione(valore(0)), (opzioni & kOpzioniSistema) == 0});
    });
    return voci;
}

QByteArray ProprietaTabella(const PagineJet& file, std::uint32_t pagina) {
    QByteArray proprieta;
    percorriTabelle(file, {u"Id", u"Name", u"Type", u"LvProp"}, [&](const auto& valore) {
        if (paginaDefinizione(valore(0)) == pagina)
            proprieta = valore(3).byte();
    });
    return proprieta;
}

} // namespace jet
