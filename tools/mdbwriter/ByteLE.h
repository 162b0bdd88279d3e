#pragma once

#include <QByteArray>

#include <cstdint>
#include <cstring>

// Little-endian stores into a byte buffer, the byte order of every number
// in a Jet file.
inline void Scrivi16(char* dove, std::uint32_t valore) {
    dove[0] = static_cast<char>(valore & 0xFF);
    dove[1] = static_cast<char>((valore >> 8) & 0xFF);
}

inline void Scrivi24(char* dove, std::uint32_t valore) {
    Scrivi16(dove, valore);
    dove[2] = static_cast<char>((valore >> 16) & 0xFF);
}

inline void Scrivi32(char* dove, std::uint32_t valore) {
    Scrivi16(dove, valore);
    Scrivi16(dove + 2, valore >> 16);
}

inline void Scrivi64(char* dove, std::uint64_t valore) {
    Scrivi32(dove, static_cast<std::uint32_t>(valore));
    Scrivi32(dove + 4, static_cast<std::uint32_t>(valore >> 32));
}

inline void ScriviDouble(char* dove, double valore) {
    std::uint64_t bit;
    std::memcpy(&bit, &valore, sizeof bit);
    Scrivi64(dove, bit);
}

inline void ScriviFloat(char* dove, float valore) {
    std::uint32_t bit;
    std::memcpy(&bit, &valore, sizeof bit);
    Scrivi32(dove, bit);
}

inline void Accoda16(QByteArray& byte, std::uint32_t valore) {
    char b[2];
    Scrivi16(b, valore);
    byte.append(b, 2);
}

inline void Accoda32(QByteArray& byte, std::uint32_t valore) {
    char b[4];
    Scrivi32(b, valore);
    byte.append(b, 4);
}

// A page and row number packed the Jet way: row in the low byte, page in the
// upper three.
inline std::uint32_t PaginaRiga(std::uint32_t pagina, unsigned riga) {
    return (pagina << 8) | (riga & 0xFF);
}
