// The suite's folder on a file server: the databases lie on an SMB share
// that smbd serves on 127.0.0.1 and smbnetfs mounts (scripts/condivisione),
// and the batch command runs in the mounted folder. It must find the
// databases whatever the case of their names, and write there the same
// print file and spreadsheet as in a local folder. Where smbd or FUSE cannot
// start, the test is skipped with the reason.

#include "demo/GeneraDemo.h"
#include "prove/tableau/CondivisioneSmb.h"
#include "prove/tableau/ProcessoBatch.h"
#include "prove/util/StampaQString.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <system_error>

namespace {

const QDate kRiferimentoDemo(2026, 3, 2);
const QStringList kArgomentiBatch{
    "--hotel", "1",      "--tableau",  "1",          "--dalla-camera",   "1",    "--alla-camera",
    "999",     "--data", "02/03/2026", "--orologio", "02/03/2026 08:00", "--csv"};
const QString Posto = QStringLiteral("5");

QByteArray Leggi(const QString& percorso) {
    QFile file(percorso);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What a run leaves in its folder.
struct Risultato {
    EsecuzioneBatch esecuzione;
    QByteArray stampa, foglio;
};

Risultato Esegui(const QString& cartella, const QString& letti) {
    Risultato r{EseguiProgrammaBatch(cartella, Posto, kArgomentiBatch), {}, {}};
    r.stampa = Leggi(letti + QStringLiteral("/FD") + Posto);
    r.foglio = Leggi(letti + QStringLiteral("/fd") + Posto + QStringLiteral(".csv"));
    return r;
}

TEST(Condivisione, IlBatchSullaCondivisione) {
    if (!QFile::exists(ProgrammaBatch()))
        GTEST_SKIP() << "Prova saltata: programma assente: " << ProgrammaBatch().toStdString();
    OpzioniDemo demo;
    demo.riferimento = kRiferimentoDemo;
    QTemporaryDir locale, condivisa;
    for (const QTemporaryDir* cartella : {&locale, &condivisa}) {
        demo.cartella = cartella->path();
        ASSERT_FALSE(GeneraDemo(demo).isEmpty());
    }
    const Risultato atteso = Esegui(locale.path(), locale.path());
    ASSERT_TRUE(atteso.esecuzione.conclusa && atteso.esecuzione.esito == 0)
        << atteso.esecuzione.errori.toStdString();
    ASSERT_FALSE(atteso.stampa.isEmpty());
    ASSERT_FALSE(atteso.foglio.isEmpty());

    const CondivisioneSmb condivisione(condivisa.path());
    if (!condivisione.saltata().isEmpty())
        GTEST_SKIP() << "Prova saltata: " << condivisione.saltata().toStdString();
    ASSERT_EQ(condivisione.errore(), QString());
    const QString montata = condivisione.montata();

    // Run in the mounted folder; the files are looked at where the server
    // keeps them, so they must have gone through the share.
    const auto controlla = [&](const char* caso) {
        QFile::remove(condivisa.filePath(QStringLiteral("FD") + Posto));
        QFile::remove(condivisa.filePath(QStringLiteral("fd") + Posto + QStringLiteral(".csv")));
        const Risultato r = Esegui(montata, condivisa.path());
        EXPECT_TRUE(r.esecuzione.conclusa) << caso;
        EXPECT_EQ(r.esecuzione.esito, 0) << caso << ": " << r.esecuzione.errori.toStdString();
        EXPECT_EQ(r.esecuzione.uscita, atteso.esecuzione.uscita) << caso;
        EXPECT_TRUE(r.stampa == atteso.stampa) << caso;
        EXPECT_TRUE(r.foglio == atteso.foglio) << caso;
    };
    controlla("nomi come nella suite");

    // Names in other cases, renamed through the share as with mv: rename(2)
    // itself, since QDir::rename refuses a name the server already finds.
    const auto rinomina = [&](const QString& da, const QString& a) {
        std::error_code errore;
        std::filesystem::rename(QFile::encodeName(montata + u'/' + da).toStdString(),
                                QFile::encodeName(montata + u'/' + a).toStdString(), errore);
        return errore ? errore.message() : std::string();
    };
    ASSERT_EQ(rinomina("Camere_Prenotazione.mdb", "CAMERE_PRENOTAZIONE.MDB"), "");
    ASSERT_EQ(rinomina("Tableau.mdb", "tableau.mdb"), "");
    ASSERT_TRUE(QFile::exists(condivisa.filePath("CAMERE_PRENOTAZIONE.MDB")));
    ASSERT_TRUE(QFile::exists(condivisa.filePath("tableau.mdb")));
    controlla("nomi in altre maiuscole");
}

} // namespace
