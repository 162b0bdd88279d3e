#include "batch/EseguiBatch.h"
#include "batch/OpzioniBatch.h"
#include "prove/front/ArchiviDiProva.h"
#include "prove/print/VariabiliDiProva.h"
#include "prove/tableau/SuiteDiProva.h"
#include "prove/tableau/TestoTableau.h"
#include "prove/util/CartellaDiProva.h"
#include "prove/util/StampaQString.h"
#include "routines/Orologio.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

const QStringList kPiccola{"--hotel",        "1",          "--tableau",     "2",
                           "--dalla-camera", "100",        "--alla-camera", "200",
                           "--data",         "07/01/2026", "--orologio",    "05/01/2026 08:30"};

TEST(OpzioniBatch, FormeDelleOpzioni) {
    const OpzioniBatch o =
        LeggiOpzioniBatch({"--hotel=12", "--tableau", "3", "--dalla-camera", "", "--alla-camera=99",
                           "--orologio", "07/03/2026 14:05"});
    EXPECT_EQ(o.hotel, 12);
    EXPECT_EQ(o.tableau, 3);
    EXPECT_EQ(o.primaCamera, "");
    EXPECT_EQ(o.ultimaCamera, "99");
    EXPECT_FALSE(o.data);
    EXPECT_EQ(o.orologio, QDateTime(QDate(2026, 3, 7), QTime(14, 5)));
    EXPECT_TRUE(LeggiOpzioniBatch({"--help"}).aiuto);
    EXPECT_TRUE(LeggiOpzioniBatch({"-h", "--hotel", "1"}).aiuto);
}

TEST(OpzioniBatch, RigheDiComandoErrate) {
    const auto messaggio = [](const QStringList& argomenti) {
        try {
            LeggiOpzioniBatch(argomenti);
        } catch (const Errore& errore) {
            return errore.messaggio();
        }
        return QString();
    };
    EXPECT_EQ(messaggio({"--hotel", "1", "--tableau", "1", "--dalla-camera", "1"}),
              "Mancano le opzioni obbligatorie: --alla-camera. Usare --help per l'aiuto.");
    EXPECT_TRUE(messaggio({"--albergo", "1"}).startsWith(u"Opzione sconosciuta: --albergo."));
    EXPECT_EQ(messaggio({"--hotel"}), "Manca il valore dell'opzione --hotel.");
    EXPECT_TRUE(messaggio({"--hotel", "40000"}).contains(u"da -32768 a 32767"));
    EXPECT_TRUE(messaggio({"--hotel", "uno"}).contains(u"\"uno\""));
    EXPECT_TRUE(messaggio({"--orologio", "ieri"}).contains(u"gg/mm/aaaa hh:mm"));
    EXPECT_TRUE(messaggio({"--help=si"}).contains(u"non vuole un valore"));
    EXPECT_TRUE(messaggio({"1"}).startsWith(u"Argomento non previsto"));
}

class Batch : public ::testing::Test {
  protected:
    Batch() {
        ambiente_.togli("PCLocal");
        ambiente_.imposta("PCLocal", "1");
        SuitePiccola().salvaMdb();
    }
    ~Batch() override { FissaOrologio(std::nullopt); }

    int esegui(const QStringList& argomenti) {
        uscita_.clear();
        errori_.clear();
        QTextStream uscita(&uscita_);
        QTextStream errori(&errori_);
        return EseguiBatch(argomenti, uscita, errori);
    }
    // The request of the small suite with some options replaced.
    static QStringList con(const QString& opzione, const QString& valore) {
        QStringList argomenti = kPiccola;
        argomenti[argomenti.indexOf(opzione) + 1] = valore;
        return argomenti;
    }

    CartellaDiProva cartella_;
    VariabiliDiProva ambiente_;
    QString uscita_, errori_;
};

TEST_F(Batch, ScriveIlFileStampa) {
    // Quiet when all went well, as cron wants it; --verboso says what was written where.
    EXPECT_EQ(esegui(kPiccola), Riuscito) << errori_.toStdString();
    EXPECT_EQ(uscita_, "");
    EXPECT_EQ(errori_, "");
    EXPECT_EQ(esegui(QStringList(kPiccola) << "--verboso"), Riuscito);
    EXPECT_EQ(uscita_, "Tableau scritto nel file di stampa FD1 (cartella " +
                           QDir::toNativeSeparators(cartella_.percorso()) + ")\n");
    EXPECT_EQ(Differenza(FileAtteso(QStringLiteral("piccolo.txt")), cartella_.leggi("FD1")),
              QString());
    // A date typed as ggmmaa is completed, as Enter completes it in the window.
    EXPECT_EQ(esegui(con("--data", "070126")), Riuscito);
    EXPECT_EQ(Differenza(FileAtteso(QStringLiteral("piccolo.txt")), cartella_.leggi("FD1")),
              QString());
}

TEST_F(Batch, ControlliDellaFinestra) {
    EXPECT_EQ(esegui(con("--alla-camera", "0")), RichiestaNonValida);
    EXPECT_EQ(errori_, "Camere errate!\nControllare l'intervallo di camere richiesto!\n");
    EXPECT_EQ(esegui(con("--data", "31/02/2026")), RichiestaNonValida);
    EXPECT_EQ(errori_, "Data errata!\nLa data deve essere inserita\nnel formato gg/mm/aaaa\n");
    EXPECT_EQ(esegui(con("--data", "29/02/2100")), RichiestaNonValida);
    EXPECT_EQ(errori_, "La data 29/02/2100 non esiste nel calendario.\n");
    // Equal texts pass, as in the window.
    EXPECT_EQ(esegui(con("--alla-camera", "100")), Riuscito);
    EXPECT_EQ(cartella_.leggi("FD1").count("\r\n"), 5);
}

TEST_F(Batch, ErroriConEsitoProprio) {
    EXPECT_EQ(esegui({"--hotel", "1"}), RigaDiComandoErrata);
    EXPECT_TRUE(errori_.startsWith(u"Mancano le opzioni obbligatorie"));

    ambiente_.imposta("PCLocal", "..");
    EXPECT_EQ(esegui(kPiccola), RichiestaNonValida);
    EXPECT_TRUE(errori_.contains(u"PCLocal")) << errori_.toStdString();
    ambiente_.imposta("PCLocal", "1");

    // Unlike the window, a hotel or tableau that is not in the databases is
    // refused by name, rather than written as an empty week.
    EXPECT_EQ(esegui(con("--hotel", "9")), RichiestaNonValida);
    EXPECT_EQ(errori_, "L'hotel 9 non è nell'archivio AnagraficaHotels.mdb.\n");
    EXPECT_EQ(esegui(con("--tableau", "7")), RichiestaNonValida);
    EXPECT_EQ(errori_, "Il tableau 7 dell'hotel 1 non è nell'archivio Tableau.mdb.\n");
    EXPECT_FALSE(QFile::exists("FD1"));

    QFile::remove("Tableau.mdb");
    EXPECT_EQ(esegui(kPiccola), ArchivioIllegibile);
    EXPECT_TRUE(errori_.contains(u"Tableau.mdb")) << errori_.toStdString();
    EXPECT_FALSE(QFile::exists("FD1"));

    SuitePiccola().salvaMdb();
    QDir().mkdir("FD1");
    EXPECT_EQ(esegui(kPiccola), FileStampaNonScritto);
    EXPECT_TRUE(errori_.startsWith(u"Impossibile aprire il file di stampa FD1"))
        << errori_.toStdString();
}

// What --elenca shows of the selection window's suite: the hotels and
// tableaux the window lists, with the room range it proposes (text order,
// bedrooms only), aligned; a missing database ends it as a report would.
TEST(ElencoBatch, HotelTableauEIntervalli) {
    CartellaDiProva cartella;
    ScriviArchiviDiProva();
    QString uscita, errori;
    QTextStream flussoUscita(&uscita), flussoErrori(&errori);
    EXPECT_EQ(EseguiBatch({"--elenca"}, flussoUscita, flussoErrori), Riuscito);
    EXPECT_EQ(errori, "");
    EXPECT_EQ(uscita, "Hotel  1  Hotel Uno\n"
                      "  Tableau 7  Piano primo   camere da 101 a 99\n"
                      "  Tableau 2  Appartamenti  nessuna camera da letto\n"
                      "Hotel 12  Hotel Dodici\n"
                      "  Tableau 3  Dodici        camere da 12 a 12\n");

    QFile::remove("TipiCamere.mdb");
    uscita.clear();
    EXPECT_EQ(EseguiBatch({"--elenca"}, flussoUscita, flussoErrori), ArchivioIllegibile);
    EXPECT_EQ(uscita, "");
    EXPECT_TRUE(errori.startsWith(u"Archivio non trovato: TipiCamere.mdb")) << errori.toStdString();
}

// The executable itself: its exit status and its messages on the standard
// streams.
TEST_F(Batch, Eseguibile) {
    const QString programma = qEnvironmentVariable("TS_BUILD_DIR") +
                              QStringLiteral("/src/batch/tableau-settimanale-batch");
    if (!QFile::exists(programma))
        GTEST_SKIP() << "Prova saltata: programma assente: " << programma.toStdString();
    QProcess processo;
    processo.start(programma, {"--help"});
    ASSERT_TRUE(processo.waitForFinished());
    EXPECT_EQ(processo.exitCode(), 0);
    EXPECT_TRUE(QString::fromUtf8(processo.readAllStandardOutput())
                    .startsWith(u"Uso: tableau-settimanale-batch"));

    processo.start(programma, con("--alla-camera", "0"));
    ASSERT_TRUE(processo.waitForFinished());
    EXPECT_EQ(processo.exitCode(), RichiestaNonValida);
    EXPECT_EQ(QString::fromUtf8(processo.readAllStandardError()),
              "Camere errate!\nControllare l'intervallo di camere richiesto!\n");

    // A PDF file needs a GUI application, which complains on standard error
    // of a session without XDG_RUNTIME_DIR (cron): only the command's own
    // message may be there.
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    processo.setProcessEnvironment(ambiente);
    processo.start(programma, QStringList(kPiccola) << "--pdf"
                                                    << "tableau.pdf");
    ASSERT_TRUE(processo.waitForFinished());
    EXPECT_EQ(processo.exitCode(), ArchivioIllegibile);
    const QString errori = QString::fromUtf8(processo.readAllStandardError());
    EXPECT_TRUE(errori.startsWith(u"Archivio non trovato: Stampanti.mdb")) << errori.toStdString();
    EXPECT_EQ(errori.count(u'\n'), 1) << errori.toStdString();
}

} // namespace
