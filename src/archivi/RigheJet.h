#pragma once

#include "archivi/ByteJet.h"
#include "archivi/PagineJet.h"

#include <cstdint>
#include <functional>

namespace jet {

struct DefinizioneJet;

// Rows on a data page. After the page header comes the row count and one
// 16-bit offset per row slot; rows are stored from the end of the page
// backwards, so a row runs from its offset to the offset of the slot before
// it (the page end for slot 0). The offset's top bits are flags.
namespace righe {

constexpr std::uint8_t kPaginaDati = 0x01;
constexpr std::uint16_t kCancellata = 0x8000; // deleted, or the moved copy of a relocated row
constexpr std::uint16_t kRimando = 0x4000; // alone: the row was relocated, this slot points to it
constexpr std::uint16_t kPosizione = 0x1FFF;

std::uint16_t numero(const FormatoJet& formato, ByteJet pagina);
std::uint16_t opzioni(const FormatoJet& formato, ByteJet pagina, std::uint16_t slot);
// The bytes of a slot; damage when the slot does not exist or its offsets
// do not describe a span of the page after the offset table.
ByteJet dati(const FormatoJet& formato, ByteJet pagina, std::uint16_t slot);
// The bytes of the row at `pgRiga` (page number in the upper 24 bits, slot
// in the low byte) on a data page, read into `pagina`.
ByteJet datiA(const PagineJet& file, std::uint32_t pgRiga, PaginaJet& pagina);

// Calls `fai` with the bytes of every live row of a table, in the table's
// own order: its data pages in ascending page number, their slots in order;
// deleted slots (and moved copies) are skipped, and a relocated row is read
// where its pointer stands, so it appears once and in its place. The bytes
// are valid during the call only.
void Percorri(const PagineJet& file, const DefinizioneJet& definizione,
              const std::function<void(ByteJet)>& fai);

} // namespace righe

} // namespace jet
