#include "mdbwriter/TestoJet.h"

namespace {

QByteArray Utf16(const QString& testo) {
    QByteArray byte;
    byte.reserve(testo.size() * 2);
    for (const QChar c : testo) {
        byte.append(static_cast<char>(c.unicode() & 0xFF));
        byte.append(static_cast<char>(c.unicode() >> 8));
    }
    return byte;
}

bool Comprimibile(const QString& testo) {
    for (const QChar c : testo)
        if ((c.unicode() & 0xFF) == 0)
            return false;
    return true;
}

QByteArray Compresso(const QString& testo) {
    QByteArray byte("\xFF\xFE", 2);
    bool unByte = true;
    for (const QChar c : testo) {
        const bool basso = c.unicode() < 0x100;
        if (basso != unByte) {
            byte.append('\0');
            unByte = basso;
        }
        byte.append(static_cast<char>(c.unicode() & 0xFF));
        if (!unByte)
            byte.append(static_cast<char>(c.unicode() >> 8));
    }
    return byte;
}

} // namespace

QByteArray TestoJet(const QString& testo, bool comprimi) {
    QByteArray pieno = Utf16(testo);
    if (!comprimi || testo.isEmpty() || !Comprimibile(testo))
        return pieno;
    QByteArray compresso = Compresso(testo);
    return compresso.size() < pieno.size() ? compresso : pieno;
}
