#include "output/StampaFile.h"

#include "mdbwriter/ScrittoreMdb.h"
#include "output/FlussoDiretto.h"
#include "output/StampaDriver.h"
#include "print/FileStampa.h"
#include "prove/util/CartellaDiProva.h"
#include "prove/util/StampaQString.h"
#include "routines/Errore.h"

#include <QFileInfo>

#include <gtest/gtest.h>

// The settings a print reads from the suite's databases and files, and the
// print action from the destination's name to the bytes on its target.

namespace {

struct Dest {
    int hotel;
    const char* nome;
    int tipo;
    const char* linea;
};

class ImpostazioniStampaTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Archivi({{1, "Ufficio", 1, "Laser"},
                 {1, "Archivio PDF", 1, "PDF"},
                 {1, "Aghi", 2, "aghi.prn"},
                 {1, "Stampante PDF", 1, "PDF"},
                 {1, "Pdf", 1, "PDF"},
                 {2, "Portineria PDF", 1, "PDF"},
                 {1, "Senza tipo", 9, "senzatipo.prn"}});
        richiesta_.posto = PostoDiLavoro(QStringLiteral("4"));
        ScriviFileStampa(richiesta_.posto, QByteArray("\xB3uno\r\ndue\r\n"));
    }

    void Archivi(const std::vector<Dest>& destinazioni) {
        ScrittoreMdb stampanti;
        TabellaMdb& tabella = stampanti.tabella(QStringLiteral("Stampanti"));
        tabella.colonna(QStringLiteral("NumeroHotel"), TipoJet::Intero)
            .colonna(QStringLiteral("Destinazione"), TipoJet::Testo, 30)
            .colonna(QStringLiteral("TipoStampa"), TipoJet::Testo, 5)
            .colonna(QStringLiteral("Linea"), TipoJet::Testo, 100);
        for (const Dest& d : destinazioni)
            tabella.riga({d.hotel, QString::fromUtf8(d.nome), QString::number(d.tipo),
                          QString::fromUtf8(d.linea)});
        TabellaMdb& tipi = stampanti.tabella(QStringLiteral("SetStampa"));
        tipi.colonna(QStringLiteral("TipoStampa"), TipoJet::Intero)
            .colonna(QStringLiteral("Compresso"), TipoJet::Testo, 36)
            .colonna(QStringLiteral("Grassetto"), TipoJet::Testo, 36);
        tipi.riga({1, QString("007000000000000001010000000000000000"),
                   QString("000000000000000002080066000000000000")});
        tipi.riga({2, QString("027015000000000000027018000000000000"),
                   QString("000000000000000001003004000000000000")});
        stampanti.salva(cartella_.percorso(QStringLiteral("Stampanti.mdb")));

        ScrittoreMdb contatori;
        TabellaMdb& pagine = contatori.tabella(QStringLiteral("Contatori"));
        pagine.colonna(QStringLiteral("NumeroHotel"), TipoJet::Intero)
            .colonna(QStringLiteral("LungPagComp"), TipoJet::Intero)
            .colonna(QStringLiteral("LungPagNoComp"), TipoJet::Intero);
        pagine.riga({1, 80, 3});
        contatori.salva(cartella_.percorso(QStringLiteral("Contatori.mdb")));
    }

    ImpostazioniStampa Leggi(const char* destinazione) {
        richiesta_.destinazione = QString::fromUtf8(destinazione);
        const auto impostazioni = LeggiImpostazioniStampa(richiesta_);
        EXPECT_TRUE(impostazioni.has_value()) << destinazione;
        return impostazioni.value_or(ImpostazioniStampa{});
    }

    CartellaDiProva cartella_;
    RichiestaStampa richiesta_;
};

} // namespace

TEST_F(ImpostazioniStampaTest, FontPageLengthCodesAndTarget) {
    ImpostazioniStampa ufficio = Leggi("Ufficio");
    EXPECT_EQ(ufficio.font, QStringLiteral("Courier New"));
    EXPECT_EQ(ufficio.lungPag, 3);
    EXPECT_TRUE(ufficio.codici.driverWindows());
    EXPECT_EQ(ufficio.codici.margineSuperiore(), 2);
    EXPECT_EQ(ufficio.bersaglio, QStringLiteral("Laser"));

    cartella_.scrivi(QStringLiteral("FontStp.txt"), "  Lucida Console \r\nseconda\r\n");
    richiesta_.compressa = true;
    ufficio = Leggi("Ufficio");
    EXPECT_EQ(ufficio.font, QStringLiteral("Lucida Console"));
    EXPECT_EQ(ufficio.lungPag, 80);
    richiesta_.hotel = 2;
    EXPECT_EQ(Leggi("Ufficio").lungPag, 60);
}

TEST_F(ImpostazioniStampaTest, DestinationFoundWhateverItsHotelAndTypeMissing) {
    EXPECT_EQ(Leggi("Portineria PDF").bersaglio, QStringLiteral("PDF"));
    const ImpostazioniStampa senzaTipo = Leggi("Senza tipo");
    EXPECT_FALSE(senzaTipo.codici.driverWindows());
    EXPECT_EQ(senzaTipo.codici.lunghezzaRiempimento(false), 66);
    richiesta_.destinazione = QStringLiteral("Cucina");
    EXPECT_FALSE(LeggiImpostazioniStampa(richiesta_).has_value());
}

TEST_F(ImpostazioniStampaTest, DirectPrintFromTheDestinationName) {
    richiesta_.destinazione = QStringLiteral("Aghi");
    StampaFile(richiesta_);
    const char atteso[] = "\x1b\x12\0\0\0 \r\n|uno\r\ndue\r\n\f \r\n\f";
    EXPECT_EQ(cartella_.leggi(QStringLiteral("aghi.prn")), QByteArray(atteso, sizeof atteso - 1));

    // The environment variable named after the destination takes its place,
    // and the printer of the request takes the place of both.
    qputenv("Aghi", "variabile.prn");
    StampaFile(richiesta_);
    EXPECT_EQ(cartella_.leggi(QStringLiteral("variabile.prn")),
              QByteArray(atteso, sizeof atteso - 1));
    richiesta_.stampante = QStringLiteral("scelta.prn");
    StampaFile(richiesta_);
    EXPECT_EQ(cartella_.leggi(QStringLiteral("scelta.prn")), QByteArray(atteso, sizeof atteso - 1));
    qunsetenv("Aghi");
}

TEST_F(ImpostazioniStampaTest, UnknownDestinationIsToldAndNothingPrinted) {
    richiesta_.destinazione = QStringLiteral("Cucina");
    try {
        StampaFile(richiesta_);
        FAIL() << "no error for an unknown destination";
    } catch (const Errore& errore) {
        EXPECT_TRUE(errore.messaggio().contains(QStringLiteral("\"Cucina\""))) << errore.what();
    }
    EXPECT_THROW(StampaFileInPdf(richiesta_, cartella_.percorso(QStringLiteral("x.pdf"))), Errore);
    EXPECT_FALSE(QFileInfo::exists(cartella_.percorso(QStringLiteral("x.pdf"))));
}

TEST_F(ImpostazioniStampaTest, PdfDestinationIsTheLastOfHotelOneWithPdfInCapitals) {
    EXPECT_EQ(DestinazionePdfDelMenu(), QStringLiteral("Stampante PDF"));
    Archivi({{1, "Ufficio", 1, "Laser"}, {1, "Pdf", 1, "PDF"}, {2, "Portineria PDF", 1, "PDF"}});
    EXPECT_EQ(DestinazionePdfDelMenu(), std::nullopt);
}

// A top margin that leaves no room for a report line on the page would
// print every line after pages of blanks (through the driver) or never end
// a page (direct output): it counts as no margin. A smaller one is kept.
TEST(MargineDiStampa, SoloSeLasciaPostoAlleRighe) {
    RichiestaStampa richiesta;
    ImpostazioniStampa impostazioni;
    impostazioni.lungPag = 60;
    for (const auto& [codice, atteso] :
         {std::pair{"005", 5}, {"059", 59}, {"060", 0}, {"678", 0}}) {
        impostazioni.codici =
            CodiciStampante::decodifica({}, QString(15, u'0') + QString::fromLatin1(codice));
        EXPECT_EQ(PerIlDriver(richiesta, impostazioni).margineSuperiore, atteso) << codice;
        EXPECT_EQ(PerLUscitaDiretta(richiesta, impostazioni).margineSuperiore, atteso) << codice;
    }
}
