#include "output/StampaPdf.h"

#include "DatiDiProva.h"
#include "StrumentiPdf.h"
#include "prove/output/DatiDiProva.h"
#include "prove/output/StrumentiPdf.h"
#include "prove/util/CartellaDiProva.h"
#include "prove/util/StampaQString.h"
#include "routines/Errore.h"
#include "routines/TestoAnsi.h"

#include <algorithm>

#include <gtest/gtest.h>

// Printing through the driver checked on the PDF it produces.

namespace {

constexpr double kA4Corto = 595.28, kA4Lungo = 841.89, kBordo = 18.0; // points

ImpostazioniDriver Impostazioni(int lungPag, int margine, double punti = 7) {
    ImpostazioniDriver imp;
    imp.puntiSpaziatura = 7;
    imp.puntiTesto = punti;
    imp.lunghezzaPagina = lungPag;
    imp.margineSuperiore = margine;
    return imp;
}

QStringList Numerate(int quante) {
    return RigheNumerate(quante, QStringLiteral("riga%1 testo"), 3);
}

// A 132-column line of the tableau's kind: frame columns every 18.
QString RigaCornice(char riempimento, char incrocio, char fine) {
    QByteArray riga(132, riempimento);
    for (int colonna = 6; colonna < 132; colonna += 18)
        riga[colonna - 1] = incrocio;
    riga[131] = fine;
    riga.replace(0, 5, "  101");
    return DaAnsi(riga);
}

const ParolaPdf* Parola(const QList<ParolaPdf>& parole, const QString& testo) {
    for (const ParolaPdf& parola : parole)
        if (parola.testo == testo)
            return &parola;
    return nullptr;
}

class StampaPdf : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!StrumentiPdfPresenti())
            GTEST_SKIP()
                << "Prova saltata: poppler-utils (pdfinfo, pdftotext, pdffonts) non installati";
    }
    QString Stampa(const QStringList& righe, const ImpostazioniDriver& imp) {
        const QString pdf = cartella_.percorso(QStringLiteral("prova.pdf"));
        StampaSuFilePdf(righe, imp, pdf, QStringLiteral("Prova PDF"));
        return pdf;
    }
    CartellaDiProva cartella_;
};

} // namespace

TEST_F(StampaPdf, PagesHoldTheirLinesInOrder) {
    const QString pdf = Stampa(Numerate(130), Impostazioni(60, 0));
    ASSERT_EQ(PaginePdf(pdf), 3);
    for (int pagina = 1; pagina <= 3; ++pagina) {
        QStringList righe;
        for (const QString& riga : TestoPdf(pdf, pagina).split(u'\n'))
            if (!riga.trimmed().isEmpty() && riga.trimmed() != QStringLiteral("\f"))
                righe << riga.trimmed();
        const int prima = (pagina - 1) * 60 + 1;
        const int quante = pagina < 3 ? 60 : 10;
        ASSERT_EQ(righe.size(), quante) << "pagina " << pagina;
        for (int i = 0; i < quante; ++i)
            EXPECT_EQ(righe.at(i), Numerate(prima + i).last()) << "pagina " << pagina;
    }
    EXPECT_TRUE(StessaPagina(PaginaPdf(pdf, 2), QSizeF(kA4Corto, kA4Lungo)));
}

TEST_F(StampaPdf, FontsAreTheMetricCompatibleOnes) {
    const QString pdf =
        Stampa({QString::fromUtf8("normale çgrassettoç normale")}, Impostazioni(60, 0));
    const QStringList font = FontPdf(pdf);
    EXPECT_TRUE(font.contains(QStringLiteral("LiberationMono"))) << font.join(u',').toStdString();
    EXPECT_TRUE(font.contains(QStringLiteral("LiberationMono-Bold")))
        << font.join(u',').toStdString();
    EXPECT_FALSE(TestoPdf(pdf, 1).contains(QChar(231)));
}

TEST_F(StampaPdf, BoldRunIsSmallerAndTheLineContinues) {
    const QString pdf =
        Stampa({QString::fromUtf8("aaaaaaaaaa çbbbbbbbbbbç cccccccccc")}, Impostazioni(60, 0, 10));
    const auto parole = ParolePdf(pdf, 1);
    const ParolaPdf* prima = Parola(parole, QStringLiteral("aaaaaaaaaa"));
    const ParolaPdf* grassetto = Parola(parole, QStringLiteral("bbbbbbbbbb"));
    const ParolaPdf* dopo = Parola(parole, QStringLiteral("cccccccccc"));
    ASSERT_TRUE(prima && grassetto && dopo);
    // Ten characters of a fixed-pitch font are six ems wide.
    EXPECT_NEAR(prima->xMax - prima->xMin, 60.0, 0.5);
    EXPECT_NEAR(grassetto->xMax - grassetto->xMin, 57.6, 0.5);
    EXPECT_NEAR(dopo->xMax - dopo->xMin, 60.0, 0.5);
    // All on one line, the markers taking no room: a blank of 10 points
    // (6 points wide) before the bold run and one of 9.6 after it.
    EXPECT_NEAR(grassetto->xMin - prima->xMax, 6.0, 0.5);
    EXPECT_NEAR(dopo->xMin - grassetto->xMax, 5.76, 0.5);
    EXPECT_NEAR(grassetto->yMin, prima->yMin, 1.0);
}

TEST_F(StampaPdf, SpacingLineAndMarginPushTheFirstLineDown) {
    auto inizio = [this](double spaziatura, int margine) {
        ImpostazioniDriver imp = Impostazioni(60, margine);
        imp.puntiSpaziatura = spaziatura;
        const auto parole = ParolePdf(Stampa({QStringLiteral("primariga")}, imp), 1);
        return parole.isEmpty() ? -1.0 : parole.first().yMin;
    };
    const double base = inizio(7, 0);
    // A line of Times New Roman is 1.107 em high; with no spacing line the
    // first line would start right at the border.
    EXPECT_GT(base, kBordo + 7 * 1.1);
    EXPECT_NEAR(inizio(20, 0) - base, 13 * 1.107, 0.2);
    // The first page's margin lines are set at the spacing size (7 points of
    // a 1.133 em high fixed-pitch font).
    EXPECT_NEAR(inizio(7, 2) - base, 2 * 7 * 1.133, 0.2);
}

TEST_F(StampaPdf, TableauWidthFitsPortraitCompressedAndLandscapeNormal) {
    const QStringList tableau{RigaCornice('\xC4', '\xC2', '\xBF'), RigaCornice(' ', '\xB3', '\xB3'),
                              RigaCornice('\xC4', '\xC5', '\xB4')};
    for (const bool orizzontale : {false, true}) {
        ImpostazioniDriver imp = Impostazioni(60, 0, orizzontale ? 10 : 7);
        imp.orizzontale = orizzontale;
        const QString pdf = Stampa(tableau, imp);
        const QSizeF pagina = PaginaPdf(pdf, 1);
        EXPECT_TRUE(StessaPagina(pagina, orizzontale ? QSizeF(kA4Lungo, kA4Corto)
                                                     : QSizeF(kA4Corto, kA4Lungo)));
        double destra = 0;
        for (const ParolaPdf& parola : ParolePdf(pdf, 1))
            destra = std::max(destra, parola.xMax);
        const double larghezza = 132 * 0.6 * imp.puntiTesto;
        EXPECT_NEAR(destra, kBordo + larghezza, 0.2);
        EXPECT_LE(destra, pagina.width() - kBordo);
        // The converted frame: dashes with an apostrophe at the end of rule lines.
        const QString testo = TestoPdf(pdf, 1);
        EXPECT_TRUE(testo.contains(QString(17, u'-') + u'\'')) << testo.toStdString();
        EXPECT_TRUE(testo.contains(QStringLiteral("101|"))) << testo.toStdString();
    }
}

TEST_F(StampaPdf, PageTooLongForTheSheetIsScaledOntoIt) {
    // Fifty lines of 12 points (13.6 points high) do not fit the 559 points
    // of a landscape page: the page is drawn smaller, on its one sheet.
    ImpostazioniDriver imp = Impostazioni(60, 0, 12);
    imp.orizzontale = true;
    const QString pdf = Stampa(Numerate(50), imp);
    ASSERT_EQ(PaginePdf(pdf), 1);
    EXPECT_EQ(RighePdf(pdf, 1), Numerate(50));
    double basso = 0;
    for (const ParolaPdf& parola : ParolePdf(pdf, 1))
        basso = std::max(basso, parola.yMax);
    EXPECT_LE(basso, kA4Corto - kBordo);
}

TEST_F(StampaPdf, PagesThatFitKeepTheSetSizesAndPlaces) {
    // A full compressed page of the tableau in portrait: 79 lines of 7
    // points, 132 columns wide, fit the sheet and are set as they are.
    QStringList righe;
    for (int i = 0; i < 79; ++i)
        righe << RigaCornice(i % 2 ? '\xC4' : ' ', i % 2 ? '\xC5' : '\xB3',
                             i % 2 ? '\xB4' : '\xB3');
    const QString pdf = Stampa(righe, Impostazioni(80, 0));
    ASSERT_EQ(PaginePdf(pdf), 1);
    const auto parole = ParolePdf(pdf, 1);
    ASSERT_FALSE(parole.isEmpty());
    double destra = 0, primo = parole.first().yMin, ultimo = primo;
    for (const ParolaPdf& parola : parole) {
        destra = std::max(destra, parola.xMax);
        primo = std::min(primo, parola.yMin);
        ultimo = std::max(ultimo, parola.yMin);
    }
    EXPECT_NEAR(destra, kBordo + 132 * 0.6 * 7, 0.2);
    // The first and the last line, 78 lines of 1.133 em apart.
    EXPECT_NEAR(ultimo - primo, 78 * 7 * 1.1328, 0.3);
}

TEST_F(StampaPdf, UnwritableFileIsReportedAndNothingIsLeft) {
    const QString pdf = cartella_.percorso(QStringLiteral("manca/prova.pdf"));
    try {
        StampaSuFilePdf({QStringLiteral("x")}, Impostazioni(60, 0), pdf,
                        QStringLiteral("Archivio PDF"));
        FAIL() << "no error for an unwritable file";
    } catch (const Errore& errore) {
        EXPECT_TRUE(errore.messaggio().contains(QStringLiteral("\"Archivio PDF\"")))
            << errore.what();
        EXPECT_TRUE(errore.messaggio().contains(pdf)) << errore.what();
    }
}
