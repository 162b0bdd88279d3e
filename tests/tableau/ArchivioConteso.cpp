#include "prove/tableau/ArchivioConteso.h"

#include "demo/GeneraDemo.h"
#include "prove/tableau/ProcessoBatch.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>

namespace {

const QString Archivio = QStringLiteral("Camere_Prenotazione.mdb");
const QString Posto = QStringLiteral("8");
const QString FileStampa = QStringLiteral("FD8");
const QStringList kRichiesta{"--hotel",        "1",          "--tableau",     "1",
                             "--dalla-camera", "1",          "--alla-camera", "999",
                             "--data",         "02/03/2026", "--orologio",    "02/03/2026 08:00"};
// The words by which the batch command says that a database changed while it
// was read (exit status 4, as for a database it cannot read).
const QString InModifica = QStringLiteral("in corso di modifica da parte di un altro programma");

QString Riscrittore() {
    return qEnvironmentVariable("TS_BUILD_DIR") +
           QStringLiteral("/tools/concorrenza/riscrivi-archivio");
}

QByteArray Leggi(const QString& percorso) {
    QFile file(percorso);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Scrivi(const QString& percorso, const QByteArray& contenuto) {
    QFile file(percorso);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                file.write(contenuto) == contenuto.size())
        << percorso.toStdString();
}

} // namespace

int Conteggi::esecuzioni() const {
    return statoA + statoB + inModifica + mescolati + caduti + dannoDichiarato;
}

QString Conteggi::riga(int pausa, int secondi) const {
    return QStringLiteral("pausa %1 ms, %2 s: %3 esecuzioni (stato A %4, stato B %5, "
                          "in modifica %6; mescolati %7, caduti %8, tabella mancante o danno "
                          "%9), %10 riscritture")
        .arg(pausa)
        .arg(secondi)
        .arg(esecuzioni())
        .arg(statoA)
        .arg(statoB)
        .arg(inModifica)
        .arg(mescolati)
        .arg(caduti)
        .arg(dannoDichiarato)
        .arg(riscritture);
}

int SecondiConcorrenza() {
    bool ok = false;
    const int secondi = qEnvironmentVariableIntValue("TS_CONCORRENZA_SECONDI", &ok);
    return ok && secondi > 0 ? secondi : 3;
}

QString ArchivioConteso::programmiMancanti() {
    QStringList mancanti;
    for (const QString& programma : {ProgrammaBatch(), Riscrittore()})
        if (!QFile::exists(programma))
            mancanti << programma;
    return mancanti.join(u' ');
}

QString ArchivioConteso::statoA() const {
    return stati_.filePath(QStringLiteral("statoA.mdb"));
}

QString ArchivioConteso::statoB() const {
    return stati_.filePath(QStringLiteral("statoB.mdb"));
}

void ArchivioConteso::prepara(const QString& dati, const QString& lavoro) {
    lavoro_ = lavoro;
    // State A is the demo of one seed, state B the reservations of another;
    // the shorter is completed with empty pages, which no table uses, so
    // that both have one size.
    OpzioniDemo demo;
    demo.riferimento = QDate(2026, 3, 2);
    demo.cartella = dati;
    ASSERT_FALSE(GeneraDemo(demo).isEmpty());
    demo.cartella = stati_.path();
    demo.seme = 2;
    ASSERT_FALSE(GeneraDemo(demo).isEmpty());
    QByteArray a = Leggi(QDir(lavoro).filePath(Archivio));
    QByteArray b = Leggi(stati_.filePath(Archivio));
    const qsizetype dimensione = std::max(a.size(), b.size());
    a.append(dimensione - a.size(), '\0');
    b.append(dimensione - b.size(), '\0');
    ASSERT_NE(a, b);
    Scrivi(statoA(), a);
    Scrivi(statoB(), b);

    // The report of each state, each run on the file at rest.
    Scrivi(QDir(lavoro).filePath(Archivio), b);
    stampaB_ = stampa();
    Scrivi(QDir(lavoro).filePath(Archivio), a);
    stampaA_ = stampa();
    ASSERT_FALSE(stampaA_.isEmpty());
    ASSERT_FALSE(stampaB_.isEmpty());
    ASSERT_NE(stampaA_, stampaB_);
}

QByteArray ArchivioConteso::stampa() {
    QFile::remove(QDir(lavoro_).filePath(FileStampa));
    const EsecuzioneBatch e = EseguiProgrammaBatch(lavoro_, Posto, kRichiesta);
    EXPECT_TRUE(e.conclusa && e.esito == 0) << e.errori.toStdString();
    return Leggi(QDir(lavoro_).filePath(FileStampa));
}

Conteggi ArchivioConteso::affianca(int pausa, int secondi) {
    Conteggi conti;
    const QString archivio = QDir(lavoro_).filePath(Archivio);
    QProcess riscrittore;
    riscrittore.start(Riscrittore(), {archivio, statoA(), statoB(), QStringLiteral("--pausa"),
                                      QString::number(pausa)});
    EXPECT_TRUE(riscrittore.waitForStarted());
    const QDeadlineTimer fine(secondi * 1000);
    while (!fine.hasExpired() && riscrittore.state() == QProcess::Running) {
        QFile::remove(QDir(lavoro_).filePath(FileStampa));
        const EsecuzioneBatch e = EseguiProgrammaBatch(lavoro_, Posto, kRichiesta);
        const QString errori = QString::fromUtf8(e.errori).trimmed();
        if (e.conclusa && e.esito == 0) {
            const QByteArray scritta = Leggi(QDir(lavoro_).filePath(FileStampa));
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
    EXPECT_EQ(riscrittore.exitCode(), 0) << riscrittore.readAllStandardError().toStdString();
    conti.riscritture =
        QString::fromUtf8(riscrittore.readAllStandardOutput()).section(u':', 1).trimmed().toLong();
    // Left whole in one of the states.
    const QByteArray lasciato = Leggi(archivio);
    EXPECT_TRUE(lasciato == Leggi(statoA()) || lasciato == Leggi(statoB()));

    const std::string riga = conti.riga(pausa, secondi).toStdString();
    std::cout << riga << std::endl;
    ::testing::Test::RecordProperty("conteggi_pausa_" + std::to_string(pausa), riga);
    return conti;
}

void ArchivioConteso::controlla(const Conteggi& conti) {
    EXPECT_GT(conti.esecuzioni(), 0);
    EXPECT_GT(conti.riscritture, 0);
    EXPECT_EQ(conti.mescolati, 0) << "rapporti mescolati dei due stati, scritti come riusciti";
    EXPECT_EQ(conti.caduti, 0) << conti.primoCaduto.toStdString();
    EXPECT_EQ(conti.dannoDichiarato, 0) << conti.primoDanno.toStdString();
}
