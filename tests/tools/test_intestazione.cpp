// The header page, its RC4-masked area, and Jet's date numbers.
#include "archivi/Rc4.h"
#include "mdbwriter/DataJet.h"
#include "mdbwriter/Intestazione.h"
#include "prove/util/StampaQString.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>

TEST(Rc4, VettoreNoto) {
    const std::uint8_t chiave[] = {'K', 'e', 'y'};
    char testo[] = "Plaintext";
    Rc4(chiave, sizeof chiave, testo, 9);
    EXPECT_EQ(QByteArray(testo, 9).toHex(), QByteArray("bbf316e8d940af0ad3"));
}

TEST(Intestazione, FirmaVersioneEAreaMascherata) {
    std::array<char, 4096> pagina{};
    ScriviIntestazione(pagina.data(), 45351.5);
    EXPECT_EQ(pagina[0], 0x00);
    EXPECT_EQ(QByteArray(pagina.data() + 4, 16), QByteArray("Standard Jet DB\0", 16));
    EXPECT_EQ(pagina[0x14], 0x01) << "Jet 4";
    const std::uint8_t chiave[] = {0xC7, 0xDA, 0x39, 0x6B};
    Rc4(chiave, sizeof chiave, pagina.data() + 0x18, 128);
    EXPECT_EQ(QByteArray(pagina.data() + 0x3C, 6), QByteArray("\xE4\x04\0\0\0\0", 6))
        << "code page 1252, no key";
    EXPECT_EQ(QByteArray(pagina.data() + 0x6E, 2), QByteArray("\x09\x04", 2));
    double data = 0;
    std::memcpy(&data, pagina.data() + 0x72, sizeof data);
    EXPECT_EQ(data, 45351.5);
    EXPECT_TRUE(std::all_of(pagina.begin() + 0x98, pagina.end(), [](char c) { return c == 0; }));
}

TEST(DataJet, GiorniDal1899) {
    EXPECT_EQ(GiorniJet(QDateTime(QDate(1899, 12, 30), QTime(0, 0))), 0.0);
    EXPECT_EQ(GiorniJet(QDateTime(QDate(1900, 3, 1), QTime(0, 0))), 61.0);
    EXPECT_EQ(GiorniJet(QDateTime(QDate(2024, 2, 29), QTime(12, 0))), 45351.5);
    EXPECT_EQ(GiorniJet(QDateTime(QDate(1899, 12, 30), QTime(18, 0))), 0.75);
    // Before the epoch the whole part counts back, the time of day stays positive.
    EXPECT_EQ(GiorniJet(QDateTime(QDate(1899, 12, 29), QTime(6, 0))), -1.25);
    EXPECT_EQ(GiorniJet(QDateTime(QDate(1899, 12, 28), QTime(18, 0))), -2.75);
    EXPECT_EQ(ValoreData(QDate(2026, 1, 5)), Valore::dataOra(46027.0));
}
