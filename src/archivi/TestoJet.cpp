#include "archivi/TestoJet.h"

#include "routines/TestoAnsi.h"

#include <QStringDecoder>

#include <algorithm>
#include <iterator>

namespace jet {

namespace {

// The code pages of Jet 3 texts other than Western European (1252, the
// default): Thai, Japanese, Simplified Chinese, Korean, Traditional Chinese,
// Central European, Cyrillic, Greek, Turkish, Hebrew, Arabic, Baltic and
// Vietnamese.
constexpr std::uint16_t kCodePage[] = {874,  932,  936,  949,  950,  1250, 1251,
                                       1253, 1254, 1255, 1256, 1257, 1258};

QString testoJet4(ByteJet byte) {
    const std::uint8_t* p = byte.data();
    const std::size_t n = byte.size();
    QString testo;
    if (n >= 2 && p[0] == 0xFF && p[1] == 0xFE) {
        // At most one character per byte; the text is cut to what was decoded.
        testo.resize(static_cast<qsizetype>(n - 2));
        QChar* scrivi = testo.data();
        bool compresso = true;
        for (std::size_t i = 2; i < n;) {
            if (p[i] == 0x00) {
                compresso = !compresso;
                ++i;
            } else if (compresso) {
                *scrivi++ = QChar(static_cast<char16_t>(p[i]));
                ++i;
            } else if (i + 1 < n) {
                *scrivi++ = QChar(static_cast<char16_t>(p[i] | (p[i + 1] << 8)));
                i += 2;
            } else {
                break; // an odd byte at the end holds no character
            }
        }
        testo.truncate(scrivi - testo.constData());
        return testo;
    }
    testo.resize(static_cast<qsizetype>(n / 2));
    QChar* scrivi = testo.data();
    for (std::size_t i = 0; i + 1 < n; i += 2)
        *scrivi++ = QChar(static_cast<char16_t>(p[i] | (p[i + 1] << 8)));
    return testo;
}

} // namespace

QString TestoJet(const FormatoJet& formato, ByteJet byte) {
    if (!formato.jet3)
        return testoJet4(byte);
    const QByteArray testo = QByteArray::fromRawData(reinterpret_cast<const char*>(byte.data()),
                                                     static_cast<qsizetype>(byte.size()));
    if (std::find(std::begin(kCodePage), std::end(kCodePage), formato.codePage) ==
        std::end(kCodePage))
        return DaAnsi(testo);
    QStringDecoder decodifica(QByteArray("windows-" + QByteArray::number(formato.codePage)));
    return decodifica(testo);
}

} // namespace jet
