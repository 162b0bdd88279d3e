// The workstation number PCLocal as the environment may hold it, through the
// batch command that runs the report and makes the spreadsheet: a value that
// cannot be part of a file name is refused with an Italian message before
// anything is written, so every file in the folder (databases, earlier print
// files, spreadsheets, document copies) stays as it was; a value that can
// gives its own files and leaves every other file alone.
#include "batch/EseguiBatch.h"
#include "print/PostoDiLavoro.h"
#include "prove/print/VariabiliDiProva.h"
#include "prove/robustezza/Impronte.h"
#include "prove/tableau/SuiteDiProva.h"
#include "prove/util/CartellaDiProva.h"
#include "prove/util/StampaQString.h"
#include "routines/Orologio.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

const QStringList kRichiesta{
    "--hotel", "1",      "--tableau",  "2",          "--dalla-camera",   "100",  "--alla-camera",
    "200",     "--data", "07/01/2026", "--orologio", "05/01/2026 08:30", "--csv"};

class PCLocalOstile : public ::testing::Test {
  protected:
    PCLocalOstile() {
        ambiente_.togli("PCLocal");
        SuitePiccola().salvaMdb();
        // What earlier runs left: print files, spreadsheets, a document copy.
        cartella_.scrivi("FD1", "tableau di ieri\r\n");
        cartella_.scrivi("FD", "tableau senza postazione\r\n");
        cartella_.scrivi("fd1.csv", "1,2\r\n");
        QDir().mkdir("doc");
        cartella_.scrivi("doc/fd1202601041200.doc", "copia\r\n");
    }
    ~PCLocalOstile() override { FissaOrologio(std::nullopt); }

    // Runs the request with PCLocal set to `valore` (bytes as the environment holds them).
    int esegui(const QByteArray& valore) {
        ambiente_.imposta("PCLocal", valore);
        errori_.clear();
        QString uscita;
        QTextStream flussoUscita(&uscita);
        QTextStream flussoErrori(&errori_);
        return EseguiBatch(kRichiesta, flussoUscita, flussoErrori);
    }

    CartellaDiProva cartella_;
    VariabiliDiProva ambiente_;
    QString errori_;
};

TEST_F(PCLocalOstile, ValoriRifiutatiPrimaDiScrivere) {
    const QByteArray lungo(100000, '3');
    for (const QByteArray& valore :
         {QByteArray("/"), QByteArray("\\"), QByteArray(".."), QByteArray("../1"),
          QByteArray("1/../../x"), QByteArray("C:\\FD"), QByteArray("1\x01"), QByteArray("\x1b[2J"),
          QByteArray("1\r\n2"), QByteArray("\x7f"), lungo, lungo + "/", QByteArray(300, 'a')}) {
        SCOPED_TRACE(valore.left(20).toHex().toStdString());
        const auto prima = Impronte(cartella_.percorso());
        EXPECT_EQ(esegui(valore), RichiestaNonValida);
        EXPECT_TRUE(errori_.startsWith(u"Il numero di postazione PCLocal"))
            << errori_.left(300).toStdString();
        EXPECT_TRUE(errori_.contains(u"Nessun file è stato scritto"));
        // The message stays readable however long the value is.
        EXPECT_LT(errori_.size(), 400);
        EXPECT_EQ(Impronte(cartella_.percorso()), prima);
        EXPECT_TRUE(QDir("..").entryList({"x"}).isEmpty());
    }
    EXPECT_EQ(esegui(lungo), RichiestaNonValida);
    EXPECT_TRUE(errori_.contains(u"troppi caratteri (100000)")) << errori_.toStdString();
}

// Set and empty is the same as not set: the print file "FD".
TEST_F(PCLocalOstile, VuotoComeNonImpostato) {
    const auto archivi = ImpronteArchivi(cartella_.percorso());
    ASSERT_EQ(esegui(""), Riuscito) << errori_.toStdString();
    EXPECT_TRUE(cartella_.leggi("FD").endsWith("\r\n"));
    EXPECT_NE(cartella_.leggi("FD"), "tableau senza postazione\r\n");
    EXPECT_TRUE(QFile::exists("fd.csv"));
    EXPECT_EQ(cartella_.leggi("FD1"), "tableau di ieri\r\n");
    EXPECT_EQ(cartella_.leggi("fd1.csv"), "1,2\r\n");
    EXPECT_EQ(ImpronteArchivi(cartella_.percorso()), archivi);
}

// Letters outside Latin-1, blanks and dots on their own make ordinary names:
// the files are named after the value, and no other file changes.
TEST_F(PCLocalOstile, NomiInsolitiMaUsabili) {
    for (const QString& valore :
         {QStringLiteral("東京"), QStringLiteral("😀"), QStringLiteral(" 3 "), QStringLiteral("3.1"),
          QString(PostoDiLavoro::kLunghezzaMassima, u'7')}) {
        SCOPED_TRACE(valore.left(20).toStdString());
        auto prima = Impronte(cartella_.percorso());
        ASSERT_EQ(esegui(valore.toUtf8()), Riuscito) << errori_.toStdString();
        const QString stampa = QStringLiteral("FD") + valore;
        const QString foglio = QStringLiteral("fd%1.csv").arg(valore);
        EXPECT_GT(cartella_.leggi(stampa).size(), 1000);
        EXPECT_TRUE(QFile::exists(foglio));
        auto dopo = Impronte(cartella_.percorso());
        dopo.remove(stampa);
        dopo.remove(foglio);
        prima.remove(stampa);
        prima.remove(foglio);
        EXPECT_EQ(dopo, prima);
    }
}

} // namespace
