#include "mdbwriter/FileMdb.h"

#include "mdbwriter/ErroreScrittura.h"

namespace {
// Page numbers are stored in three bytes.
constexpr std::uint32_t kMassimoPagine = 0xFFFFFF;
} // namespace

FileMdb::FileMdb(std::uint32_t riservate) {
    for (std::uint32_t i = 0; i < riservate; ++i)
        nuovaPagina();
}

std::uint32_t FileMdb::nuovaPagina() {
    if (pagine_.size() >= kMassimoPagine)
        throw ErroreScrittura(QStringLiteral("Archivio troppo grande"));
    pagine_.emplace_back();
    pagine_.back().fill('\0');
    return static_cast<std::uint32_t>(pagine_.size() - 1);
}

char* FileMdb::pagina(std::uint32_t numero) {
    return pagine_.at(numero).data();
}

QByteArray FileMdb::contenuto() const {
    QByteArray byte;
    byte.reserve(static_cast<qsizetype>(pagine_.size()) * kDimensionePagina);
    for (const auto& p : pagine_)
        byte.append(p.data(), kDimensionePagina);
    return byte;
}
