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

  private:
    void leggiPosizioni(ByteJet riga, std::size_t inizioMaschera);

    const FormatoJet& formato_;
    const DefinizioneJet& definizione_;
    std::vector<CampoJet> campi_;
    std::vector<std::uint32_t> posizioni_;
    std::size_t fineDati_ = 0;
};

} // namespace jet
