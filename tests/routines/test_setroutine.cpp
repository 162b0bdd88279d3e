#include "routines/Orologio.h"
#include "routines/SetRoutine.h"

#include "prove/util/StampaQString.h"

#include <gtest/gtest.h>

namespace {

bool valida(QString testo) {
    return ControllaData(testo);
}

QString completa(QString testo) {
    return CompletaData(testo);
}

class OrologioFisso : public ::testing::Test {
  protected:
    void SetUp() override { FissaOrologio(QDateTime(QDate(2026, 12, 8), QTime(10, 30))); }
    void TearDown() override { FissaOrologio(std::nullopt); }
};

} // namespace

TEST(ControllaData, AcceptsCalendarDatesAndAnySeparator) {
    for (const char* data : {"  31/12/2026 ", "29/02/2024", "29/02/1900", "01-02-2026",
                             "01.02.2026", "1//2//2026", "01/01/1900"})
        EXPECT_TRUE(valida(QString::fromUtf8(data))) << data;
}

TEST(ControllaData, RejectsImpossibleOrShortDates) {
    for (const char* data :
         {"29/02/2026", "31/04/2026", "00/01/2026", "01/13/2026", "01/00/2026", "01/01/1899",
          "1/2/2026", "", "          ", "aa/bb/cccc", "32/01/2026"})
        EXPECT_FALSE(valida(QString::fromUtf8(data))) << data;
}

TEST(ControllaData, WritesBackTheTrimmedTextOnlyWhenTenLong) {
    QString testo = QStringLiteral("  07/01/2026  ");
    ControllaData(testo);
    EXPECT_EQ(testo, QStringLiteral("07/01/2026"));
    QString corto = QStringLiteral(" 7/1/2026 ");
    ControllaData(corto);
    EXPECT_EQ(corto, QStringLiteral(" 7/1/2026 "));
}

// Each date is checked against the February of its own year, whatever year
// was checked or counted before it.
TEST(ControllaData, FebruaryFollowsTheYearOfEachDate) {
    EXPECT_TRUE(valida(QStringLiteral("29/02/2024")));
    EXPECT_FALSE(valida(QStringLiteral("29/02/2026")));
    EXPECT_TRUE(valida(QStringLiteral("29/02/2024")));
    EXPECT_EQ(CalcolaGiornoSettimana(QStringLiteral("01/03/2023")), 2);
    EXPECT_TRUE(valida(QStringLiteral("29/02/2024")));
}

TEST_F(OrologioFisso, CompletaDataPutsTwoDigitYearsInTheHundredYearsEndingTwentyAhead) {
    EXPECT_EQ(completa("010226"), QStringLiteral("01/02/2026"));
    EXPECT_EQ(completa("010225"), QStringLiteral("01/02/2025"));
    EXPECT_EQ(completa("010246"), QStringLiteral("01/02/2046"));
    EXPECT_EQ(completa("010247"), QStringLiteral("01/02/1947"));
    EXPECT_EQ(completa("070199"), QStringLiteral("07/01/1999"));
    EXPECT_EQ(completa("070100"), QStringLiteral("07/01/2000"));
}

TEST(CompletaData, WindowMovesWithTheClock) {
    FissaOrologio(QDateTime(QDate(2090, 1, 1), QTime(0, 0)));
    EXPECT_EQ(completa("010199"), QStringLiteral("01/01/2099"));
    EXPECT_EQ(completa("010110"), QStringLiteral("01/01/2110"));
    EXPECT_EQ(completa("010111"), QStringLiteral("01/01/2011"));
    FissaOrologio(std::nullopt);
}

TEST_F(OrologioFisso, CompletaDataRearrangesEightAndKeepsOtherLengths) {
    EXPECT_EQ(completa("01022026"), QStringLiteral("01/02/2026"));
    EXPECT_EQ(completa("01/02/2026"), QStringLiteral("01/02/2026"));
    EXPECT_EQ(completa("1226"), QStringLiteral("1226"));
    EXPECT_EQ(completa("1/2/2026"), QStringLiteral("1//2//2026"));
    EXPECT_EQ(completa(""), QString());
    QString testo = QStringLiteral("311226");
    CompletaData(testo);
    EXPECT_EQ(testo, QStringLiteral("31/12/2026"));
}

TEST(PulisciTesto, UpperCasesDropsApostrophesNeverEmpty) {
    EXPECT_EQ(PulisciTesto(QStringLiteral("dell'hotel")), QStringLiteral("DELLHOTEL"));
    EXPECT_EQ(PulisciTesto(QString()), QStringLiteral(" "));
    EXPECT_EQ(PulisciTesto(QStringLiteral("'")), QStringLiteral(" "));
    EXPECT_EQ(PulisciTesto(QStringLiteral("città 12b")), QStringLiteral("CITTÀ 12B"));
}

TEST(PulisciTesto, HandlesTextsFarBeyondSixteenBitPositions) {
    const QString lungo(100000, u'a');
    const QString pulito = PulisciTesto(lungo + u'\'');
    EXPECT_EQ(pulito, QString(100000, u'A'));
}

TEST(CalcolaGiornoSettimana, CountsFromMondayFirstOfJanuary1996) {
    EXPECT_EQ(CalcolaGiornoSettimana(QStringLiteral("01/01/1996")), 0);
    EXPECT_EQ(CalcolaGiornoSettimana(QStringLiteral("07/01/1996")), 6);
    EXPECT_EQ(CalcolaGiornoSettimana(QStringLiteral("29/02/2024")), 3);
    EXPECT_EQ(CalcolaGiornoSettimana(QStringLiteral("01/01/2026")), 3);
    EXPECT_EQ(CalcolaGiornoSettimana(QStringLiteral("08/12/2026")), 1);
}

TEST(CalcolaGiornoSettimana, AgreesWithTheCalendarBackToNineteenHundredAndOne) {
    // The suite's leap rule has no century exception, so from 1901 to 2099 it
    // matches the real calendar, forwards and backwards from 1996.
    for (QDate giorno(1901, 3, 1); giorno < QDate(2099, 12, 31); giorno = giorno.addDays(97)) {
        const QString testo = giorno.toString(QStringLiteral("dd/MM/yyyy"));
        EXPECT_EQ(CalcolaGiornoSettimana(testo), giorno.dayOfWeek() - 1) << testo.toStdString();
    }
}

TEST(AnnoBisestile, EveryFourthYearWithoutCenturyRule) {
    EXPECT_TRUE(AnnoBisestile(2024));
    EXPECT_FALSE(AnnoBisestile(2026));
    EXPECT_TRUE(AnnoBisestile(2000));
    EXPECT_TRUE(AnnoBisestile(2100));
    EXPECT_TRUE(AnnoBisestile(1900));
}

TEST(LeggiNumero, SkipsBlanksStopsAtTheFirstNonDigit) {
    EXPECT_EQ(LeggiNumero(QStringLiteral(" 1 2")), 12);
    EXPECT_EQ(LeggiNumero(QStringLiteral("7/")), 7);
    EXPECT_EQ(LeggiNumero(QStringLiteral("ab")), 0);
    EXPECT_EQ(LeggiNumero(QStringLiteral("-3")), -3);
    EXPECT_EQ(LeggiNumero(QString()), 0);
}

TEST(ConvertiCornici, ReplacesOnlyTheSingleLineFrameCodes) {
    QString riga(40, QChar(196));
    EXPECT_EQ(ConvertiCornici(riga), QString(40, u'-'));
    const QString vert =
        QString(QChar(179)) + QChar(180) + QChar(183) + QChar(186) + QChar(195) + QChar(204);
    QString copia = vert;
    EXPECT_EQ(ConvertiCornici(copia), QStringLiteral("||||||"));
    for (int codice : {181, 182, 184, 185, 189, 190, 198, 199, 205, 207, 216, 65}) {
        QString uno(1, QChar(codice));
        EXPECT_EQ(ConvertiCornici(uno), QString(1, QChar(codice))) << codice;
    }
    QString lunga(100000, QChar(197));
    EXPECT_EQ(ConvertiCornici(lunga).size(), 100000);
    EXPECT_EQ(lunga, QString(100000, u'-'));
}
