#include "mdbwriter/PaginaDati.h"

#include "mdbwriter/ByteLE.h"
#include "mdbwriter/FileMdb.h"

#include <cstring>

namespace {
constexpr int kIntestazione = 14;
constexpr int kInizioOffset = 14;
// A row number is one byte in pointers to rows.
constexpr int kMassimoRighe = 255;
} // namespace

PaginaDati::PaginaDati(char* pagina, std::uint32_t proprietario)
    : p_(pagina), inizio_(kDimensionePagina) {
    p_[0] = 0x01;
    p_[1] = 0x01;
    Scrivi32(p_ + 4, proprietario);
    Scrivi16(p_ + 2, kDimensionePagina - kIntestazione);
}

bool PaginaDati::entra(int lunghezza) const {
    return righe_ < kMassimoRighe && inizio_ - lunghezza >= kInizioOffset + 2 * (righe_ + 1);
}

int PaginaDati::aggiungi(const QByteArray& riga, std::uint16_t flag) {
    inizio_ -= static_cast<int>(riga.size());
    std::memcpy(p_ + inizio_, riga.constData(), static_cast<std::size_t>(riga.size()));
    Scrivi16(p_ + kInizioOffset + 2 * righe_, static_cast<std::uint32_t>(inizio_) | flag);
    ++righe_;
    Scrivi16(p_ + 12, static_cast<std::uint32_t>(righe_));
    Scrivi16(p_ + 2, static_cast<std::uint32_t>(inizio_ - (kInizioOffset + 2 * righe_)));
    return righe_ - 1;
}

char* RigaInPagina(char* pagina, int numero) {
    const auto offset = static_cast<unsigned char>(pagina[kInizioOffset + 2 * numero]) |
                        (static_cast<unsigned char>(pagina[kInizioOffset + 2 * numero + 1]) << 8);
    return pagina + (offset & 0x1FFF);
}
