#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace jet {

// Raised by the decoders when the bytes of a file contradict its own
// structure (a pointer past the end, a length that does not fit). FileJet
// turns it into ErroreArchivio naming the file.
struct DannoJet {
    QString dettaglio;
};

// A view of bytes read from a database file in which every access is
// checked: a read outside the view is damage, never an out-of-bounds read.
// Numbers are little-endian, as Jet stores them.
class ByteJet {
  public:
    ByteJet() = default;
    ByteJet(const std::uint8_t* dati, std::size_t lunghezza) : dati_(dati), lunghezza_(lunghezza) {}

    std::size_t size() const { return lunghezza_; }
    bool empty() const { return lunghezza_ == 0; }
    const std::uint8_t* data() const { return dati_; }

    std::uint8_t u8(std::size_t i) const {
        verifica(i, 1);
        return dati_[i];
    }
    std::uint16_t u16(std::size_t i) const { return static_cast<std::uint16_t>(intero(i, 2)); }
    std::uint32_t u24(std::size_t i) const { return static_cast<std::uint32_t>(intero(i, 3)); }
    std::uint32_t u32(std::size_t i) const { return static_cast<std::uint32_t>(intero(i, 4)); }
    std::uint64_t u64(std::size_t i) const { return intero(i, 8); }
    double f64(std::size_t i) const {
        const std::uint64_t bit = u64(i);
        double valore;
        std::memcpy(&valore, &bit, sizeof valore);
        return valore;
    }
    float f32(std::size_t i) const {
        const std::uint32_t bit = u32(i);
        float valore;
        std::memcpy(&valore, &bit, sizeof valore);
        return valore;
    }

    // The `lunghezza` bytes from `da`, which must lie inside this view.
    ByteJet parte(std::size_t da, std::size_t lunghezza) const {
        verifica(da, lunghezza);
        return {dati_ + da, lunghezza};
    }
    // The bytes from `inizio` to the end.
    ByteJet da(std::size_t inizio) const {
        verifica(inizio, 0);
        return {dati_ + inizio, lunghezza_ - inizio};
    }

  private:
    void verifica(std::size_t i, std::size_t n) const {
        if (i > lunghezza_ || n > lunghezza_ - i)
            throw DannoJet{QStringLiteral("dati fuori dai limiti della struttura")};
    }
    std::uint64_t intero(std::size_t i, std::size_t n) const {
        verifica(i, n);
        std::uint64_t valore = 0;
        for (std::size_t k = n; k-- > 0;)
            valore = (valore << 8) | dati_[i + k];
        return valore;
    }

    const std::uint8_t* dati_ = nullptr;
    std::size_t lunghezza_ = 0;
};

// The bytes of `byte`, which must outlive the view.
inline ByteJet VistaDi(const QByteArray& byte) {
    return {reinterpret_cast<const std::uint8_t*>(byte.constData()),
            static_cast<std::size_t>(byte.size())};
}

} // namespace jet
