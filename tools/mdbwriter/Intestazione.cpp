#include "mdbwriter/Intestazione.h"

#include "mdbwriter/ByteLE.h"
#include "mdbwriter/Rc4.h"

#include <cstring>

namespace {
constexpr char Firma[] = "Standard Jet DB";
constexpr int VersioneJet4 = 0x01;
constexpr int InizioMascherato = 0x18;
constexpr int LunghezzaMascherata = 128;
// The fixed key of the masked area, 0x6B39DAC7 in little-endian order.
constexpr std::uint8_t ChiaveMaschera[] = {0xC7, 0xDA, 0x39, 0x6B};
constexpr std::uint32_t CodePage = 1252;
constexpr std::uint32_t OrdinamentoGenerale = 0x0409;
} // namespace

void ScriviIntestazione(char* pagina, double dataCreazione) {
    pagina[0] = 0x00;
    pagina[1] = 0x01;
    std::memcpy(pagina + 4, Firma, sizeof Firma);
    Scrivi32(pagina + 0x14, VersioneJet4);
    Scrivi16(pagina + 0x3C, CodePage);
    Scrivi32(pagina + 0x3E, 0);
    Scrivi32(pagina + 0x6E, OrdinamentoGenerale);
    ScriviDouble(pagina + 0x72, dataCreazione);
    Rc4(ChiaveMaschera, sizeof ChiaveMaschera, pagina + InizioMascherato, LunghezzaMascherata);
}
