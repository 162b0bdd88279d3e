#include "archivi/CatalogoJet.h"

#include "archivi/DefinizioneJet.h"
#include "archivi/RigheJet.h"
#include "archivi/ScomposizioneRiga.h"
#include "archivi/ValoreJet.h"

namespace jet {

namespace {

constexpr std::uint32_t kPaginaCatalogo = 2;
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

} // namespace

std::vector<VoceCatalogo> LeggiCatalogo(const PagineJet& file) {
    const DefinizioneJet definizione = LeggiDefinizione(file, kPaginaCatalogo);
    const std::vector<std::size_t> usate =
        colonne(definizione, {u"Id", u"Name", u"Type", u"Flags"});
    ScomposizioneRiga scomposizione(file.formato(), definizione);
    PaginaJet appoggio;
    std::vector<VoceCatalogo> voci;
    righe::Percorri(file, definizione, [&](ByteJet riga) {
        const std::vector<CampoJet>& campi = scomposizione.scomponi(riga);
        const auto valore = [&](std::size_t k) {
            return DecodificaCampo(file, definizione.colonne[usate[k]], campi[usate[k]], appoggio);
        };
        if ((valore(2).intero() & 0x7F) != kTipoTabella)
            return;
        const auto opzioni = static_cast<std::uint32_t>(valore(3).intero());
        voci.push_back({valore(1).testo(),
                        static_cast<std::uint32_t>(valore(0).intero()) & 0x00FFFFFFu,
                        (opzioni & kOpzioniSistema) == 0});
    });
    return voci;
}

} // namespace jet
