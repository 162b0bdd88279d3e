#include "output/ConvertiXLS.h"

#include "DatiDiProva.h"
#include "print/LeggiRighe.h"
#include "prove/output/DatiDiProva.h"
#include "prove/util/CartellaDiProva.h"
#include "prove/util/StampaQString.h"
#include "routines/Errore.h"
#include "routines/TestoAnsi.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

class ConvertiXLSTest : public ::testing::Test {
  protected:
    void SetUp() override { cartella_.scrivi(QStringLiteral("FD7"), TableauDiProva()); }

    // The spreadsheet file's lines, each split into its fields.
    QList<QStringList> Foglio(const QString& separatore = QStringLiteral(",")) {
        const QByteArray byte = cartella_.leggi(QStringLiteral("fd7.csv"));
        EXPECT_TRUE(byte.endsWith("\r\n"));
        QList<QStringList> righe;
        for (const QString& riga : DaAnsi(byte.chopped(2)).split(QStringLiteral("\r\n")))
            righe << riga.split(separatore);
        return righe;
    }

    const PostoDiLavoro posto_{QStringLiteral("7")};
    CartellaDiProva cartella_;
};

QStringList Campi(std::initializer_list<const char*> campi) {
    QStringList lista;
    for (const char* campo : campi)
        lista << QString::fromUtf8(campo);
    return lista;
}

const QString Vuoto(17, u' ');

} // namespace

TEST_F(ConvertiXLSTest, TableauFieldByField) {
    EXPECT_EQ(ConvertiXLS(QStringLiteral("fd7"), posto_),
              cartella_.percorso(QStringLiteral("fd7.csv")));
    const QList<QStringList> foglio = Foglio();
    ASSERT_EQ(foglio.size(), 11);
    // The title has no frame, comma, point or dash: it passes unchanged.
    ASSERT_EQ(foglio.at(0).size(), 1);
    EXPECT_EQ(foglio.at(0).at(0), DaAnsi(TableauDiProva().left(132)));
    // Top border and separators: blanks and one field end per frame column.
    const QStringList bordo{QString(5, u' '), Vuoto, Vuoto, Vuoto, Vuoto, Vuoto, Vuoto, Vuoto,
                            QString()};
    for (int riga : {1, 4, 7, 10})
        EXPECT_EQ(foglio.at(riga), bordo) << "riga " << riga + 1;
    EXPECT_EQ(foglio.at(2), Campi({"     ", " Lunedì          ", " Martedì         ",
                                   " Mercoledì       ", " Giovedì         ", " Venerdì         ",
                                   " Sabato          ", " Domenica        ", ""}));
    EXPECT_EQ(foglio.at(3).at(1), QStringLiteral(" 07/12/2026      "));
    EXPECT_EQ(foglio.at(3).at(7), QStringLiteral(" 13/12/2026      "));
    // The comma inside a company name is text: it becomes a blank.
    EXPECT_EQ(foglio.at(5), Campi({"  101", " 1234 Rossi  Bian", " 1234 Rossi  Bian",
                                   "                 ", "                 ", "   87 Città Viagg",
                                   "   87 Città Viagg", "                 ", ""}));
    EXPECT_EQ(foglio.at(6), Campi({"     ", "Mario Rossi    2 ", "Mario Rossi    2 ",
                                   "                 ", "                 ", "Lucia Noè      1 ",
                                   "Lucia Noè      1 ", "                 ", ""}));
    EXPECT_EQ(foglio.at(8).at(0), QStringLiteral("  102"));
}

// Lines already in hand give the spreadsheet file the print file would
// give, whatever the print file holds by then.
TEST_F(ConvertiXLSTest, LinesInHandAsThePrintFile) {
    ConvertiXLS(QStringLiteral("FD7"), posto_);
    const QByteArray dalFile = cartella_.leggi(QStringLiteral("fd7.csv"));
    cartella_.scrivi(QStringLiteral("FD7"), QByteArray("un altro tableau\r\n"));
    EXPECT_EQ(ScriviFoglioXLS(RigheDaByte(TableauDiProva()), posto_),
              cartella_.percorso(QStringLiteral("fd7.csv")));
    EXPECT_EQ(cartella_.leggi(QStringLiteral("fd7.csv")), dalFile);
}

TEST_F(ConvertiXLSTest, SeparatorsFromTheSettingsFile) {
    cartella_.scrivi(QStringLiteral("SeparatoreXLS.txt"), QByteArray(";\r\n,\r\n\x80\r\n"));
    cartella_.scrivi(QStringLiteral("FD7"), QByteArray("\xB3 Totale \xB3 1.234,50 \xB3\r\n"));
    ConvertiXLS(QStringLiteral("FD7"), posto_);
    EXPECT_EQ(cartella_.leggi(QStringLiteral("fd7.csv")), QByteArray("; Totale ;\x80"
                                                                     "1234,50 ;\r\n"));
}

TEST_F(ConvertiXLSTest, MissingPrintFileLeavesThePreviousSpreadsheet) {
    cartella_.scrivi(QStringLiteral("fd7.csv"), QByteArray("precedente\r\n"));
    try {
        ConvertiXLS(QStringLiteral("fd9"), posto_);
        FAIL() << "no error for a missing print file";
    } catch (const Errore& errore) {
        EXPECT_TRUE(errore.messaggio().contains(QStringLiteral("fd9"))) << errore.what();
    }
    EXPECT_EQ(cartella_.leggi(QStringLiteral("fd7.csv")), QByteArray("precedente\r\n"));
}

TEST_F(ConvertiXLSTest, UnwritableSpreadsheetIsReported) {
    // A folder in the spreadsheet file's place cannot be replaced.
    ASSERT_TRUE(QDir(cartella_.percorso()).mkdir(QStringLiteral("fd7.csv")));
    EXPECT_THROW(ConvertiXLS(QStringLiteral("FD7"), posto_), Errore);
}
