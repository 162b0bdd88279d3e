#include "archivi/IntestazioneJet.h"

#include "archivi/ByteJet.h"
#include "archivi/Rc4.h"

#include <algorithm>
#include <array>

namespace jet {

namespace {

// 0x6B39DAC7 in little-endian order.
constexpr std::uint8_t kChiaveMaschera[] = {0xC7, 0xDA, 0x39, 0x6B};
constexpr std::size_t kMascheratiJet3 = 126;

} // namespace

void MascheraIntestazione(char* pagina, bool jet3) {
    Rc4(kChiaveMaschera, sizeof kChiaveMaschera, pagina + kInizioMaschera,
        jet3 ? kMascheratiJet3 : kFineMaschera - kInizioMaschera);
}

IntestazioneJet LeggiIntestazione(const char* pagina, bool jet3) {
    std::array<char, kFineMaschera> chiara;
    std::copy(pagina, pagina + kFineMaschera, chiara.begin());
    MascheraIntestazione(chiara.data(), jet3);
    const ByteJet byte(reinterpret_cast<const std::uint8_t*>(chiara.data()), chiara.size());
    IntestazioneJet intestazione;
    intestazione.codePage = byte.u16(kCodePage);
    intestazione.cifrata = byte.u32(kChiaveCifratura) != 0;
    return intestazione;
}

} // namespace jet
