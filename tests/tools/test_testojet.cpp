#include "mdbwriter/TestoJet.h"
#include "prove/util/StampaQString.h"

#include <gtest/gtest.h>

TEST(TestoJet, CompressioneQuandoAccorcia) {
    EXPECT_EQ(TestoJet(QString("Città"), true), QByteArray("\xFF\xFE"
                                                           "Citt\xE0",
                                                           7));
    EXPECT_EQ(TestoJet(QString("Città"), false), QByteArray("C\0i\0t\0t\0\xE0\0", 10));
    // Characters beyond 0xFF switch to two bytes and back with a zero byte.
    EXPECT_EQ(TestoJet(QString::fromUtf8("abcΩdef"), true), QByteArray("\xFF\xFE"
                                                                       "abc\0\xA9\x03\0def",
                                                                       12));
    // Not shorter, so left as UTF-16.
    EXPECT_EQ(TestoJet(QString("ab"), true), QByteArray("a\0b\0", 4));
    EXPECT_EQ(TestoJet(QString::fromUtf8("aΩb"), true), QByteArray("a\0\xA9\x03"
                                                                   "b\0",
                                                                   6));
    EXPECT_EQ(TestoJet(QString(), true), QByteArray());
}

TEST(TestoJet, CarattereConByteBassoZeroMaiCompresso) {
    // U+0100 has a zero low byte, which a reader would take for a switch.
    const QString testo = QString("aaaaaa") + QChar(0x100);
    EXPECT_EQ(TestoJet(testo, true), QByteArray("a\0a\0a\0a\0a\0a\0\0\x01", 14));
}
