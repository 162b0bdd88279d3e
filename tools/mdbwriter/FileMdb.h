#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <deque>

constexpr int kDimensionePagina = 4096;

// The pages of a Jet 4 file being built, all zero until written. Pages keep
// their address while others are added, so builders may hold on to them.
class FileMdb {
  public:
    // Creates the first `riservate` pages (header, maps, catalogue definition).
    explicit FileMdb(std::uint32_t riservate);

    std::uint32_t nuovaPagina();
    char* pagina(std::uint32_t numero);
    std::uint32_t numeroPagine() const { return static_cast<std::uint32_t>(pagine_.size()); }

    QByteArray contenuto() const;

  private:
    std::deque<std::array<char, kDimensionePagina>> pagine_;
};
