// Another program of the suite rewrites Camere_Prenotazione.mdb in place,
// page by page, alternately with two whole states of the same size
// (tools/concorrenza/riscrivi-archivio), while the batch command runs again
// and again on the folder. Every run must give the report of one state or
// the other, or stop with the message that the database is being changed: a
// silent mix of the two, a crash, or a missing table or damage blamed on a
// sound file is a fault.
//
// Each case runs TS_CONCORRENZA_SECONDI seconds (3 unless set); a longer run
// by hand: tools/concorrenza/esegui.

#include "demo/GeneraDemo.h"
#include "tableau/ProcessoBatch.h"
#include "util/CartellaDiProva.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>

namespace {

const QString Archivio = QStringLiteral("Camere_Prenotazione.mdb");
const QString Posto = QStringLiteral("8");
const QStringList Richiesta{"--hotel",        "1",          "--tableau",     "1",
                            "--dalla-camera", "1",          "--alla-camera", "999",
                            "--data",         "02/03/2026", "--orologio",    "02/03/2026 08:00"};
// The words by which the batch command says that a database changed while it
// was read (exit status 4, as for a database it cannot read).
const QString InModifica = QStringLiteral("in corso di modifica da parte di un altro programma");

int Secondi() {
    bool ok = false;
    const int secondi = qEnvironmentVariableIntValue("TS_CONCORRENZA_SECONDI", &ok);
    return ok && secondi > 0 ? secondi : 3;
}

QString Riscrittore() {
    return qEnvironmentVariable("TS_BUILD_DIR") +
           QStringLiteral("/tools/concorrenza/riscrivi-archivio");
}

// How the runs ended; a fault keeps the messages of its first run.
struct Conteggi {
    int statoA = 0, statoB = 0, inModifica = 0;
    int mescolati = 0, caduti = 0, dannoDichiarato = 0;
    QString primoCaduto, primoDanno;
    long riscritture = 0;

    int esecuzioni() const {
        return statoA + statoB + inModifica + mescolati + caduti + dannoDichiarato;
    }
    QString riga(int pausa) const {
        return QStringLiteral("pausa %1 ms, %2 s: %3 esecuzioni (stato A %4, stato B %5, "
                              "in modifica %6; mescolati %7, caduti %8, tabella mancante o danno "
                              "%9), %10 riscritture")
            .arg(pausa)
            .arg(Secondi())
            .arg(esecuzioni())
            .arg(statoA)
            .arg(statoB)
            .arg(inModifica)
            .arg(mescolati)
            .arg(caduti)
            .arg(dannoDichiarato)
            .arg(riscritture);
    }
};

class Concorrenza : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!QFile::exists(ProgrammaBatch()) || !QFile::exists(Riscrittore()))
            GTEST_SKIP() << "no executable at " << ProgrammaBatch().toStdString() << " or "
                         << Riscrittore().toStdString();
        // State A is the demo of one seed, state B the reservations of
        // another; the shorter is completed with empty pages, which no table
        // uses, so that both have one size.
        OpzioniDemo demo;
        demo.riferimento = QDate(2026, 3, 2);
        demo.cartella = cartella_.percorso();
        ASSERT_FALSE(GeneraDemo(demo).isEmpty());
        demo.cartella = stati_.path();
        demo.seme = 2;
        ASSERT_FALSE(GeneraDemo(demo).isEmpty());
        QByteArray a = cartella_.leggi(Archivio);
        QByteArray b = leggi(stati_.filePath(Archivio));
        const qsizetype dimensione = std::max(a.size(), b.size());
        a.append(dimensione - a.size(), '\0');
        b.append(dimensione - b.size(), '\0');
        ASSERT_NE(a, b);
        scrivi(statoA(), a);
        scrivi(statoB(), b);

        // The report of each state, each run on a file at rest.
        cartella_.scrivi(Archivio, b);
        stampaB_ = stampa();
        cartella_.scrivi(Archivio, a);
        stampaA_ = stampa();
        ASSERT_FALSE(stampaA_.isEmpty());
        ASSERT_FALSE(stampaB_.isEmpty());
        ASSERT_NE(stampaA_, stampaB_);
    }

    QString statoA() const { return stati_.filePath(QStringLiteral("statoA.mdb")); }
    QString statoB() const { return stati_.filePath(QStringLiteral("statoB.mdb")); }

    static QByteArray leggi(const QString& percorso) {
        QFile file(percorso);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static void scrivi(const QString& percorso, const QByteArray& contenuto) {
        QFile file(percorso);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                    file.write(contenuto) == contenuto.size());
    }

    // A run on the file at rest: the print file it wrote.
    QByteArray stampa() {
        QFile::remove(cartella_.percorso(QStringLiteral("FD") + Posto));
        const EsecuzioneBatch e = EseguiProgrammaBatch(cartella_.percorso(), Posto, Richiesta);
        EXPECT_TRUE(e.conclusa && e.esito == 0) << e.errori.toStdString();
        return cartella_.leggi(QStringLiteral("FD") + Posto);
    }

    // Runs the batch command over and over for Secondi() while the file is
    // rewritten with a pause of `pausa` ms between rewrites, counting how
    // each run ended.
    Conteggi Affianca(int pausa) {
        Conteggi conti;
        QProcess riscrittore;
        riscrittore.start(Riscrittore(), {cartella_.percorso(Archivio), statoA(), statoB(),
                                          QStringLiteral("--pausa"), QString::number(pausa)});
        EXPECT_TRUE(riscrittore.waitForStarted());
        const QDeadlineTimer fine(Secondi() * 1000);
        while (!fine.hasExpired() && riscrittore.state() == QProcess::Running) {
            const QString stampa = QStringLiteral("FD") + Posto;
            QFile::remove(cartella_.percorso(stampa));
            const EsecuzioneBatch e = EseguiProgrammaBatch(cartella_.percorso(), Posto, Richiesta);
            const QString errori = QString::fromUtf8(e.errori).trimmed();
            if (e.conclusa && e.esito == 0) {
                const QByteArray scritta = cartella_.leggi(stampa);
                ++(scritta == stampaA_   ? conti.statoA
                   : scritta == stampaB_ ? conti.statoB
                                         : conti.mescolati);
            } else if (e.conclusa && e.esito == 4 && errori.contains(InModifica)) {
                ++conti.inModifica;
            } else if (e.conclusa && e.esito == 4) {
                if (conti.dannoDichiarato++ == 0)
                    conti.primoDanno = errori;
            } else if (conti.caduti++ == 0) {
                conti.primoCaduto =
                    QStringLiteral("esito %1 (%2): %3")
                        .arg(e.esito)
                        .arg(e.conclusa ? QStringLiteral("concluso") : QStringLiteral("caduto"))
                        .arg(errori);
            }
        }
        // SIGTERM: the tool ends after the rewrite in progress.
        riscrittore.terminate();
        if (!riscrittore.waitForFinished(10000)) {
            ADD_FAILURE() << "riscrivi-archivio non si ferma";
            riscrittore.kill();
            riscrittore.waitForFinished();
        }
        const QByteArray detto = riscrittore.readAllStandardOutput();
        EXPECT_EQ(riscrittore.exitCode(), 0) << riscrittore.readAllStandardError().toStdString();
        conti.riscritture = QString::fromUtf8(detto).section(u':', 1).trimmed().toLong();
        // Left whole in one of the states.
        const QByteArray lasciato = cartella_.leggi(Archivio);
        EXPECT_TRUE(lasciato == leggi(statoA()) || lasciato == leggi(statoB()));

        std::cout << conti.riga(pausa).toStdString() << std::endl;
        RecordProperty("conteggi_pausa_" + std::to_string(pausa), conti.riga(pausa).toStdString());
        return conti;
    }

    void Controlla(const Conteggi& conti) {
        EXPECT_GT(conti.esecuzioni(), 0);
        EXPECT_GT(conti.riscritture, 0);
        EXPECT_EQ(conti.mescolati, 0) << "rapporti mescolati dei due stati, scritti come riusciti";
        EXPECT_EQ(conti.caduti, 0) << conti.primoCaduto.toStdString();
        EXPECT_EQ(conti.dannoDichiarato, 0) << conti.primoDanno.toStdString();
    }

    CartellaDiProva cartella_;
    QTemporaryDir stati_;
    QByteArray stampaA_, stampaB_;
};

// As another program that saves now and then.
TEST_F(Concorrenza, RiscritturaOgni300ms) {
    Controlla(Affianca(300));
}

// As another program writing without a break: the report may then never
// find the file at rest, but it must say so.
TEST_F(Concorrenza, RiscritturaSenzaPausa) {
    Controlla(Affianca(0));
}

} // namespace
