#include "output/StampaDriver.h"

#include "prove/output/DatiDiProva.h"
#include "prove/output/SuperficieRegistrata.h"
#include "prove/util/StampaQString.h"
#include "routines/TestoAnsi.h"

#include <gtest/gtest.h>

namespace {

using Orientamento = SuperficieStampa::Orientamento;

ImpostazioniDriver ImpostaDriver(int lungPag, int margine) {
    ImpostazioniDriver imp;
    imp.puntiSpaziatura = 7;
    imp.puntiTesto = 10;
    imp.lunghezzaPagina = lungPag;
    imp.margineSuperiore = margine;
    return imp;
}

SuperficieRegistrata Stampa(const QStringList& righe, const ImpostazioniDriver& imp) {
    SuperficieRegistrata stampante;
    StampaSuDriver(righe, imp, stampante);
    return stampante;
}

// The spacing line in Times New Roman at the spacing size, then the margin.
void ControllaTestaDiPagina(const SuperficieRegistrata::Pagina& pagina, int margine,
                            const char* dove) {
    SCOPED_TRACE(dove);
    ASSERT_GE(pagina.righe.size(), margine + 1);
    const auto& spaziatura = pagina.righe.at(0).tratti;
    ASSERT_EQ(spaziatura.size(), 1);
    EXPECT_EQ(spaziatura.at(0).testo, QStringLiteral(" "));
    EXPECT_EQ(spaziatura.at(0).font, QStringLiteral("Times New Roman"));
    EXPECT_EQ(spaziatura.at(0).punti, 7);
    for (int i = 1; i <= margine; ++i) {
        ASSERT_EQ(pagina.righe.at(i).tratti.size(), 1);
        EXPECT_EQ(pagina.righe.at(i).tratti.at(0).testo, QStringLiteral(" "));
        EXPECT_EQ(pagina.righe.at(i).tratti.at(0).font, QStringLiteral("Courier New"));
    }
}

QStringList TestiDa(const SuperficieRegistrata::Pagina& pagina, int prima) {
    QStringList testi;
    for (qsizetype i = prima; i < pagina.righe.size(); ++i)
        testi << pagina.righe.at(i).testo();
    return testi;
}

} // namespace

TEST(StampaDriver, PagesOfSixtyLinesEachOpeningWithTheSpacingLine) {
    const auto stampante = Stampa(RigheNumerate(130), ImpostaDriver(60, 0));
    ASSERT_EQ(stampante.pagine.size(), 3);
    EXPECT_EQ(stampante.fini, 1);
    EXPECT_EQ(TestiDa(stampante.pagine.at(0), 1), RigheNumerate(130).mid(0, 60));
    EXPECT_EQ(TestiDa(stampante.pagine.at(1), 1), RigheNumerate(130).mid(60, 60));
    EXPECT_EQ(TestiDa(stampante.pagine.at(2), 1), RigheNumerate(130).mid(120));
    for (const auto& pagina : stampante.pagine)
        ControllaTestaDiPagina(pagina, 0, "pagina");
    // The report's lines are in the report font at the text size.
    const auto& tratto = stampante.pagine.at(1).righe.at(5).tratti.at(0);
    EXPECT_EQ(tratto.font, QStringLiteral("Courier New"));
    EXPECT_EQ(tratto.punti, 10);
}

TEST(StampaDriver, TopMarginCountsTowardsThePageLength) {
    const auto stampante = Stampa(RigheNumerate(10), ImpostaDriver(6, 2));
    ASSERT_EQ(stampante.pagine.size(), 3);
    for (const auto& pagina : stampante.pagine)
        ControllaTestaDiPagina(pagina, 2, "pagina");
    EXPECT_EQ(TestiDa(stampante.pagine.at(0), 3), RigheNumerate(4));
    EXPECT_EQ(TestiDa(stampante.pagine.at(1), 3), RigheNumerate(8).mid(4));
    EXPECT_EQ(TestiDa(stampante.pagine.at(2), 3), RigheNumerate(10).mid(8));
    // On the first page the margin lines come at the spacing size, on the
    // following pages at the text size.
    EXPECT_EQ(stampante.pagine.at(0).righe.at(1).tratti.at(0).punti, 7);
    EXPECT_EQ(stampante.pagine.at(1).righe.at(1).tratti.at(0).punti, 10);
}

TEST(StampaDriver, EmptyPrintFileGivesOnePageWithSpacingAndMargin) {
    const auto stampante = Stampa({}, ImpostaDriver(60, 3));
    ASSERT_EQ(stampante.pagine.size(), 1);
    EXPECT_EQ(stampante.pagine.at(0).righe.size(), 4);
    ControllaTestaDiPagina(stampante.pagine.at(0), 3, "unica");
}

TEST(StampaDriver, PageBreakLineGivesOnePageAdvance) {
    const QStringList righe{QStringLiteral("a"), QStringLiteral("\f"), QStringLiteral("b")};
    const auto stampante = Stampa(righe, ImpostaDriver(60, 1));
    ASSERT_EQ(stampante.pagine.size(), 2);
    ControllaTestaDiPagina(stampante.pagine.at(1), 1, "dopo il salto");
    EXPECT_EQ(TestiDa(stampante.pagine.at(0), 2), QStringList{QStringLiteral("a")});
    EXPECT_EQ(TestiDa(stampante.pagine.at(1), 2), QStringList{QStringLiteral("b")});
    // The page after the break counts from its margin again.
    QStringList lunghe{QStringLiteral("\f")};
    lunghe << RigheNumerate(5);
    const auto pagine = Stampa(lunghe, ImpostaDriver(4, 1));
    ASSERT_EQ(pagine.pagine.size(), 3);
    EXPECT_EQ(TestiDa(pagine.pagine.at(1), 2), RigheNumerate(3));
}

TEST(StampaDriver, BoldMarkersSwitchBoldAndSizeWithinOneLine) {
    SuperficieRegistrata stampante;
    stampante.impostaDimensioneFont(10);
    StampaLaser(QString::fromUtf8("Camera çlibera 101ç oggi"), stampante);
    const auto& tratti = stampante.pagine.at(0).righe.at(0).tratti;
    ASSERT_EQ(tratti.size(), 3);
    EXPECT_EQ(tratti.at(0).testo, QStringLiteral("Camera "));
    EXPECT_FALSE(tratti.at(0).grassetto);
    EXPECT_EQ(tratti.at(0).punti, 10);
    EXPECT_EQ(tratti.at(1).testo, QStringLiteral("libera 101"));
    EXPECT_TRUE(tratti.at(1).grassetto);
    EXPECT_DOUBLE_EQ(tratti.at(1).punti, 9.6);
    EXPECT_EQ(tratti.at(2).testo, QStringLiteral(" oggi"));
    EXPECT_FALSE(tratti.at(2).grassetto);
    EXPECT_DOUBLE_EQ(tratti.at(2).punti, 10);
}

TEST(StampaDriver, OddMarkerLeavesTheFontBoldAndSmallerForLaterLines) {
    SuperficieRegistrata stampante;
    stampante.impostaDimensioneFont(10);
    StampaLaser(QString::fromUtf8("çTotale"), stampante);
    StampaLaser(QString::fromUtf8("dopo çfine"), stampante);
    const auto& righe = stampante.pagine.at(0).righe;
    EXPECT_TRUE(righe.at(0).tratti.at(0).grassetto);
    // The next line starts with the bold state off but the font as it was left:
    // its first marker switches on again and takes another 0.4 point.
    EXPECT_TRUE(righe.at(1).tratti.at(0).grassetto);
    EXPECT_DOUBLE_EQ(righe.at(1).tratti.at(0).punti, 9.6);
    EXPECT_DOUBLE_EQ(righe.at(1).tratti.at(1).punti, 9.2);
    // An empty line still ends a line.
    StampaLaser(QString(), stampante);
    EXPECT_EQ(stampante.pagine.at(0).righe.size(), 3);
}

TEST(StampaDriver, LinesConvertedForTheWindowsFontUnlessOptionK) {
    const QString riga = DaAnsi(QByteArray("\xB3 Luned\xEC \xC0 \xC4\xB4"));
    ImpostazioniDriver imp = ImpostaDriver(60, 0);
    EXPECT_EQ(Stampa({riga}, imp).pagine.at(0).righe.at(1).testo(),
              QString::fromUtf8("| Lunedì à -'"));
    imp.corniciInChiaro = true;
    EXPECT_EQ(Stampa({riga}, imp).pagine.at(0).righe.at(1).testo(), riga);
}

TEST(StampaDriver, LandscapeOnEveryPage) {
    ImpostazioniDriver imp = ImpostaDriver(2, 0);
    imp.orizzontale = true;
    const auto stampante = Stampa(RigheNumerate(3), imp);
    ASSERT_EQ(stampante.pagine.size(), 2);
    for (const auto& pagina : stampante.pagine)
        EXPECT_EQ(pagina.orientamento, Orientamento::Orizzontale);
    EXPECT_EQ(Stampa(RigheNumerate(3), ImpostaDriver(2, 0)).pagine.at(1).orientamento,
              Orientamento::Verticale);
}
