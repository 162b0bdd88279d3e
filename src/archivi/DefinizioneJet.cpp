#include "archivi/DefinizioneJet.h"

#include "archivi/RigheJet.h"
#include "archivi/TestoJet.h"

#include <algorithm>
#include <set>

namespace jet {

namespace {

constexpr std::uint8_t kPaginaDefinizione = 0x02;
constexpr std::uint8_t kPaginaMappa = 0x05;
constexpr std::size_t kSeguente = 4;
// Continuation pages repeat the page header; their content starts here.
constexpr std::size_t kContenuto = 8;
// A definition of Jet's largest table (255 columns, 32 indexes) fits in a
// handful of pages; a longer chain is a loop or garbage.
constexpr std::size_t kPagineDefinizioneMassime = 64;
constexpr std::uint8_t kColonnaFissa = 0x01;

// The definition's bytes: the first page whole, then the content of each
// page of the chain.
std::vector<std::uint8_t> byteDefinizione(const PagineJet& file, std::uint32_t pagina) {
    std::vector<std::uint8_t> byte;
    std::set<std::uint32_t> viste;
    PaginaJet letta;
    for (std::uint32_t numero = pagina; numero != 0;) {
        if (!viste.insert(numero).second || viste.size() > kPagineDefinizioneMassime)
            throw DannoJet{
                QStringLiteral("definizione della tabella alla pagina %1 senza fine").arg(pagina)};
        const ByteJet vista = file.pagina(numero, letta);
        if (vista.u8(0) != kPaginaDefinizione)
            throw DannoJet{
                QStringLiteral("la pagina %1 non è una definizione di tabella").arg(numero)};
        const std::size_t da = byte.empty() ? 0 : kContenuto;
        byte.insert(byte.end(), vista.data() + da, vista.data() + vista.size());
        numero = vista.u32(kSeguente);
    }
    return byte;
}

void aggiungiMappaInterna(const PagineJet& file, ByteJet mappa,
                          std::vector<std::uint32_t>& pagine) {
    const std::uint64_t prima = mappa.u32(1);
    const ByteJet bit = mappa.da(5);
    for (std::size_t i = 0; i < bit.size() * 8; ++i) {
        if (bit.u8(i / 8) & (1u << (i % 8))) {
            const std::uint64_t numero = prima + i;
            if (numero >= file.numeroPagine())
                throw DannoJet{
                    QStringLiteral("la mappa delle pagine indica la pagina %1, fuori dal file")
                        .arg(numero)};
            pagine.push_back(static_cast<std::uint32_t>(numero));
        }
    }
}

void aggiungiMappaEsterna(const PagineJet& file, ByteJet mappa,
                          std::vector<std::uint32_t>& pagine) {
    const std::uint64_t perPagina = (std::uint64_t{file.formato().pagina} - 4) * 8;
    PaginaJet letta;
    for (std::size_t k = 0; 1 + 4 * k + 4 <= mappa.size(); ++k) {
        const std::uint32_t numeroMappa = mappa.u32(1 + 4 * k);
        if (numeroMappa == 0)
            continue;
        const ByteJet vista = file.pagina(numeroMappa, letta);
        if (vista.u8(0) != kPaginaMappa)
            throw DannoJet{
                QStringLiteral("la pagina %1 non è una mappa delle pagine").arg(numeroMappa)};
        for (std::size_t i = 0; i < perPagina; ++i) {
            if (vista.u8(4 + i / 8) & (1u << (i % 8))) {
                const std::uint64_t numero = k * perPagina + i;
                if (numero >= file.numeroPagine())
                    throw DannoJet{
                        QStringLiteral("la mappa delle pagine indica la pagina %1, fuori dal file")
                            .arg(numero)};
                pagine.push_back(static_cast<std::uint32_t>(numero));
            }
        }
    }
}

} // namespace

DefinizioneJet LeggiDefinizione(const PagineJet& file, std::uint32_t pagina) {
    const FormatoJet& f = file.formato();
    const std::vector<std::uint8_t> dati = byteDefinizione(file, pagina);
    const ByteJet byte(dati.data(), dati.size());

    DefinizioneJet definizione;
    definizione.pagina = pagina;
    definizione.colonneVariabili = byte.u16(f.tdefColonneVariabili);
    definizione.mappa = byte.u32(f.tdefMappa);
    const std::size_t colonne = byte.u16(f.tdefColonne);
    const std::size_t inizio =
        f.tdefInizioColonne + std::size_t{byte.u32(f.tdefIndiciReali)} * f.indiceReale;
    if (inizio > byte.size())
        throw DannoJet{
            QStringLiteral("definizione della tabella alla pagina %1 incompleta").arg(pagina)};

    std::size_t nome = inizio + colonne * f.colonna;
    for (std::size_t i = 0; i < colonne; ++i) {
        const ByteJet voce = byte.parte(inizio + i * f.colonna, f.colonna);
        ColonnaJet colonna;
        colonna.tipo = static_cast<TipoColonna>(voce.u8(0));
        colonna.numero = voce.u16(f.colonnaNumero);
        colonna.posizioneVariabile = voce.u16(f.colonnaVariabile);
        colonna.fissa = (voce.u8(f.colonnaOpzioni) & kColonnaFissa) != 0;
        colonna.posizioneFissa = voce.u16(f.colonnaFissa);
        colonna.lunghezza = voce.u16(f.colonnaLunghezza);
        colonna.scala = voce.u8(f.colonnaScala);

        const std::size_t lunghezzaNome = f.jet3 ? byte.u8(nome) : byte.u16(nome);
        nome += f.jet3 ? 1 : 2;
        colonna.nome = TestoJet(f, byte.parte(nome, lunghezzaNome));
        nome += lunghezzaNome;
        definizione.colonne.push_back(std::move(colonna));
    }
    std::stable_sort(definizione.colonne.begin(), definizione.colonne.end(),
                     [](const ColonnaJet& a, const ColonnaJet& b) { return a.numero < b.numero; });
    return definizione;
}

std::vector<std::uint32_t> PagineDati(const PagineJet& file, const DefinizioneJet& definizione) {
    PaginaJet letta;
    const ByteJet mappa = righe::datiA(file, definizione.mappa, letta);
    std::vector<std::uint32_t> pagine;
    switch (mappa.u8(0)) {
    case 0:
        aggiungiMappaInterna(file, mappa, pagine);
        break;
    case 1:
        aggiungiMappaEsterna(file, mappa, pagine);
        break;
    default:
        throw DannoJet{QStringLiteral("mappa delle pagine di tipo sconosciuto")};
    }
    return pagine;
}

} // namespace jet
