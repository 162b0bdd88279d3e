#pragma once

#include <QString>

#include <array>
#include <cstdint>

// A printer type, record of table SetStampa in "Stampanti.mdb": the twelve
// CodiciCompresso and the twelve CodiciGrassetto, each decoded from a text of
// twelve groups of three characters.
struct CodiciStampante {
    // Codes 1..12 at indices 0..11. CodiciCompresso keep their fractions;
    // CodiciGrassetto are rounded to whole numbers.
    std::array<double, 12> compresso{};
    std::array<std::int16_t, 12> grassetto{};
    // False when SetStampa has no record for the type: every code is 0.
    bool trovato = false;

    // Code k, counted from 1 as the suite numbers them.
    double codiceCompresso(int k) const { return compresso.at(static_cast<std::size_t>(k - 1)); }
    std::int16_t codiceGrassetto(int k) const {
        return grassetto.at(static_cast<std::size_t>(k - 1));
    }

    // Compressed code 6 = 1: print through the Windows printer driver; any
    // other value: send the bytes directly to the target.
    bool driverWindows() const { return codiceCompresso(6) == 1; }
    // Blank lines at the top of every page (CodiciGrassetto 6).
    std::int16_t margineSuperiore() const { return codiceGrassetto(6); }
    // The page length up to which option "U" fills a page with empty lines
    // (CodiciGrassetto 7 for compressed print, 8 otherwise; 66 without a record).
    std::int16_t lunghezzaRiempimento(bool compressa) const;

    // Code k is the number at the start of characters 3k-2 .. 3k of each text
    // ("027" is 27, "   " is 0); groups beyond the end of a text are 0.
    static CodiciStampante decodifica(const QString& compresso, const QString& grassetto);
};

// The codes of printer type `tipoStampa`, searched with "TipoStampa = " the type.
CodiciStampante LeggiCodiciStampante(double tipoStampa);
