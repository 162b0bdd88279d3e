#include "archivi/TestoJet.h"

#include "routines/TestoAnsi.h"

#include <QStringDecoder>

#include <algorithm>
#include <iterator>
#include <optional>

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

// The comparison of a Jet 4 compressed text whose characters up to where
// it parts from `testo` are stored one byte each, the common case, made
// straight on the bytes; nothing where a 0x00 byte (a switch to two bytes
// a character) or a missing "FF FE" leaves it to the general walk.
std::optional<std::strong_ordering> confrontoCompresso(ByteJet byte, QStringView testo) {
    const std::uint8_t* p = byte.data();
    const std::size_t n = byte.size();
    if (n < 2 || p[0] != 0xFF || p[1] != 0xFE)
        return std::nullopt;
    const char16_t* t = testo.utf16();
    const auto m = static_cast<std::size_t>(testo.size());
    std::size_t i = 2;
    std::size_t k = 0;
    for (; i < n && k < m && p[i] != 0x00 && p[i] == t[k]; ++i)
        ++k;
    if (i < n && p[i] == 0x00)
        return std::nullopt;
    if (i == n)
        return k == m ? std::strong_ordering::equal : std::strong_ordering::less;
    return k == m ? std::strong_ordering::greater : char16_t{p[i]} <=> t[k];
}

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
    if (!formato.jet3)
        if (const std::optional<std::strong_ordering> ordine = confrontoCompresso(byte, testo))
            return *ordine;
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

} // namespace jet
