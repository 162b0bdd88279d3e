#include "output/StampaFile.h"

#include "print/Destinazioni.h"
#include "print/FileStampa.h"
#include "prove/output/ErroreDi.h"
#include "prove/util/CartellaDiProva.h"
#include "prove/util/StampaQString.h"
#include "routines/Errore.h"

#include <QFileInfo>

#include <gtest/gtest.h>

// The print action once its settings are read: direct output to devices and
// files, and the messages of a print that cannot be carried out.

namespace {

// Compressed setup 27 15, normal setup 27 18; top margin 1, fill lengths 4 and 5.
const QString CompressoDiretto = QStringLiteral("027015000000000000027018000000000000");
const QString Grassetto = QStringLiteral("000000000000000001004005000000000000");

// A literal with its zero bytes, without the final terminator.
template <std::size_t N> QByteArray Byte(const char (&testo)[N]) {
    return QByteArray(testo, N - 1);
}

class StampaFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        richiesta_.destinazione = QStringLiteral("Ufficio");
        richiesta_.posto = PostoDiLavoro(QStringLiteral("7"));
        impostazioni_.font = QStringLiteral("Courier New");
        impostazioni_.lungPag = 3;
        impostazioni_.codici = CodiciStampante::decodifica(CompressoDiretto, Grassetto);
        impostazioni_.bersaglio = QStringLiteral("uscita.prn");
        // A frame line, a page-break line, an accented letter and a bold marker.
        ScriviFileStampa(richiesta_.posto,
                         QByteArray("\xC4\xC5\xB3\xB4\r\nuno\r\n\f\r\nLuned\xEC \xE7"
                                    "due\r\n"));
    }

    // The message of the print's failure, empty when it succeeded.
    QString Errore() {
        return ErroreDi([&] { StampaConImpostazioni(richiesta_, impostazioni_); });
    }

    CartellaDiProva cartella_;
    RichiestaStampa richiesta_;
    ImpostazioniStampa impostazioni_;
};

} // namespace

TEST_F(StampaFileTest, DirectOutputNormalPrint) {
    EXPECT_EQ(Errore(), QString());
    EXPECT_EQ(cartella_.leggi(QStringLiteral("uscita.prn")), Byte("\x1b\x12\0\0\0"
                                                                  " \r\n--||\r\nuno\r\n\f"
                                                                  " \r\n\f"
                                                                  " \r\nLuned\xEC \xE7"
                                                                  "due\r\n\f"));
}

TEST_F(StampaFileTest, DirectOutputCompressedWithOptionsKAndU) {
    richiesta_.compressa = true;
    richiesta_.opzioni = QStringLiteral("xKU");
    EXPECT_EQ(Errore(), QString());
    EXPECT_EQ(cartella_.leggi(QStringLiteral("uscita.prn")),
              Byte("\x1b\x0f\0\0\0"
                   " \r\n\xC4\xC5\xB3\xB4\r\nuno\r\n\r\n"
                   " \r\n\r\n\r\n\r\n"
                   " \r\nLuned\xEC \xE7"
                   "due\r\n\r\n\r\n"));
}

TEST_F(StampaFileTest, TargetFoundWithoutRegardToCaseAndDevicesWritten) {
    cartella_.scrivi(QStringLiteral("USCITA.PRN"), "vecchio");
    EXPECT_EQ(Errore(), QString());
    EXPECT_TRUE(cartella_.leggi(QStringLiteral("USCITA.PRN")).startsWith("\x1b\x12"));
    EXPECT_FALSE(QFileInfo::exists(cartella_.percorso(QStringLiteral("uscita.prn"))));
    impostazioni_.bersaglio = QStringLiteral("/dev/null");
    EXPECT_EQ(Errore(), QString());
}

TEST_F(StampaFileTest, TargetThatCannotBeOpenedOrWritten) {
    impostazioni_.bersaglio = QStringLiteral("manca/uscita.prn");
    const QString messaggio = Errore();
    EXPECT_TRUE(messaggio.contains(QStringLiteral("\"Ufficio\""))) << messaggio.toStdString();
    EXPECT_TRUE(messaggio.contains(QStringLiteral("\"manca/uscita.prn\"")))
        << messaggio.toStdString();
    EXPECT_TRUE(messaggio.contains(QStringLiteral("il percorso non esiste")))
        << messaggio.toStdString();
    if (QFileInfo::exists(QStringLiteral("/dev/full"))) {
        impostazioni_.bersaglio = QStringLiteral("/dev/full");
        EXPECT_TRUE(Errore().contains(QStringLiteral("spazio esaurito"))) << Errore().toStdString();
    }
    impostazioni_.bersaglio = QStringLiteral("  ");
    EXPECT_TRUE(Errore().contains(QStringLiteral("\"Ufficio\"")));
}

TEST_F(StampaFileTest, SetupCodeAboveAByteLeavesTheTargetUntouched) {
    impostazioni_.codici = CodiciStampante::decodifica(
        QStringLiteral("027015000000000000027300000000000000"), Grassetto);
    const QString messaggio = Errore();
    EXPECT_TRUE(messaggio.contains(QStringLiteral("300"))) << messaggio.toStdString();
    EXPECT_FALSE(QFileInfo::exists(cartella_.percorso(QStringLiteral("uscita.prn"))));
}

TEST_F(StampaFileTest, MissingPrintFileIsToldAfterTheSetupSequence) {
    richiesta_.posto = PostoDiLavoro(QStringLiteral("8"));
    const QString messaggio = Errore();
    EXPECT_TRUE(messaggio.contains(QStringLiteral("FD8"))) << messaggio.toStdString();
    EXPECT_TRUE(messaggio.contains(QStringLiteral("\"Ufficio\""))) << messaggio.toStdString();
    EXPECT_EQ(cartella_.leggi(QStringLiteral("uscita.prn")), Byte("\x1b\x12\0\0\0"));
}

TEST_F(StampaFileTest, MissingPrintFileThroughTheDriverPrintsNothing) {
    impostazioni_.codici =
        CodiciStampante::decodifica(QStringLiteral("007000000000000001010"), Grassetto);
    impostazioni_.bersaglio = QStringLiteral("nessuna stampante con questo nome");
    richiesta_.posto = PostoDiLavoro(QStringLiteral("8"));
    EXPECT_TRUE(Errore().contains(QStringLiteral("FD8"))) << Errore().toStdString();
}

TEST_F(StampaFileTest, PdfFileOnlyForDriverDestinations) {
    // The settings of a direct destination are setup bytes, not point sizes.
    EXPECT_THROW(StampaFileInPdf(richiesta_, cartella_.percorso(QStringLiteral("x.pdf"))),
                 std::exception);
}

TEST(BersaglioDiStampa, ThePrinterOfTheRequestReplacesTheTargetUntrimmed) {
    const Destinazione ufficio{QStringLiteral("TS_Prova_Ufficio"), QStringLiteral("/dev/usb/lp0"),
                               1};
    RichiestaStampa richiesta;
    EXPECT_EQ(BersaglioDiStampa(richiesta, ufficio), QStringLiteral("/dev/usb/lp0"));
    richiesta.stampante = QStringLiteral("   ");
    EXPECT_EQ(BersaglioDiStampa(richiesta, ufficio), QStringLiteral("/dev/usb/lp0"));
    richiesta.stampante = QStringLiteral(" Laser ");
    EXPECT_EQ(BersaglioDiStampa(richiesta, ufficio), QStringLiteral(" Laser "));
    richiesta.stampante.clear();
    qputenv("TS_Prova_Ufficio", "uscita.prn");
    EXPECT_EQ(BersaglioDiStampa(richiesta, ufficio), QStringLiteral("uscita.prn"));
    qunsetenv("TS_Prova_Ufficio");
}
