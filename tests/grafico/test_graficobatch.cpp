#include "batch/EseguiBatch.h"
#include "demo/GeneraDemo.h"
#include "demo/NomiDemo.h"
#include "grafico/CellaGrafico.h"
#include "prove/output/StrumentiPdf.h"
#include "prove/tableau/SuiteDiProva.h"
#include "prove/util/CartellaDiProva.h"
#include "prove/util/StampaQString.h"
#include "routines/Calendario.h"
#include "routines/Orologio.h"
#include "tableau/StampaTableau.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <iostream>

// The week chart written by the batch command, read back with the poppler
// tools: on the demo suite and on a tableau of 150 rooms, every name and
// company the report holds is there whole, every word lies inside its
// sheet and is set at 7 points or more, and every sheet has the heading
// and the day header.

namespace {

// Ascent and descent of Liberation Sans per point: pdftotext gives a word
// the box of the font's whole height.
constexpr double kAltezzaPerPunto = 0.905 + 0.212;

QString spaziSemplici(const QString& testo) {
    return testo.simplified();
}

struct Fogli {
    int pagine = 0;
    double puntiMinimi = 1e9;
    QString testo; // every sheet's text in drawing order, blanks made single
    QStringList parole;
};

class GraficoBatch : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!StrumentiPdfPresenti())
            GTEST_SKIP() << "Prova saltata: poppler-utils non installati";
        qputenv("PCLocal", "5");
    }
    void TearDown() override {
        qunsetenv("PCLocal");
        FissaOrologio(std::nullopt);
    }

    int esegui(const QStringList& richiesta, const QStringList& uscite) {
        uscita_.clear();
        errori_.clear();
        QTextStream uscita(&uscita_), errori(&errori_);
        return EseguiBatch(QStringList(richiesta) << "--orologio"
                                                  << "02/03/2026 08:00" << uscite,
                           uscita, errori);
    }

    // The names and companies of the tableau's cells, whole, as the same
    // request gives them to the chart.
    static QStringList testiDelTableau(const QStringList& richiesta) {
        const auto valore = [&](const char* opzione) {
            return richiesta[richiesta.indexOf(QString::fromLatin1(opzione)) + 1];
        };
        const TableauScritto scritto = StampaTableauConDati(
            static_cast<std::int16_t>(valore("--hotel").toInt()),
            static_cast<std::int16_t>(valore("--tableau").toInt()), valore("--dalla-camera"),
            valore("--alla-camera"), valore("--data"), HotelETableau::SoloEsistenti);
        QStringList testi;
        for (const CameraDellaSettimana& camera : scritto.dati.camere) {
            for (const GiornoCamera& giorno : camera.giorni) {
                const CellaGrafico cella = CellaGrafico::delGiorno(giorno);
                for (const QString& testo : {cella.nome, cella.ditta}) {
                    if (!testo.isEmpty())
                        testi << spaziSemplici(testo);
                }
            }
        }
        testi.removeDuplicates();
        return testi;
    }

    // Every sheet of the chart, checked: its size, the heading and the day
    // header, every word inside the sheet and at 7 points or more.
    static Fogli controllaFogli(const QString& pdf, const QSizeF& carta, const QString& hotel) {
        Fogli fogli;
        fogli.pagine = PaginePdf(pdf);
        EXPECT_GE(fogli.pagine, 1);
        EXPECT_TRUE(FontPdf(pdf).contains(QStringLiteral("LiberationSans")))
            << FontPdf(pdf).join(u' ').toStdString();
        for (int n = 1; n <= fogli.pagine; ++n) {
            const std::string dove = "foglio " + std::to_string(n);
            EXPECT_TRUE(StessaPagina(PaginaPdf(pdf, n), carta)) << dove;
            const QString testo = spaziSemplici(TestoPdfInOrdine(pdf, n));
            EXPECT_TRUE(testo.contains(hotel)) << dove;
            EXPECT_TRUE(testo.contains(u"stampato il 02/03/2026 alle 08:00")) << dove;
            EXPECT_TRUE(testo.contains(QStringLiteral("pagina %1 di %2").arg(n).arg(fogli.pagine)))
                << dove;
            for (const QString& giorno : kNomiGiorni)
                EXPECT_TRUE(testo.contains(giorno)) << dove << " " << giorno.toStdString();
            for (const ParolaPdf& parola : ParolePdf(pdf, n)) {
                EXPECT_TRUE(parola.xMin >= 0 && parola.yMin >= 0 && parola.xMax <= carta.width() &&
                            parola.yMax <= carta.height())
                    << dove << ": \"" << parola.testo.toStdString() << "\" fuori dal foglio";
                fogli.puntiMinimi =
                    std::min(fogli.puntiMinimi, (parola.yMax - parola.yMin) / kAltezzaPerPunto);
                fogli.parole << parola.testo;
            }
            fogli.testo += testo + u' ';
        }
        EXPECT_GE(fogli.puntiMinimi, 6.95);
        return fogli;
    }

    static void tuttiInteri(const QStringList& testi, const Fogli& fogli) {
        for (const QString& testo : testi)
            EXPECT_TRUE(fogli.testo.contains(testo)) << "manca intero: " << testo.toStdString();
    }

    CartellaDiProva cartella_;
    QString uscita_, errori_;
};

const QStringList kDemo{"--hotel",       "1",   "--tableau", "1",         "--dalla-camera", "1",
                        "--alla-camera", "999", "--data",    "02/03/2026"};
const QSizeF kA4Orizzontale(841.89, 595.28);

TEST_F(GraficoBatch, SuiteDemo) {
    OpzioniDemo demo;
    demo.cartella = cartella_.percorso();
    demo.riferimento = QDate(2026, 3, 2);
    GeneraDemo(demo);
    ASSERT_EQ(esegui(kDemo, {"--csv"}), Riuscito) << errori_.toStdString();
    const QByteArray stampa = cartella_.leggi(QStringLiteral("FD5"));
    const QByteArray foglio = cartella_.leggi(QStringLiteral("fd5.csv"));

    ASSERT_EQ(esegui(kDemo, {"--csv", "--grafico", "grafico.pdf", "--verboso"}), Riuscito)
        << errori_.toStdString();
    EXPECT_TRUE(uscita_.contains(u"Grafico della settimana scritto in grafico.pdf (1 foglio)"))
        << uscita_.toStdString();
    // The print file and the spreadsheet are those of a run without the chart.
    EXPECT_EQ(cartella_.leggi(QStringLiteral("FD5")), stampa);
    EXPECT_EQ(cartella_.leggi(QStringLiteral("fd5.csv")), foglio);

    const QStringList testi = testiDelTableau(kDemo);
    // Some texts are longer than the print file's columns hold.
    EXPECT_TRUE(std::any_of(testi.begin(), testi.end(),
                            [](const QString& testo) { return testo.size() > 14; }));
    const Fogli fogli = controllaFogli(cartella_.percorso(QStringLiteral("grafico.pdf")),
                                       kA4Orizzontale, QStringLiteral("Hotel Bellavista Riviera"));
    // The demo's 21 rooms on one sheet.
    EXPECT_EQ(fogli.pagine, 1);
    tuttiInteri(testi, fogli);
    std::cout << "demo: 21 camere, " << fogli.pagine << " foglio, carattere minimo "
              << fogli.puntiMinimi << " punti\n";
}

// 150 rooms of one tableau, each day taken, with the demo's names and
// companies and some longer ones.
void SalvaCentocinquantaCamere() {
    SuiteDiProva suite;
    suite.hotel(1, u"Grand Hotel delle Terme e dei Congressi");
    suite.tableau(1, 1, u"Tutto l'albergo");
    const QStringList& cognomi = CognomiDemo();
    const QStringList& nomi = NomiPropriDemo();
    const QStringList& ditte = DitteDemo();
    const auto data = [](int giorno) {
        return Valore(QDate(2026, 3, 2).addDays(giorno).toString(QStringLiteral("yyyyMMdd")));
    };
    for (int i = 0; i < 150; ++i) {
        const QString camera = QString::number(1001 + i);
        suite.camera(1, 1, Valore(camera));
        const QString nome = cognomi[i % cognomi.size()] + u' ' + nomi[i % nomi.size()] +
                             (i % 5 == 0 ? QStringLiteral(" Maria Sole") : QString());
        // A registered guest for the first days, a reservation after.
        suite.cliente(1, Valore(camera), data(-1), data(3), u"N", 1, 100000 + i, Valore(nome));
        suite.ditta(1, 100000 + i, Valore(ditte[i % ditte.size()]));
        suite.cameraPrenotata(1, Valore(camera), 500000 + i, u"C", data(3), data(9), 2);
        suite.scheda(1, 500000 + i, i % 2 ? u"C" : u"X", Valore(ditte[(i + 7) % ditte.size()]),
                     Valore(cognomi[(i + 3) % cognomi.size()] + QStringLiteral(" e famiglia")));
    }
    suite.salvaMdb();
}

TEST_F(GraficoBatch, CentocinquantaCamere) {
    SalvaCentocinquantaCamere();
    const QStringList richiesta{"--hotel",        "1",         "--tableau",     "1",
                                "--dalla-camera", "",          "--alla-camera", "9999",
                                "--data",         "02/03/2026"};
    ASSERT_EQ(esegui(richiesta, {"--grafico", "grafico.pdf"}), Riuscito) << errori_.toStdString();
    const Fogli fogli =
        controllaFogli(cartella_.percorso(QStringLiteral("grafico.pdf")), kA4Orizzontale,
                       QStringLiteral("Grand Hotel delle Terme e dei Congressi"));
    EXPECT_GE(fogli.pagine, 2);
    tuttiInteri(testiDelTableau(richiesta), fogli);
    // Each room's number once: its row is on one sheet only.
    for (int i = 0; i < 150; ++i)
        EXPECT_EQ(fogli.parole.count(QString::number(1001 + i)), 1) << 1001 + i;
    std::cout << "150 camere: " << fogli.pagine << " fogli, carattere minimo " << fogli.puntiMinimi
              << " punti\n";
}

TEST_F(GraficoBatch, FogliGuastiEVuoti) {
    OpzioniDemo demo;
    demo.cartella = cartella_.percorso();
    demo.riferimento = QDate(2026, 3, 2);
    GeneraDemo(demo);
    const QStringList prima = QDir::current().entryList(QDir::Files);

    // A file that cannot be written: the status of a failed output, the
    // file named, nothing left behind.
    EXPECT_EQ(esegui(kDemo, {"--grafico", "manca/grafico.pdf"}), UscitaNonRiuscita);
    EXPECT_TRUE(errori_.startsWith(
        u"Impossibile scrivere il grafico della settimana nel file \"manca/grafico.pdf\""))
        << errori_.toStdString();
    QStringList dopo = QDir::current().entryList(QDir::Files);
    dopo.removeAll(QStringLiteral("FD5"));
    EXPECT_EQ(dopo, prima);

    // A range without rooms: one sheet that says so.
    QStringList senzaCamere = kDemo;
    senzaCamere[senzaCamere.indexOf("--dalla-camera") + 1] = "A";
    senzaCamere[senzaCamere.indexOf("--alla-camera") + 1] = "B";
    ASSERT_EQ(esegui(senzaCamere, {"--grafico", "vuoto.pdf", "--carta", "a3", "--verticale"}),
              Riuscito)
        << errori_.toStdString();
    const Fogli vuoto =
        controllaFogli(cartella_.percorso(QStringLiteral("vuoto.pdf")), QSizeF(841.89, 1190.55),
                       QStringLiteral("Hotel Bellavista Riviera"));
    EXPECT_EQ(vuoto.pagine, 1);
    EXPECT_TRUE(vuoto.testo.contains(u"Nessuna camera da mostrare")) << vuoto.testo.toStdString();

    EXPECT_EQ(esegui(kDemo, {"--verticale"}), RigaDiComandoErrata);
    EXPECT_EQ(esegui(kDemo, {"--grafico", "g.pdf", "--carta", "A5"}), RigaDiComandoErrata);
    EXPECT_TRUE(errori_.contains(u"A3, A4 o letter")) << errori_.toStdString();
}

} // namespace
