#include "output/StampaFile.h"

#include "output/StampanteCorrente.h"
#include "print/FileStampa.h"
#include "prove/output/DatiDiProva.h"
#include "prove/output/ErroreDi.h"
#include "prove/output/ServerCups.h"
#include "prove/output/StrumentiPdf.h"
#include "prove/util/CartellaDiProva.h"
#include "prove/util/StampaQString.h"

#include <QCoreApplication>
#include <QFile>

#include <gtest/gtest.h>

#include <utility>

// Printing through a real CUPS server: the cups-pdf queue for printing
// through the driver, raw queues on a local port for direct output, and a
// queue that refuses jobs. Skipped where no CUPS server can be started.

namespace {

class StampaCups : public ::testing::Test {
  protected:
    void SetUp() override {
        QString motivo;
        if (!ServerCupsPronto(motivo))
            GTEST_SKIP() << "Prova saltata: " << motivo.toStdString();
        richiesta_.posto = PostoDiLavoro(QStringLiteral("7"));
        ScriviFileStampa(richiesta_.posto, TableauDiProva());
    }

    // A name of its own for every run, so that jobs and files of earlier runs do not count.
    static QString Unico(const char* prefisso) {
        return QStringLiteral("%1%2x%3")
            .arg(QLatin1String(prefisso))
            .arg(QCoreApplication::applicationPid())
            .arg(QDateTime::currentMSecsSinceEpoch() % 100000000);
    }

    // The message of the print's failure, empty when it succeeded.
    QString Errore(const ImpostazioniStampa& impostazioni) {
        return ErroreDi([&] { StampaConImpostazioni(richiesta_, impostazioni); });
    }

    CartellaDiProva cartella_;
    RichiestaStampa richiesta_;
};

const QSizeF A4(595, 842);

ImpostazioniStampa Driver(const QString& coda, int lungPag) {
    ImpostazioniStampa impostazioni;
    impostazioni.font = QStringLiteral("Courier New");
    impostazioni.lungPag = static_cast<std::int16_t>(lungPag);
    // 7 points compressed, 10 points normal, through the driver.
    impostazioni.codici =
        CodiciStampante::decodifica(QStringLiteral("007000000000000001010"), QString());
    impostazioni.bersaglio = coda;
    return impostazioni;
}

ImpostazioniStampa Diretta(const QString& coda) {
    ImpostazioniStampa impostazioni;
    impostazioni.lungPag = 4;
    impostazioni.codici =
        CodiciStampante::decodifica(QStringLiteral("027015000000000000027018000000000000"),
                                    QStringLiteral("000000000000000001"));
    impostazioni.bersaglio = coda;
    return impostazioni;
}

} // namespace

TEST_F(StampaCups, TableauOnTheCupsPdfQueue) {
    if (!StrumentiPdfPresenti())
        GTEST_SKIP() << "Prova saltata: poppler-utils non installati";
    if (!StampantiInstallate().contains(QStringLiteral("PDF")))
        GTEST_SKIP()
            << "Prova saltata: nessuna coda cups-pdf \"PDF\" (scripts/cups-privato la crea)";
    richiesta_.destinazione = Unico("TableauPdf");
    richiesta_.compressa = true;
    // Eleven lines on pages of five: three pages.
    ASSERT_EQ(Errore(Driver(QStringLiteral("PDF"), 5)), QString());
    EXPECT_EQ(StampanteCorrente(), QStringLiteral("PDF"));

    const QString pdf = AttendiPdf(CartellaCupsPdf(), richiesta_.destinazione, 90);
    ASSERT_FALSE(pdf.isEmpty()) << "nessun PDF in " << CartellaCupsPdf().toStdString();
    // cups-pdf makes the PDF again through PostScript, which keeps the
    // glyphs but not the letters they stand for: the pages are checked here,
    // their text on the job as it leaves this program (below).
    EXPECT_EQ(PaginePdf(pdf), 3);
    for (int pagina = 1; pagina <= 3; ++pagina) {
        EXPECT_TRUE(StessaPagina(PaginaPdf(pdf, pagina), A4)) << "pagina " << pagina;
        EXPECT_FALSE(TestoPdf(pdf, pagina).trimmed().isEmpty()) << "pagina " << pagina;
    }
    QFile::remove(pdf);
}

TEST_F(StampaCups, DriverJobAsItReachesThePrinter) {
    if (!StrumentiPdfPresenti())
        GTEST_SKIP() << "Prova saltata: poppler-utils non installati";
    PortaDiStampa stampante;
    ASSERT_NE(stampante.porta(), 0);
    const CodaDiProva coda(Unico("TS_Laser"),
                           QStringLiteral("socket://127.0.0.1:%1").arg(stampante.porta()));
    if (!coda.creata())
        GTEST_SKIP() << "Prova saltata: lpadmin non può creare code di stampa (servono i diritti "
                        "di amministratore)";
    richiesta_.destinazione = QStringLiteral("Ufficio");
    richiesta_.orizzontale = true;
    ASSERT_EQ(Errore(Driver(coda.nome(), 5)), QString());
    EXPECT_EQ(StampanteCorrente(), coda.nome());

    // A queue without a driver passes the job on as it is: the PDF composed here.
    const QString pdf = cartella_.percorso(QStringLiteral("lavoro.pdf"));
    cartella_.scrivi(QStringLiteral("lavoro.pdf"), stampante.ricevuti(60));
    ASSERT_EQ(PaginePdf(pdf), 3);
    EXPECT_TRUE(StessaPagina(PaginaPdf(pdf, 1), A4.transposed()));
    const QString seconda = TestoPdf(pdf, 2);
    EXPECT_TRUE(seconda.contains(QStringLiteral("101| 1234 Rossi, Bian|")))
        << seconda.toStdString();
    EXPECT_TRUE(seconda.contains(QString::fromUtf8("Lucia Noè      1 |"))) << seconda.toStdString();
    EXPECT_TRUE(TestoPdf(pdf, 1).contains(QString::fromUtf8("Lunedì")))
        << TestoPdf(pdf, 1).toStdString();
    EXPECT_TRUE(FontPdf(pdf).contains(QStringLiteral("LiberationMono")));
    // Blanks are room, not glyphs, so that text copied from the job has no tabs.
    EXPECT_FALSE(CaratteriMappatiPdf(pdf).contains(u'\t'));
}

TEST_F(StampaCups, DirectOutputIsARawJobArrivingByteForByte) {
    PortaDiStampa stampante;
    ASSERT_NE(stampante.porta(), 0);
    const CodaDiProva coda(Unico("TS_Grezza"),
                           QStringLiteral("socket://127.0.0.1:%1").arg(stampante.porta()));
    if (!coda.creata())
        GTEST_SKIP() << "Prova saltata: lpadmin non può creare code di stampa (servono i diritti "
                        "di amministratore)";
    ScriviFileStampa(richiesta_.posto, QByteArray("\xB3uno\xC4\r\ndue\r\ntre\r\n"));
    richiesta_.destinazione = QStringLiteral("Ufficio");
    ASSERT_EQ(Errore(Diretta(coda.nome())), QString());
    const char atteso[] = "\x1b\x12\0\0\0 \r\n|uno-\r\ndue\r\ntre\r\n\f \r\n\f";
    EXPECT_EQ(stampante.ricevuti(60), QByteArray(atteso, sizeof atteso - 1));
}

// A queue that rejects jobs, and one that is stopped (where a job would wait
// unprinted), are named with their state, in Italian.
TEST_F(StampaCups, QueueThatRefusesJobsIsReported) {
    const CodaDiProva coda(Unico("TS_Rifiuta"), QStringLiteral("socket://127.0.0.1:9"));
    const CodaDiProva ferma(Unico("TS_Ferma"), QStringLiteral("socket://127.0.0.1:9"));
    if (!coda.creata() || !coda.rifiuta() || !ferma.creata() || !ferma.disattiva())
        GTEST_SKIP() << "Prova saltata: lpadmin non può creare code di stampa (servono i diritti "
                        "di amministratore)";
    richiesta_.destinazione = QStringLiteral("Magazzino");
    for (const auto& [nome, stato] : {std::pair{coda.nome(), QStringLiteral("non accetta lavori")},
                                      std::pair{ferma.nome(), QStringLiteral("è disattivata")}}) {
        for (const ImpostazioniStampa& impostazioni : {Diretta(nome), Driver(nome, 60)}) {
            const QString messaggio = Errore(impostazioni);
            const QString atteso =
                QStringLiteral("Stampa su \"Magazzino\" non eseguita: la coda di stampa \"%1\" %2")
                    .arg(nome, stato);
            EXPECT_TRUE(messaggio.startsWith(atteso)) << messaggio.toStdString();
        }
    }
}
