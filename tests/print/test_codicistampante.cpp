#include "print/CodiciStampante.h"
#include "print/NumeroDelCampo.h"
#include "routines/LeggiValore.h"

#include <gtest/gtest.h>

namespace {

TEST(CodiciStampante, StampaDiretta) {
    const auto codici =
        CodiciStampante::decodifica(QStringLiteral("027015000000000000027018000000000000"),
                                    QStringLiteral("000000000000000002060066000000000000"));
    EXPECT_FALSE(codici.driverWindows());
    const std::array<double, 12> attesi{27, 15, 0, 0, 0, 0, 27, 18, 0, 0, 0, 0};
    EXPECT_EQ(codici.compresso, attesi);
    EXPECT_EQ(codici.margineSuperiore(), 2);
    EXPECT_EQ(codici.lunghezzaRiempimento(true), 60);
    EXPECT_EQ(codici.lunghezzaRiempimento(false), 66);
}

TEST(CodiciStampante, DriverWindows) {
    const auto codici =
        CodiciStampante::decodifica(QStringLiteral("007000000000000001010000000000000000"), {});
    EXPECT_TRUE(codici.driverWindows());
    EXPECT_EQ(codici.codiceCompresso(1), 7);
    EXPECT_EQ(codici.codiceCompresso(7), 10);
    // A record with an empty Grassetto: no margin, fill length 0.
    EXPECT_EQ(codici.margineSuperiore(), 0);
    EXPECT_EQ(codici.lunghezzaRiempimento(false), 0);
}

TEST(CodiciStampante, GruppiCortiVuotiEFrazioni) {
    // 15 characters: groups 6 to 12 are missing and read 0; blanks read 0;
    // compressed codes keep fractions, bold codes are rounded half to even.
    const auto codici =
        CodiciStampante::decodifica(QStringLiteral("8.5   001 2x 01"), QStringLiteral("2.53.5007"));
    EXPECT_EQ(codici.compresso, (std::array<double, 12>{8.5, 0, 1, 2, 1, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(codici.grassetto, (std::array<std::int16_t, 12>{2, 4, 7, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_FALSE(codici.driverWindows());
}

TEST(CodiciStampante, SenzaRecord) {
    const CodiciStampante codici;
    EXPECT_FALSE(codici.driverWindows());
    EXPECT_EQ(codici.margineSuperiore(), 0);
    EXPECT_EQ(codici.lunghezzaRiempimento(true), 66);
    EXPECT_EQ(codici.lunghezzaRiempimento(false), 66);
}

TEST(LeggiValore, ComeLaSuiteLeggeINumeri) {
    EXPECT_EQ(LeggiValore(QStringLiteral("027")), 27);
    EXPECT_EQ(LeggiValore(QStringLiteral("   ")), 0);
    EXPECT_EQ(LeggiValore(QStringLiteral(" 1 2")), 12);
    EXPECT_EQ(LeggiValore(QStringLiteral("-3x")), -3);
    EXPECT_EQ(LeggiValore(QStringLiteral("1.25.3")), 1.25);
    EXPECT_EQ(LeggiValore(QStringLiteral("abc")), 0);
    EXPECT_EQ(NumeroDelCampo(Valore(QStringLiteral("12"))), 12);
    EXPECT_EQ(NumeroDelCampo(Valore(7)), 7);
    EXPECT_EQ(NumeroDelCampo(Valore()), 0);
}

} // namespace
