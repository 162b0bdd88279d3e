#pragma once

#include <cstddef>
#include <cstdint>

namespace jet {

// The file header (page 0). From offset 0x18 Jet masks 126 bytes (Jet 3) or
// 128 (Jet 4 and later) with RC4 under a fixed key; among them the code
// page of Jet 3 texts and the key the pages are encrypted with, 0 when
// they are stored in clear.
constexpr std::size_t kInizioMaschera = 0x18;
constexpr std::size_t kFineMaschera = kInizioMaschera + 128;
constexpr std::size_t kCodePage = 0x3C;
constexpr std::size_t kChiaveCifratura = 0x3E;

// Masks the header's bytes, or unmasks them: the operation is its own
// inverse. `pagina` holds at least kFineMaschera bytes.
void MascheraIntestazione(char* pagina, bool jet3);

// What the reader takes from the header.
struct IntestazioneJet {
    std::uint16_t codePage = 1252;
    // The pages are encrypted (Jet's own encoding, or Office encryption in
    // ACE files with a password): they cannot be read without the password.
    // A database password alone leaves the key at 0 and the pages in clear.
    bool cifrata = false;
};

// `pagina`: the first kFineMaschera bytes of the file, as stored.
IntestazioneJet LeggiIntestazione(const char* pagina, bool jet3);

} // namespace jet
