#pragma once

#include "archivi/PagineJet.h"
#include "archivi/TipoColonna.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace jet {

struct ColonnaJet {
    QString nome;
    TipoColonna tipo = TipoColonna::Testo;
    // Position in a row's null mask; counts deleted columns too.
    std::uint16_t numero = 0;
    bool fissa = false;
    // Fixed columns: offset of the value after the row's column count.
    std::uint16_t posizioneFissa = 0;
    // Variable columns: index in the row's table of variable-column offsets.
    std::uint16_t posizioneVariabile = 0;
    std::uint16_t lunghezza = 0;
    std::uint8_t scala = 0;
    // A calculated column (Access 2010 and later): its value is the stored
    // result of its expression, and `tipo` is the type of that result.
    bool calcolata = false;
};

// What the reader needs of a table definition (TDEF) page chain.
struct DefinizioneJet {
    std::uint32_t pagina = 0;
    // In column-number order, which is the order the table shows its fields in.
    std::vector<ColonnaJet> colonne;
    std::uint16_t colonneVariabili = 0;
    // Row (page << 8 | slot) that holds the usage map of the table's pages.
    std::uint32_t mappa = 0;
};

// Reads the definition that starts at page `pagina`; damage when it is not a
// table definition or does not hold together.
DefinizioneJet LeggiDefinizione(const PagineJet& file, std::uint32_t pagina);

// The pages the usage map of a table marks as its own, in ascending order.
// The map is either a bitmap held in the row (type 0, with its first page)
// or a list of bitmap pages (type 1, each covering a fixed run of pages).
std::vector<std::uint32_t> PagineDati(const PagineJet& file, const DefinizioneJet& definizione);

} // namespace jet
