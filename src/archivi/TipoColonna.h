#pragma once

#include <cstdint>

namespace jet {

// Column types as a table definition codes them: the one table of these
// codes, for the reader and for the fixture writer alike.
enum class TipoColonna : std::uint8_t {
    Booleano = 0x01,
    Byte = 0x02,
    Intero = 0x03,
    Lungo = 0x04,
    Valuta = 0x05,
    Singolo = 0x06,
    Doppio = 0x07,
    DataOra = 0x08,
    Binario = 0x09,
    Testo = 0x0A,
    Ole = 0x0B,
    Memo = 0x0C,
    Guid = 0x0F,
    Numerico = 0x10,      // decimal: a 128-bit integer with the column's scale
    Grande = 0x13,        // 64-bit integer (Access 2016 and later)
    DataOraEstesa = 0x14, // Date/Time Extended (Access 2019 and later)
};

} // namespace jet
