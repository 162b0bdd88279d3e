#include "tableau/batch/EseguiBatch.h"

#include "ServerCups.h"
#include "StrumentiPdf.h"
#include "demo/GeneraDemo.h"
#include "print/output/StampanteCorrente.h"
#include "routines/Orologio.h"
#include "routines/TestoAnsi.h"
#include "util/CartellaDiProva.h"
#include "util/StampaQString.h"

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
    ASSERT_EQ(Esegui({"--csv"}), Riuscito) << errori_.toStdString();
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
    ASSERT_EQ(Esegui({"--pdf", "tableau.pdf", "--orizzontale"}), Riuscito) << errori_.toStdString();
    const QString pdf = cartella_.percorso(QStringLiteral("tableau.pdf"));
    EXPECT_TRUE(uscita_.contains(QStringLiteral("\"Stampante PDF\""))) << uscita_.toStdString();
    EXPECT_GE(PaginePdf(pdf), 2);
    EXPECT_TRUE(StessaPagina(PaginaPdf(pdf, 1), QSizeF(842, 595)));
    EXPECT_TRUE(TestoPdf(pdf, 1).contains(QStringLiteral("Hotel Bellavista Riviera")));
    EXPECT_TRUE(TestoPdf(pdf, 1).contains(QString::fromUtf8("Lunedì")));
}

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
