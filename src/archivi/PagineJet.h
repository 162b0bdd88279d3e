#pragma once

#include "archivi/ByteJet.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace jet {

// Where the structures of a page lie, for the two layouts: Jet 3 (Access 97,
// 2 KiB pages, one-byte counts in rows) and Jet 4 (Access 2000 and later,
// including the ACE files, 4 KiB pages, two-byte counts).
struct FormatoJet {
    bool jet3 = false;
    std::uint32_t pagina = 4096;
    // Data pages: the row count, followed by the table of row offsets.
    std::size_t numeroRighe = 12;
    // Table definitions.
    std::size_t tdefRighe = 16;
    std::size_t tdefColonneVariabili = 43;
    std::size_t tdefColonne = 45;
    std::size_t tdefIndiciReali = 51;
    std::size_t tdefMappa = 55;
    std::size_t tdefInizioColonne = 63;
    std::size_t indiceReale = 12;
    std::size_t colonna = 25;
    std::size_t colonnaNumero = 5;
    std::size_t colonnaVariabile = 7;
    std::size_t colonnaScala = 12;
    std::size_t colonnaOpzioni = 15;
    std::size_t colonnaFissa = 21;
    std::size_t colonnaLunghezza = 23;
    // Rows: the width of the column count, of the variable-column count and
    // of each variable-column offset.
    std::size_t conteggio = 2;
    // The Windows code page the header declares for Jet 3 texts.
    std::uint16_t codePage = 1252;

    static FormatoJet jet3Formato();
    static FormatoJet jet4Formato();
};

// One page as read from the file.
struct PaginaJet {
    std::uint32_t numero = 0;
    std::vector<std::uint8_t> byte;
    ByteJet vista() const { return {byte.data(), byte.size()}; }
};

// A Jet database file opened read-only at the operating-system level: the
// descriptor is opened O_RDONLY and only ever read with pread(2), so nothing
// in this process can write to it. Pages are copied into caller-owned
// buffers; a file changed or cut short meanwhile gives damage, not a crash.
class PagineJet {
  public:
    // Raises ErroreArchivio when the file cannot be opened, is not a Jet
    // database (wrong signature, empty, cut inside a page) or is encrypted.
    PagineJet(const QString& percorso, const QString& nome);
    ~PagineJet();
    PagineJet(const PagineJet&) = delete;
    PagineJet& operator=(const PagineJet&) = delete;

    const FormatoJet& formato() const { return formato_; }
    std::uint32_t numeroPagine() const { return pagine_; }

    // Reads page `numero` into `pagina` (nothing to do when it holds it
    // already). Page 0 is the file header and holds no data: asking for it, or
    // for a page past the end, is damage.
    void leggi(std::uint32_t numero, PaginaJet& pagina) const;

  private:
    int fd_ = -1;
    FormatoJet formato_;
    std::uint32_t pagine_ = 0;
};

} // namespace jet
