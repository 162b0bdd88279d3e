#pragma once

#include "archivi/ByteJet.h"
#include "archivi/DefinizioneJet.h"
#include "archivi/PagineJet.h"

#include <cstdint>
#include <vector>

namespace jet {

// One field of a row as stored: its null-mask bit (set when the field has a
// value; for a boolean column the bit is the value, except for a calculated
// one, whose value is in the row) and its bytes.
struct CampoJet {
    bool bit = false;
    ByteJet byte;
};

// Splits rows of one table into their fields.
//
// A row holds its column count, the fixed-length values at the offsets the
// definition gives, the variable-length values, then from the end backwards
// the null mask, the count of variable columns and their offsets (one byte
// each in Jet 3, with a jump table adding 256 per jump for long rows; two
// bytes in Jet 4), the last offset marking the end of the data. A column the
// row predates (its number not below the row's column count) is null.
class ScomposizioneRiga {
  public:
    ScomposizioneRiga(const FormatoJet& formato, const DefinizioneJet& definizione);

    // The fields of `riga` in the definition's column order; they point into
    // `riga` and stay valid until the next call. Damage when the row's own
    // counts and offsets do not fit inside it.
    const std::vector<CampoJet>& scomponi(ByteJet riga);

    // For a reader that needs a few fields of a row: leggi() takes the row's
    // counts, null mask and table of variable offsets (damage when they do
    // not fit inside it), then campo() locates one field of the column at
    // `colonna` in the definition, alone, with the checks scomponi() makes
    // for it. The field points into the row, which must outlive its use.
    void leggi(ByteJet riga);
    CampoJet campo(std::size_t colonna) const;

  private:
    void leggiPosizioni();
    // Offset of the start of variable column `i` of the row; `i` up to the
    // row's variable count, whose offset is the end of the last one. The
    // offsets are read unchecked: leggi() found the whole table inside the row.
    std::size_t posizione(std::size_t i) const {
        const std::uint8_t* p = riga_.data();
        if (formato_.jet3) {
            std::size_t salti = 0;
            while (salti < saltiValidi_ && salto(salti) <= i)
                ++salti;
            return p[primaPosizione_ - i] + 256 * salti;
        }
        p += inizioMaschera_ - 4 - 2 * i;
        return static_cast<std::size_t>(p[0] | (p[1] << 8));
    }
    // Jet 3: entry `j` of the jump table, the first variable column past
    // 256 * (j + 1) bytes of row.
    std::size_t salto(std::size_t j) const { return riga_.data()[inizioMaschera_ - 2 - j]; }

    const FormatoJet& formato_;
    const DefinizioneJet& definizione_;
    std::vector<CampoJet> campi_;
    ByteJet riga_;
    std::size_t colonneRiga_ = 0;
    std::size_t inizioMaschera_ = 0;
    std::size_t variabiliRiga_ = 0;
    // Jet 3 only: where the offset of variable column 0 lies (those of the
    // next columns precede it), and how many entries of the jump table count.
    std::size_t primaPosizione_ = 0;
    std::size_t saltiValidi_ = 0;
    std::size_t fineDati_ = 0;
};

} // namespace jet
