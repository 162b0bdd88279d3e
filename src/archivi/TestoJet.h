#pragma once

#include "archivi/ByteJet.h"
#include "archivi/PagineJet.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <compare>

namespace jet {

// The text stored in a text or memo field, or in a name of the table
// definition. Jet 3 stores one or, in the East Asian code pages, two bytes
// per character in the Windows code page its header declares (Windows-1252
// when it declares none Jet 3 knows). Jet 4 stores UTF-16LE; a value that begins with FF FE is
// compressed: it starts with one byte per character (the low byte, the high one being zero) and
// every 0x00 byte switches between one and two bytes per character.
QString TestoJet(const FormatoJet& formato, ByteJet byte);

// How that text stands against `testo` in character-code order, the order
// of QString::compare: compared as stored, without building the text
// (except for Jet 3 code pages other than Windows-1252, decoded first).
std::strong_ordering ConfrontaTestoJet(const FormatoJet& formato, ByteJet byte, QStringView testo);

// A text that stored texts are compared with, one after the other: the
// outcome of ConfrontaTestoJet, with the bytes the text would have stored
// compressed in Jet 4 worked out once (when each of its characters takes
// one byte), against which such a stored text is compared a word at a time.
class TestoDaConfrontare {
  public:
    TestoDaConfrontare() = default;
    explicit TestoDaConfrontare(QString testo);

    std::strong_ordering confronta(const FormatoJet& formato, ByteJet byte) const;

  private:
    QString testo_;
    // "FF FE" and a byte a character; empty when a character takes two.
    QByteArray compresso_;
};

} // namespace jet
