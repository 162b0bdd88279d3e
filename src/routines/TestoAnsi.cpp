#include "routines/TestoAnsi.h"

#include <array>

namespace {

// Unicode values of bytes 0x80..0x9F; the rest of the page equals Latin-1.
constexpr std::array<char16_t, 32> kAlti = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

char16_t CarattereAnsi(unsigned char b) {
    return (b >= 0x80 && b <= 0x9F) ? kAlti[b - 0x80] : static_cast<char16_t>(b);
}

QString DaAnsi(QByteArrayView byte) {
    QString testo(byte.size(), Qt::Uninitialized);
    QChar* scrivi = testo.data();
    for (const char b : byte)
        *scrivi++ = QChar(CarattereAnsi(static_cast<unsigned char>(b)));
    return testo;
}

int ByteAnsi(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (std::size_t i = 0; i < kAlti.size(); ++i) {
        if (kAlti[i] == u)
            return static_cast<int>(0x80 + i);
    }
    return -1;
}

QByteArray InAnsi(const QString& testo) {
    QByteArray byte;
    AggiungiInAnsi(byte, testo);
    return byte;
}

void AggiungiInAnsi(QByteArray& byte, QStringView testo) {
    const qsizetype inizio = byte.size();
    byte.resize(inizio + testo.size());
    char* scrivi = byte.data() + inizio;
    for (const QChar c : testo) {
        const int b = ByteAnsi(c);
        *scrivi++ = static_cast<char>(b < 0 ? '?' : b);
    }
}
