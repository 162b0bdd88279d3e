#include "mdbwriter/Intestazione.h"

#include "mdbwriter/ByteLE.h"

#include "archivi/IntestazioneJet.h"

#include <cstring>

namespace {
constexpr char kFirmaFile[] = "Standard Jet DB";
constexpr int kVersioneJet4 = 0x01;
constexpr std::uint32_t kCodePageAnsi = 1252;
constexpr std::uint32_t kOrdinamentoDelFile = 0x0409;
} // namespace

void ScriviIntestazione(char* pagina, double dataCreazione) {
    pagina[0] = 0x00;
    pagina[1] = 0x01;
    std::memcpy(pagina + 4, kFirmaFile, sizeof kFirmaFile);
    Scrivi32(pagina + 0x14, kVersioneJet4);
    Scrivi16(pagina + jet::kCodePage, kCodePageAnsi);
    Scrivi32(pagina + jet::kChiaveCifratura, 0);
    Scrivi32(pagina + 0x6E, kOrdinamentoDelFile);
    ScriviDouble(pagina + 0x72, dataCreazione);
    jet::MascheraIntestazione(pagina, false);
}
