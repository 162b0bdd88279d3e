#include "mdbwriter/MappaUso.h"

#include "mdbwriter/ByteLE.h"
#include "mdbwriter/ErroreScrittura.h"

namespace {

constexpr int kByteMappa = 64;
constexpr std::uint32_t kPagineInRiga = kByteMappa * 8;
constexpr int kPagineDiMappa = kByteMappa / 4 + 1;
constexpr std::uint32_t PagineCoperte = (kDimensionePagina - 4) * 8;

void Segna(char* bitmap, std::uint32_t bit) {
    bitmap[bit / 8] = static_cast<char>(bitmap[bit / 8] | (1 << (bit % 8)));
}

QByteArray MappaInRiga(const std::vector<std::uint32_t>& pagine) {
    QByteArray riga(1 + 4 + kByteMappa, '\0');
    const std::uint32_t prima = pagine.empty() ? 0 : pagine.front();
    Scrivi32(riga.data() + 1, prima);
    for (const std::uint32_t p : pagine)
        Segna(riga.data() + 5, p - prima);
    return riga;
}

QByteArray MappaDiPagine(const std::vector<std::uint32_t>& pagine, FileMdb& file) {
    QByteArray riga(1 + 4 * kPagineDiMappa, '\0');
    riga[0] = 0x01;
    std::uint32_t corrente = 0;
    char* mappa = nullptr;
    for (const std::uint32_t p : pagine) {
        const std::uint32_t k = p / PagineCoperte;
        if (k >= static_cast<std::uint32_t>(kPagineDiMappa))
            throw ErroreScrittura(
                QStringLiteral("Archivio troppo grande per le mappe delle pagine"));
        if (!mappa || k != corrente) {
            const std::uint32_t numero = file.nuovaPagina();
            mappa = file.pagina(numero);
            mappa[0] = 0x05;
            mappa[1] = 0x01;
            Scrivi32(riga.data() + 1 + 4 * k, numero);
            corrente = k;
        }
        Segna(mappa + 4, p % PagineCoperte);
    }
    return riga;
}

} // namespace

QByteArray MappaUso(const std::vector<std::uint32_t>& pagine, FileMdb& file) {
    if (pagine.empty() || pagine.back() - pagine.front() < kPagineInRiga)
        return MappaInRiga(pagine);
    return MappaDiPagine(pagine, file);
}
