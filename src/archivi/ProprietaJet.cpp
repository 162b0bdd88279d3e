#include "archivi/ProprietaJet.h"

#include "archivi/TestoJet.h"

#include <cstring>
#include <vector>

namespace jet {

namespace {

// "KKD\0" in Jet 3, "MR2\0" later.
constexpr std::uint8_t kFirmaJet3[] = {'K', 'K', 'D', 0};
constexpr std::uint8_t kFirmaJet4[] = {'M', 'R', '2', 0};
constexpr std::size_t kSigla = sizeof kFirmaJet4;
constexpr std::size_t kTestaBlocco = 6;
constexpr std::uint16_t kNomi = 0x80;
constexpr std::uint16_t kOggettoPrincipale = 0x00;
constexpr std::uint16_t kOggetto = 0x01;
constexpr std::size_t kTestaProprieta = 8;

DannoJet guaste() {
    return DannoJet{QStringLiteral("proprietà della tabella incoerenti")};
}

} // namespace

std::map<QString, TipoColonna> TipiRisultato(const FormatoJet& formato, ByteJet proprieta) {
    std::map<QString, TipoColonna> tipi;
    if (proprieta.size() < kSigla || (std::memcmp(proprieta.data(), kFirmaJet3, kSigla) != 0 &&
                                      std::memcmp(proprieta.data(), kFirmaJet4, kSigla) != 0))
        return tipi;
    std::vector<QString> nomi;
    for (std::size_t da = kSigla; da + kTestaBlocco <= proprieta.size();) {
        const std::size_t lunghezza = proprieta.u32(da);
        if (lunghezza < kTestaBlocco)
            throw guaste();
        const std::uint16_t genere = proprieta.u16(da + 4);
        const ByteJet blocco = proprieta.parte(da + kTestaBlocco, lunghezza - kTestaBlocco);
        da += lunghezza;
        if (genere == kNomi) {
            for (std::size_t i = 0; i < blocco.size();) {
                const std::size_t n = blocco.u16(i);
                nomi.push_back(TestoJet(formato, blocco.parte(i + 2, n)));
                i += 2 + n;
            }
        } else if (genere == kOggettoPrincipale || genere == kOggetto) {
            const std::size_t n = blocco.u16(4);
            const QString oggetto = TestoJet(formato, blocco.parte(6, n));
            for (std::size_t i = 6 + n; i < blocco.size();) {
                const std::size_t l = blocco.u16(i);
                if (l < kTestaProprieta)
                    throw guaste();
                const ByteJet voce = blocco.parte(i, l);
                i += l;
                const std::size_t nome = voce.u16(4);
                if (nome < nomi.size() && nomi[nome] == u"ResultType" && voce.u16(6) >= 1)
                    tipi[oggetto] = static_cast<TipoColonna>(voce.u8(kTestaProprieta));
            }
        }
    }
    return tipi;
}

} // namespace jet
