#include "routines/TestoAnsi.h"

#include "prove/util/StampaQString.h"

#include <gtest/gtest.h>

TEST(TestoAnsi, EveryByteSurvivesAReadAndAWrite) {
    QByteArray tutti;
    for (int b = 0; b < 256; ++b)
        tutti.append(static_cast<char>(b));
    const QString testo = DaAnsi(tutti);
    ASSERT_EQ(testo.size(), 256);
    EXPECT_EQ(InAnsi(testo), tutti);
}

TEST(TestoAnsi, DecodesWindows1252NotLatin1) {
    EXPECT_EQ(DaAnsi(QByteArray("\x80\x92\xE0", 3)), QString::fromUtf8("€’à"));
    EXPECT_EQ(InAnsi(QString::fromUtf8("€ Città")), QByteArray("\x80 Citt\xE0"));
    // Frame bytes read as characters keep their byte value as code.
    EXPECT_EQ(DaAnsi(QByteArray("\xC4\xB3", 2)).at(0).unicode(), 196);
}

TEST(TestoAnsi, CharactersOutsideThePageBecomeQuestionMarks) {
    EXPECT_EQ(InAnsi(QString::fromUtf8("Ωx")), QByteArray("?x"));
    EXPECT_EQ(ByteAnsi(QChar(0x3A9)), -1);
    EXPECT_EQ(ByteAnsi(QChar(0x20AC)), 0x80);
}
