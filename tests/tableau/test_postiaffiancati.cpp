// Workstations side by side: several copies of tableau-settimanale-batch run
// at once in one folder with one set of databases, each writing the report,
// the spreadsheet and a PDF over and over. Every output must be whole and
// the one a lone run of the same request makes, and belong to the
// workstation that asked for it; copies sharing one workstation may
// overwrite each other's files but never leave a mixed or cut one.
//
// The runs last TS_AFFIANCATI_SECONDI seconds (3 unless set); a longer run
// by hand: tools/affiancati/esegui.

#include "demo/GeneraDemo.h"
#include "prove/output/StrumentiPdf.h"
#include "prove/util/CartellaDiProva.h"
#include "prove/util/StampaQString.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <map>
#include <memory>
#include <set>

namespace {

const QDate Riferimento(2026, 3, 2);

// One request of one workstation: its PCLocal value, the arguments of the
// command, the PDF file it writes.
struct Richiesta {
    QString posto;
    QStringList argomenti;
    QString pdf;
};

Richiesta Chiedi(const QString& posto, const QString& hotel, const QString& tableau,
                 const QString& prima, const QString& ultima, int settimane, const QString& pdf,
                 const QStringList& altre = {}) {
    QStringList argomenti{"--hotel",
                          hotel,
                          "--tableau",
                          tableau,
                          "--dalla-camera",
                          prima,
                          "--alla-camera",
                          ultima,
                          "--data",
                          Riferimento.addDays(7 * settimane).toString("dd/MM/yyyy"),
                          "--orologio",
                          "02/03/2026 08:00",
                          "--csv",
                          "--pdf",
                          pdf};
    return {posto, argomenti << altre, pdf};
}

// What a run leaves: its messages and the three files.
struct Uscite {
    QByteArray messaggi, stampa, foglio;
    QString testoPdf;
};

QString Programma() {
    return qEnvironmentVariable("TS_BUILD_DIR") +
           QStringLiteral("/src/batch/tableau-settimanale-batch");
}

int Secondi() {
    bool ok = false;
    const int secondi = qEnvironmentVariableIntValue("TS_AFFIANCATI_SECONDI", &ok);
    return ok && secondi > 0 ? secondi : 3;
}

QString FileStampa(const Richiesta& r) {
    return QStringLiteral("FD") + r.posto;
}
QString Foglio(const Richiesta& r) {
    return QStringLiteral("fd") + r.posto + QStringLiteral(".csv");
}

// One copy of the command, started again each time it ends.
class Copia {
  public:
    Copia(const Richiesta& richiesta, const QString& cartellaRuntime) : richiesta_(richiesta) {
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        // Qt warns on the standard error without a runtime folder of its own.
        ambiente.insert(QStringLiteral("XDG_RUNTIME_DIR"), cartellaRuntime);
        for (const QString& nome : ambiente.keys())
            if (nome.compare(QLatin1String("PCLocal"), Qt::CaseInsensitive) == 0)
                ambiente.remove(nome);
        ambiente.insert(QStringLiteral("PCLocal"), richiesta.posto);
        processo_.setProcessEnvironment(ambiente);
        processo_.setWorkingDirectory(QDir::currentPath());
    }

    const Richiesta& richiesta() const { return richiesta_; }
    int eseguite() const { return eseguite_; }
    bool inCorso() const { return processo_.state() != QProcess::NotRunning; }

    void avvia() {
        avviata_.start();
        processo_.start(Programma(), richiesta_.argomenti);
    }

    // A run that takes far longer than any should is stopped, as a failure.
    bool ferma() {
        if (!avviata_.hasExpired(kDurataMassima))
            return false;
        ADD_FAILURE() << "PCLocal=" << richiesta_.posto.toStdString() << ": esecuzione ferma da "
                      << avviata_.elapsed() << " ms, interrotta";
        processo_.kill();
        processo_.waitForFinished();
        return true;
    }

    // Whether the run has ended, waiting for it at most `millisecondi`.
    bool finita(int millisecondi) {
        if (!inCorso())
            return true;
        return processo_.waitForFinished(millisecondi) || !inCorso();
    }

    // The messages of the run that ended; a failure of the run as an error text.
    QByteArray raccogli(QString& errore) {
        ++eseguite_;
        const QByteArray errori = processo_.readAllStandardError();
        if (processo_.error() == QProcess::FailedToStart ||
            processo_.exitStatus() != QProcess::NormalExit || processo_.exitCode() != 0 ||
            !errori.isEmpty())
            errore =
                QStringLiteral("PCLocal=%1, esecuzione %2: esito %3, %4")
                    .arg(richiesta_.posto)
                    .arg(eseguite_)
                    .arg(processo_.exitStatus() == QProcess::NormalExit ? processo_.exitCode() : -1)
                    .arg(QString::fromUtf8(errori));
        return processo_.readAllStandardOutput();
    }

  private:
    static constexpr qint64 kDurataMassima = 120000;
    Richiesta richiesta_;
    QProcess processo_;
    QElapsedTimer avviata_;
    int eseguite_ = 0;
};

class PostiAffiancati : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!QFile::exists(Programma()))
            GTEST_SKIP() << "Prova saltata: programma assente: " << Programma().toStdString();
        if (!StrumentiPdfPresenti())
            GTEST_SKIP() << "Prova saltata: poppler-utils non installati";
        OpzioniDemo demo;
        demo.cartella = cartella_.percorso();
        demo.riferimento = Riferimento;
        for (const QString& nome : GeneraDemo(demo))
            archivi_[QFileInfo(nome).fileName()] = cartella_.leggi(QFileInfo(nome).fileName());
        ASSERT_FALSE(archivi_.empty());
    }

    void TearDown() override {
        // The databases are only read.
        for (const auto& [nome, contenuto] : archivi_)
            EXPECT_TRUE(cartella_.leggi(nome) == contenuto) << nome.toStdString() << " è cambiato";
    }

    // A lone run of the request, its outputs as they are right after it.
    Uscite DaSola(const Richiesta& richiesta) {
        Copia copia(richiesta, runtime_.path());
        copia.avvia();
        EXPECT_TRUE(copia.finita(60000));
        QString errore;
        Uscite uscite;
        uscite.messaggi = copia.raccogli(errore);
        EXPECT_EQ(errore, QString());
        uscite.stampa = cartella_.leggi(FileStampa(richiesta));
        uscite.foglio = cartella_.leggi(Foglio(richiesta));
        uscite.testoPdf = TestoPdfCompleto(cartella_.percorso(richiesta.pdf));
        EXPECT_FALSE(uscite.stampa.isEmpty());
        EXPECT_FALSE(uscite.foglio.isEmpty());
        EXPECT_TRUE(uscite.testoPdf.contains(u'\f'));
        return uscite;
    }

    // Runs every request at once, each again as soon as it ends, until the
    // time is up; `finita` checks a run that ended, `osserva` is called
    // between looks at the copies.
    std::vector<int> Affiancate(const std::vector<Richiesta>& richieste,
                                const std::function<void(const Copia&, const QByteArray&)>& finita,
                                const std::function<void()>& osserva, int pausa) {
        std::vector<std::unique_ptr<Copia>> copie;
        for (const Richiesta& r : richieste)
            copie.push_back(std::make_unique<Copia>(r, runtime_.path()));
        const QDeadlineTimer fine(Secondi() * 1000);
        for (auto& copia : copie)
            copia->avvia();
        bool qualcunaInCorso = true;
        while (qualcunaInCorso) {
            qualcunaInCorso = false;
            bool attesa = false;
            for (auto& copia : copie) {
                if (!copia->inCorso())
                    continue;
                // The first copy still running gives the pause between looks.
                const bool conclusa = copia->finita(attesa ? 0 : pausa);
                attesa = true;
                if (!conclusa) {
                    if (!copia->ferma())
                        qualcunaInCorso = true;
                    continue;
                }
                QString errore;
                const QByteArray messaggi = copia->raccogli(errore);
                EXPECT_EQ(errore, QString());
                finita(*copia, messaggi);
                if (!fine.hasExpired()) {
                    copia->avvia();
                    qualcunaInCorso = true;
                }
            }
            osserva();
        }
        std::vector<int> eseguite;
        for (const auto& copia : copie)
            eseguite.push_back(copia->eseguite());
        return eseguite;
    }

    // Reports the runs counted, on the standard output and in the test's record.
    void Conta(const std::vector<Richiesta>& richieste, const std::vector<int>& eseguite) {
        QString riga = QStringLiteral("esecuzioni in %1 s:").arg(Secondi());
        for (size_t i = 0; i < richieste.size(); ++i) {
            riga += QStringLiteral(" PCLocal=%1 %2").arg(richieste[i].posto).arg(eseguite[i]);
            RecordProperty(
                QStringLiteral("esecuzioni_%1_%2").arg(richieste[i].posto).arg(i).toStdString(),
                eseguite[i]);
            EXPECT_GT(eseguite[i], 0);
        }
        std::cout << riga.toStdString() << std::endl;
    }

    // The folder holds the databases and the outputs named, nothing else (no
    // temporary file left behind).
    void SoloQuesti(const std::set<QString>& uscite) {
        std::set<QString> attesi = uscite;
        for (const auto& [nome, contenuto] : archivi_)
            attesi.insert(nome);
        const QStringList presenti =
            QDir(cartella_.percorso()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
        EXPECT_EQ(std::set<QString>(presenti.begin(), presenti.end()), attesi)
            << presenti.join(u' ').toStdString();
    }

    // The text of PDF bytes read once: pdftotext reads a copy, since it may
    // open the file more than once and a copy may replace it in between.
    QString TestoLetto(const QByteArray& pdf) {
        const QString copia = letti_.filePath(QStringLiteral("letto.pdf"));
        QFile file(copia);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(pdf) != pdf.size())
            return QStringLiteral("(copia non scritta)");
        file.close();
        return TestoPdfCompleto(copia);
    }

    CartellaDiProva cartella_;
    QTemporaryDir runtime_, letti_;
    std::map<QString, QByteArray> archivi_;
};

// Four workstations, each with its own hotel, tableau, rooms and week.
TEST_F(PostiAffiancati, OgniPostoHaLeSueUscite) {
    const std::vector<Richiesta> richieste{
        Chiedi("11", "1", "1", "100", "199", 0, "posto11.pdf", {"--orizzontale"}),
        Chiedi("12", "1", "2", "200", "299", 1, "posto12.pdf"),
        Chiedi("13", "2", "1", "100", "199", -1, "posto13.pdf", {"--compressa"}),
        Chiedi("14", "2", "2", "A", "Z", 2, "posto14.pdf", {"--orizzontale"}),
    };
    std::map<QString, Uscite> attese;
    std::set<QString> uscite;
    for (const Richiesta& r : richieste) {
        attese[r.posto] = DaSola(r);
        uscite.insert({FileStampa(r), Foglio(r), r.pdf});
    }
    // The requests differ, so that a file of another workstation shows.
    for (const Richiesta& a : richieste)
        for (const Richiesta& b : richieste)
            if (a.posto != b.posto) {
                EXPECT_NE(attese[a.posto].stampa, attese[b.posto].stampa);
                EXPECT_NE(attese[a.posto].testoPdf, attese[b.posto].testoPdf);
            }
    if (HasFailure())
        return;

    const auto controlla = [&](const Copia& copia, const QByteArray& messaggi) {
        const Richiesta& r = copia.richiesta();
        const Uscite& attesa = attese[r.posto];
        const QString dove =
            QStringLiteral("PCLocal=%1, esecuzione %2").arg(r.posto).arg(copia.eseguite());
        EXPECT_EQ(messaggi, attesa.messaggi) << dove.toStdString();
        EXPECT_TRUE(cartella_.leggi(FileStampa(r)) == attesa.stampa) << dove.toStdString();
        EXPECT_TRUE(cartella_.leggi(Foglio(r)) == attesa.foglio) << dove.toStdString();
        const QByteArray pdf = cartella_.leggi(r.pdf);
        EXPECT_TRUE(PdfIntero(pdf)) << dove.toStdString();
        EXPECT_EQ(TestoLetto(pdf), attesa.testoPdf) << dove.toStdString();
    };
    Conta(richieste, Affiancate(
                         richieste, controlla, [] {}, 20));
    SoloQuesti(uscite);
}

// Copies on one workstation, each with its own request, all writing the same
// print file and spreadsheet, three of them the same PDF file too: whenever
// these are looked at, while the copies run and after, each is whole and the
// one some lone run wrote. The fourth copy writes a PDF file of its own,
// which must always hold its own report with its own hotel's pages, though
// the others replace the print file under it.
TEST_F(PostiAffiancati, UnoStessoPostoNonMescolaIFile) {
    const std::vector<Richiesta> richieste{
        Chiedi("20", "1", "1", "100", "199", 0, "comune.pdf"),
        Chiedi("20", "1", "2", "200", "299", 1, "comune.pdf"),
        Chiedi("20", "2", "1", "100", "199", -1, "comune.pdf"),
        Chiedi("20", "2", "2", "A", "Z", 2, "proprio.pdf"),
    };
    const Richiesta& comune = richieste.front();
    const Richiesta& propria = richieste.back();
    std::set<QByteArray> stampe, fogli, messaggi;
    std::set<QString> testiPdf;
    QString testoProprio;
    for (const Richiesta& r : richieste) {
        const Uscite attesa = DaSola(r);
        stampe.insert(attesa.stampa);
        fogli.insert(attesa.foglio);
        messaggi.insert(attesa.messaggi);
        if (r.pdf == comune.pdf)
            testiPdf.insert(attesa.testoPdf);
        else
            testoProprio = attesa.testoPdf;
    }
    ASSERT_EQ(stampe.size(), richieste.size());
    ASSERT_EQ(fogli.size(), richieste.size());
    ASSERT_EQ(testiPdf.size(), richieste.size() - 1);

    int osservazioni = 0;
    // PDF files caught while the copies ran, read with pdftotext afterwards:
    // a sample of them, as each takes a process to read.
    std::map<QByteArray, QByteArray> pdfVisti;
    const auto osserva = [&] {
        ++osservazioni;
        const QByteArray stampa = cartella_.leggi(FileStampa(comune));
        const QByteArray foglio = cartella_.leggi(Foglio(comune));
        const QByteArray pdf = cartella_.leggi(comune.pdf);
        EXPECT_TRUE(stampe.count(stampa))
            << "file di stampa di " << stampa.size() << " byte, osservazione " << osservazioni;
        EXPECT_TRUE(fogli.count(foglio))
            << "foglio di calcolo di " << foglio.size() << " byte, osservazione " << osservazioni;
        EXPECT_TRUE(PdfIntero(pdf))
            << "PDF di " << pdf.size() << " byte, osservazione " << osservazioni;
        if (pdfVisti.size() < 30)
            pdfVisti.emplace(QCryptographicHash::hash(pdf, QCryptographicHash::Sha1), pdf);
    };
    const auto controlla = [&](const Copia& copia, const QByteArray& detti) {
        EXPECT_TRUE(messaggi.count(detti)) << detti.toStdString();
        osserva();
        const QString dove =
            QStringLiteral("esecuzione %1 di %2").arg(copia.eseguite()).arg(copia.richiesta().pdf);
        const QString testo = TestoLetto(cartella_.leggi(copia.richiesta().pdf));
        if (copia.richiesta().pdf == propria.pdf)
            EXPECT_EQ(testo, testoProprio) << dove.toStdString();
        else
            EXPECT_EQ(testiPdf.count(testo), 1u) << dove.toStdString() << "\n"
                                                 << testo.toStdString();
    };
    Conta(richieste, Affiancate(richieste, controlla, osserva, 1));
    std::cout << "osservazioni dei file comuni: " << osservazioni
              << ", PDF distinti letti: " << pdfVisti.size() << std::endl;
    RecordProperty("osservazioni", osservazioni);
    osserva();
    for (const auto& [impronta, pdf] : pdfVisti)
        EXPECT_EQ(testiPdf.count(TestoLetto(pdf)), 1u);
    SoloQuesti({FileStampa(comune), Foglio(comune), comune.pdf, propria.pdf});
}

} // namespace
