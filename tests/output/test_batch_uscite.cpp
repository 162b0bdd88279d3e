#include "batch/EseguiBatch.h"

#include "demo/GeneraDemo.h"
#include "output/StampaDriver.h"
#include "output/StampaFile.h"
#include "output/StampanteCorrente.h"
#include "prove/output/ServerCups.h"
#include "prove/output/StrumentiPdf.h"
#include "prove/output/SuperficieRegistrata.h"
#include "prove/util/CartellaDiProva.h"
#include "prove/util/StampaQString.h"
#include "routines/Orologio.h"
#include "routines/TestoAnsi.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

// The batch command takes a demo tableau to a spreadsheet file, a PDF file,
// a device file and a CUPS queue.

namespace {

const QDate Riferimento(2026, 3, 2);

class BatchUscite : public ::testing::Test {
  protected:
    void SetUp() override {
        OpzioniDemo demo;
        demo.cartella = cartella_.percorso();
        demo.riferimento = Riferimento;
        GeneraDemo(demo);
        qputenv("PCLocal", "5");
    }
    void TearDown() override {
        qunsetenv("PCLocal");
        FissaOrologio(std::nullopt);
    }

    int Esegui(const QStringList& uscite) {
        QStringList argomenti{"--hotel",        "1",
                              "--tableau",      "1",
                              "--dalla-camera", "100",
                              "--alla-camera",  "199",
                              "--data",         Riferimento.toString("dd/MM/yyyy"),
                              "--orologio",     "02/03/2026 08:00"};
        argomenti << uscite;
        uscita_.clear();
        errori_.clear();
        QTextStream uscita(&uscita_), errori(&errori_);
        return EseguiBatch(argomenti, uscita, errori);
    }

    // The report's lines, as the tableau wrote them.
    QStringList Tableau() const {
        return DaAnsi(cartella_.leggi(QStringLiteral("FD5")))
            .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    }

    CartellaDiProva cartella_;
    QString uscita_, errori_;
};

} // namespace

TEST_F(BatchUscite, SpreadsheetFileLineForLine) {
    ASSERT_EQ(Esegui({"--csv", "--verboso"}), Riuscito) << errori_.toStdString();
    const QStringList tableau = Tableau();
    const QStringList foglio = DaAnsi(cartella_.leggi(QStringLiteral("fd5.csv")))
                                   .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(foglio.size(), tableau.size());
    ASSERT_GT(tableau.size(), 5);
    // Eight frame columns give eight field ends on every framed line.
    for (qsizetype i = 1; i < foglio.size(); ++i)
        EXPECT_EQ(foglio[i].count(u','), 8) << "riga " << i + 1;
    EXPECT_TRUE(uscita_.contains(QStringLiteral("fd5.csv"))) << uscita_.toStdString();
}

TEST_F(BatchUscite, PdfFileOfThePdfDestination) {
    if (!StrumentiPdfPresenti())
        GTEST_SKIP() << "Prova saltata: poppler-utils non installati";
    // The pages of "Stampante PDF": 7 and 10 points, pages of 60 lines with
    // a margin of 2; landscape, so that the 132 columns of normal print fit.
    ASSERT_EQ(Esegui({"--pdf", "tableau.pdf", "--orizzontale", "--verboso"}), Riuscito)
        << errori_.toStdString();
    const QString pdf = cartella_.percorso(QStringLiteral("tableau.pdf"));
    EXPECT_TRUE(uscita_.contains(QStringLiteral("\"Stampante PDF\""))) << uscita_.toStdString();
    EXPECT_GE(PaginePdf(pdf), 2);
    EXPECT_TRUE(StessaPagina(PaginaPdf(pdf, 1), QSizeF(842, 595)));
    EXPECT_TRUE(TestoPdf(pdf, 1).contains(QStringLiteral("Hotel Bellavista Riviera")));
    EXPECT_TRUE(TestoPdf(pdf, 1).contains(QString::fromUtf8("Lunedì")));
}

// The README's PDF of the menu's PDF destination, in either orientation, in
// normal or compressed print, in the default font or a proportional one of
// FontStp.txt.
struct CasoFoglio {
    bool orizzontale;
    bool compressa;
    const char* font; // FontStp.txt, none when null
};

void PrintTo(const CasoFoglio& caso, std::ostream* uscita) {
    *uscita << (caso.orizzontale ? "orizzontale" : "verticale")
            << (caso.compressa ? " compressa " : " normale ") << (caso.font ? caso.font : "-");
}

class FogliDelPdf : public BatchUscite, public ::testing::WithParamInterface<CasoFoglio> {};

TEST_P(FogliDelPdf, EachPageOfTheReportWholeOnOneSheet) {
    if (!StrumentiPdfPresenti())
        GTEST_SKIP() << "Prova saltata: poppler-utils non installati";
    const CasoFoglio caso = GetParam();
    if (caso.font)
        cartella_.scrivi(QStringLiteral("FontStp.txt"), caso.font);
    QStringList uscite{"--pdf", "tableau.pdf"};
    if (caso.orizzontale)
        uscite << "--orizzontale";
    if (caso.compressa)
        uscite << "--compressa";
    ASSERT_EQ(Esegui(uscite), Riuscito) << errori_.toStdString();
    const QString pdf = cartella_.percorso(QStringLiteral("tableau.pdf"));

    // The report's pages as the demo's settings make them.
    RichiestaStampa richiesta;
    richiesta.destinazione = QStringLiteral("Stampante PDF");
    richiesta.compressa = caso.compressa;
    richiesta.orizzontale = caso.orizzontale;
    const std::optional<ImpostazioniStampa> impostazioni = LeggiImpostazioniStampa(richiesta);
    ASSERT_TRUE(impostazioni);
    SuperficieRegistrata pagine;
    StampaSuDriver(Tableau(), PerIlDriver(richiesta, *impostazioni), pagine);

    ASSERT_EQ(PaginePdf(pdf), pagine.pagine.size());
    for (int foglio = 1; foglio <= pagine.pagine.size(); ++foglio) {
        SCOPED_TRACE(foglio);
        const QSizeF misura = PaginaPdf(pdf, foglio);
        for (const ParolaPdf& parola : ParolePdf(pdf, foglio)) {
            EXPECT_TRUE(parola.xMin >= 0 && parola.yMin >= 0 && parola.xMax <= misura.width() &&
                        parola.yMax <= misura.height())
                << parola.testo.toStdString() << " " << parola.xMax << "," << parola.yMax;
        }
        // Blanks are read back as blanks: pdftotext sets the columns of a
        // proportional font by its own pitch, so runs of blanks are compared
        // as one.
        QStringList attese, lette;
        for (const SuperficieRegistrata::Riga& riga : pagine.pagine.at(foglio - 1).righe)
            if (!riga.testo().trimmed().isEmpty())
                attese << riga.testo().simplified();
        for (const QString& riga : RighePdf(pdf, foglio)) {
            EXPECT_FALSE(riga.contains(u'\t')) << riga.toStdString();
            lette << riga.simplified();
        }
        EXPECT_EQ(lette, attese);
    }
    // Copying text from the file gives no tabs either.
    EXPECT_FALSE(CaratteriMappatiPdf(pdf).contains(u'\t'));
}

INSTANTIATE_TEST_SUITE_P(
    StampantePdf, FogliDelPdf,
    ::testing::Values(CasoFoglio{false, false, nullptr}, CasoFoglio{true, false, nullptr},
                      CasoFoglio{false, true, nullptr}, CasoFoglio{true, true, nullptr},
                      CasoFoglio{false, false, "Arial"}, CasoFoglio{true, false, "Arial"}));

TEST_F(BatchUscite, DeviceFileOfADirectDestination) {
    ASSERT_EQ(Esegui({"--stampa", "--destinazione", "Aghi ricevimento"}), Riuscito)
        << errori_.toStdString();
    const QByteArray flusso = cartella_.leggi(QStringLiteral("ricevimento.prn"));
    // Normal print: ESC DC2 and three zero bytes, a top margin of one line,
    // pages of 60 lines ended by form feeds, frames as "|" and "-".
    ASSERT_TRUE(flusso.startsWith(QByteArray("\x1b\x12\0\0\0 \r\n", 8)));
    const QList<QByteArray> pagine = flusso.mid(5).split('\f');
    const qsizetype righe = Tableau().size();
    ASSERT_EQ(pagine.size(), righe / 59 + 2);
    EXPECT_TRUE(pagine.last().isEmpty());
    EXPECT_EQ(pagine.first().count("\r\n"), 60);
    EXPECT_TRUE(pagine.at(1).startsWith(" \r\n"));
    for (const char frame : {'\xB3', '\xC4', '\xC5', '\xB4'})
        EXPECT_FALSE(flusso.contains(frame));
}

TEST_F(BatchUscite, CupsQueueOfADriverDestination) {
    QString motivo;
    if (!ServerCupsPronto(motivo))
        GTEST_SKIP() << "Prova saltata: " << motivo.toStdString();
    if (!StrumentiPdfPresenti() || !StampantiInstallate().contains(QStringLiteral("PDF")))
        GTEST_SKIP() << "Prova saltata: cups-pdf o poppler-utils non installati";
    QFile::remove(QDir(CartellaCupsPdf()).filePath(QStringLiteral("Ufficio.pdf")));
    // "Ufficio" prints through the driver on the cups-pdf queue "PDF".
    ASSERT_EQ(Esegui({"--stampa", "--destinazione", "Ufficio", "--compressa"}), Riuscito)
        << errori_.toStdString();
    const QString pdf = AttendiPdf(CartellaCupsPdf(), QStringLiteral("Ufficio"), 90);
    ASSERT_FALSE(pdf.isEmpty());
    // Compressed pages count 80 lines, a margin of two included; a full
    // page starts the next one at once.
    EXPECT_EQ(PaginePdf(pdf), static_cast<int>(Tableau().size() / 78 + 1));
    QFile::remove(pdf);
}

TEST_F(BatchUscite, FailedOutputEndsWithItsOwnStatus) {
    EXPECT_EQ(Esegui({"--stampa", "--destinazione", "Cucina"}), UscitaNonRiuscita);
    EXPECT_TRUE(errori_.contains(QStringLiteral("\"Cucina\""))) << errori_.toStdString();
    EXPECT_EQ(Esegui({"--stampa"}), RigaDiComandoErrata);
    EXPECT_EQ(
        Esegui({"--stampa", "--destinazione", "Aghi ricevimento", "--stampante", "manca/x.prn"}),
        UscitaNonRiuscita);
    EXPECT_TRUE(errori_.contains(QStringLiteral("manca/x.prn"))) << errori_.toStdString();
}
