#include "archivi/Rc4.h"

#include <array>
#include <utility>

void Rc4(const std::uint8_t* chiave, std::size_t lunghezzaChiave, char* dati,
         std::size_t lunghezza) {
    std::array<std::uint8_t, 256> s;
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] = static_cast<std::uint8_t>(i);
    std::uint8_t j = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        j = static_cast<std::uint8_t>(j + s[i] + chiave[i % lunghezzaChiave]);
        std::swap(s[i], s[j]);
    }
    std::uint8_t a = 0;
    std::uint8_t b = 0;
    for (std::size_t k = 0; k < lunghezza; ++k) {
        a = static_cast<std::uint8_t>(a + 1);
        b = static_cast<std::uint8_t>(b + s[a]);
        std::swap(s[a], s[b]);
        dati[k] = static_cast<char>(static_cast<std::uint8_t>(dati[k]) ^
                                    s[static_cast<std::uint8_t>(s[a] + s[b])]);
    }
}
