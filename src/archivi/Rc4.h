#pragma once

#include <cstddef>
#include <cstdint>

// RC4 applied in place (the same operation encrypts and decrypts). Jet
// masks part of its header page with it.
void Rc4(const std::uint8_t* chiave, std::size_t lunghezzaChiave, char* dati,
         std::size_t lunghezza);
