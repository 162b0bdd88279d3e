#include "mdbwriter/Intestazione.h"

#include "mdbwriter/ByteLE.h"

#include "archivi/IntestazioneJet.h"

#include <cstring>

namespace {
constexpr char FirmaFile[] = "Standard Jet DB";
constexpr int VersioneJet4 = 0x01;
constexpr std::uint32_t CodePage = 1252;
constexpr std::uint32_t OrdinamentoDelFile = 0x0409;
} // namespace

void ScriviIntestazione(char* pagina, double dataCreazione) {
    pagina[0] = 0x00;
    pagina[1] = 0x01;
    std::memcpy(pagina + 4, FirmaFile, sizeof FirmaFile);
    Scrivi32(pagina + 0x14, VersioneJet4);
    Scrivi16(pagina + jet::kCodePage, CodePage);
    Scrivi32(pagina + jet::kChiaveCifratura, 0);
    Scrivi32(pagina + 0x6E, OrdinamentoDelFile);
    ScriviDouble(pagina + 0x72, dataCreazione);
    jet::MascheraIntestazione(pagina, false);
}
