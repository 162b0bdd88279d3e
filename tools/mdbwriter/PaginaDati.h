#pragma once

#include <QByteArray>

#include <cstdint>

// Row-offset flags. Access marks a deleted row with both bits; a pointer to
// a moved row has only 0x4000; the moved copy has 0x8000, so that a scan of
// the pages skips it and reaches it only through its pointer.
constexpr std::uint16_t kRigaCancellata = 0xC000;
constexpr std::uint16_t kRigaPuntatore = 0x4000;
constexpr std::uint16_t kRigaSpostata = 0x8000;

// Owner field of a long-value page: the letters LVAL instead of a table.
constexpr std::uint32_t kProprietarioLval = 0x4C41564C;

// The bytes of row `numero` of a page already written.
char* RigaInPagina(char* pagina, int numero);

// Builds a data page (also used for long-value pages and the page of usage
// maps) in place: a 14-byte header, the row-offset table growing from the
// top, the rows growing from the bottom.
class PaginaDati {
  public:
    PaginaDati(char* pagina, std::uint32_t proprietario);

    // Whether a row of `lunghezza` bytes and its slot still fit.
    bool entra(int lunghezza) const;
    // Adds a row (which must fit) and returns its row number.
    int aggiungi(const QByteArray& riga, std::uint16_t flag = 0);
    char* riga(int numero) { return RigaInPagina(p_, numero); }
    int righe() const { return righe_; }

  private:
    char* p_;
    int righe_ = 0;
    int inizio_;
};
