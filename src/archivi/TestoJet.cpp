#include "archivi/TestoJet.h"

#include "routines/TestoAnsi.h"

#include <QStringDecoder>

#include <algorithm>
#include <bit>
#include <cstring>
#include <iterator>
#include <utility>

namespace jet {

namespace {

// The code pages of Jet 3 texts other than Western European (1252, the
// default): Thai, Japanese, Simplified Chinese, Korean, Traditional Chinese,
// Central European, Cyrillic, Greek, Turkish, Hebrew, Arabic, Baltic and
// Vietnamese.
constexpr std::uint16_t kCodePage[] = {874,  932,  936,  949,  950,  1250, 1251,
                                       1253, 1254, 1255, 1256, 1257, 1258};

bool codePageDiversa(const FormatoJet& formato) {
    return std::find(std::begin(kCodePage), std::end(kCodePage), formato.codePage) !=
           std::end(kCodePage);
}

// The UTF-16 code units of a stored text, one at a time: Jet 4 texts
// compressed or not, and Jet 3 texts in Windows-1252 (one byte each).
class Caratteri {
  public:
    Caratteri(const FormatoJet& formato, ByteJet byte)
        : p_(byte.data()), n_(byte.size()), ansi_(formato.jet3) {
        if (!ansi_ && n_ >= 2 && p_[0] == 0xFF && p_[1] == 0xFE) {
            compresso_ = true;
            unByte_ = true;
            i_ = 2;
        }
    }

    // At most this many characters follow.
    std::size_t massimo() const { return ansi_ || compresso_ ? n_ - i_ : (n_ - i_) / 2; }

    // Passes over the characters that equal the next ones of `testo` from
    // `k`, in the stored form's own steps, and returns the index in `testo`
    // of the first that does not (or may not: a switch of a compressed
    // text); prossimo() goes on from there.
    std::size_t saltaUguali(QStringView testo, std::size_t k) {
        const char16_t* t = testo.utf16();
        const auto n = static_cast<std::size_t>(testo.size());
        std::size_t i = i_;
        if (ansi_) {
            for (; i < n_ && k < n && CarattereAnsi(p_[i]) == t[k]; ++i)
                ++k;
        } else if (unByte_) {
            for (; i < n_ && k < n && p_[i] != 0x00 && p_[i] == t[k]; ++i)
                ++k;
        } else {
            for (; i + 1 < n_ && k < n && (!compresso_ || p_[i] != 0x00) &&
                   (p_[i] | (p_[i + 1] << 8)) == t[k];
                 i += 2)
                ++k;
        }
        i_ = i;
        return k;
    }

    // The next character into `c`; false at the end. An odd byte at the
    // end of a two-byte stretch holds no character.
    bool prossimo(char16_t& c) {
        for (; i_ < n_; ++i_) {
            if (ansi_) {
                c = CarattereAnsi(p_[i_++]);
                return true;
            }
            if (compresso_ && p_[i_] == 0x00) {
                unByte_ = !unByte_;
                continue;
            }
            if (unByte_) {
                c = p_[i_++];
                return true;
            }
            if (i_ + 1 >= n_)
                break;
            c = static_cast<char16_t>(p_[i_] | (p_[i_ + 1] << 8));
            i_ += 2;
            return true;
        }
        i_ = n_;
        return false;
    }

  private:
    const std::uint8_t* p_;
    std::size_t n_;
    std::size_t i_ = 0;
    bool ansi_;
    bool compresso_ = false;
    bool unByte_ = false;
};

} // namespace

QString TestoJet(const FormatoJet& formato, ByteJet byte) {
    if (formato.jet3 && codePageDiversa(formato)) {
        QStringDecoder decodifica(QByteArray("windows-" + QByteArray::number(formato.codePage)));
        return decodifica(QByteArray::fromRawData(reinterpret_cast<const char*>(byte.data()),
                                                  static_cast<qsizetype>(byte.size())));
    }
    Caratteri caratteri(formato, byte);
    // Written straight into the text, then cut to what was decoded.
    QString testo(static_cast<qsizetype>(caratteri.massimo()), Qt::Uninitialized);
    char16_t* scrivi = reinterpret_cast<char16_t*>(testo.data());
    for (char16_t c; caratteri.prossimo(c);)
        *scrivi++ = c;
    testo.truncate(scrivi - reinterpret_cast<const char16_t*>(testo.constData()));
    return testo;
}

std::strong_ordering ConfrontaTestoJet(const FormatoJet& formato, ByteJet byte, QStringView testo) {
    if (formato.jet3 && codePageDiversa(formato))
        return QStringView(TestoJet(formato, byte)).compare(testo, Qt::CaseSensitive) <=> 0;
    Caratteri caratteri(formato, byte);
    for (auto k = caratteri.saltaUguali(testo, 0); k < static_cast<std::size_t>(testo.size());
         k = caratteri.saltaUguali(testo, k + 1)) {
        const char16_t atteso = testo.utf16()[k];
        char16_t c;
        if (!caratteri.prossimo(c))
            return std::strong_ordering::less;
        if (c != atteso)
            return c <=> atteso;
    }
    char16_t c;
    return caratteri.prossimo(c) ? std::strong_ordering::greater : std::strong_ordering::equal;
}

TestoDaConfrontare::TestoDaConfrontare(QString testo) : testo_(std::move(testo)) {
    const bool unByte = std::all_of(testo_.cbegin(), testo_.cend(), [](QChar c) {
        return c.unicode() != 0 && c.unicode() <= 0xFF;
    });
    if (!unByte)
        return;
    compresso_.reserve(testo_.size() + 2);
    compresso_ += "\xFF\xFE";
    for (const QChar c : testo_)
        compresso_ += static_cast<char>(c.unicode());
}

std::strong_ordering TestoDaConfrontare::confronta(const FormatoJet& formato, ByteJet byte) const {
    // A Jet 4 text compressed, its characters one byte each up to where it
    // parts from this one, compared with the form this one would have,
    // eight bytes at a time: the common case, whose outcome is the byte
    // where they part. A 0x00 byte there (a switch to two bytes a
    // character), another form or another text leave it to the general walk.
    const auto* p = byte.data();
    const auto* q = reinterpret_cast<const std::uint8_t*>(compresso_.constData());
    const std::size_t n = byte.size();
    const auto m = static_cast<std::size_t>(compresso_.size());
    if (formato.jet3 || m == 0 || n < 2 || p[0] != 0xFF || p[1] != 0xFE)
        return ConfrontaTestoJet(formato, byte, testo_);
    const std::size_t comuni = std::min(n, m);
    std::size_t i = 2;
    // The lowest differing byte of two words read from memory is the first
    // one where the machine puts the least significant byte first.
    if constexpr (std::endian::native == std::endian::little) {
        for (; i + 8 <= comuni; i += 8) {
            std::uint64_t a = 0;
            std::uint64_t b = 0;
            std::memcpy(&a, p + i, 8);
            std::memcpy(&b, q + i, 8);
            if (a != b) {
                i += static_cast<std::size_t>(std::countr_zero(a ^ b)) / 8;
                break;
            }
        }
    }
    while (i < comuni && p[i] == q[i])
        ++i;
    if (i < n && p[i] == 0x00)
        return ConfrontaTestoJet(formato, byte, testo_);
    if (i < comuni)
        return p[i] <=> q[i];
    if (n == m)
        return std::strong_ordering::equal;
    return n < m ? std::strong_ordering::less : std::strong_ordering::greater;
}

} // namespace jet
