#pragma once

#include <cstdint>

// The column types a Jet 4 table can hold, with the type codes that the
// table definition stores.
enum class TipoJet : std::uint8_t {
    Boolean = 0x01,
    Byte = 0x02,
    Integer = 0x03,
    Long = 0x04,
    Currency = 0x05,
    Single = 0x06,
    Double = 0x07,
    DateTime = 0x08,
    Binary = 0x09,
    Text = 0x0A,
    OleObject = 0x0B,
    Memo = 0x0C,
};

// Fixed-length types sit in the row's fixed area; the others are variable.
bool TipoFisso(TipoJet tipo);
// Bytes a fixed-length value takes in the fixed area (a boolean takes none:
// its value is the row's null-mask bit).
int DimensioneFissa(TipoJet tipo);
// Long values (memo, OLE) are stored through a 12-byte reference and may
// live on long-value pages.
bool TipoLungo(TipoJet tipo);
