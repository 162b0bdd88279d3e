// The system refusing what the batch command asks of it: a read-only
// folder, a full disk, a folder or a database the user may not use, a
// missing folder for the PDF file, a print service that does not answer.
// Each ends with its documented exit status and one Italian message that
// names the file and gives the cause in the program's own words, whatever
// the machine's language; the print file is left as it was and no temporary
// file stays behind. The cases that need another user or a file system of
// their own (root, unshare, setpriv) skip where those cannot be had.
#include "batch/EseguiBatch.h"
#include "demo/GeneraDemo.h"
#include "prove/print/VariabiliDiProva.h"
#include "prove/tableau/ProcessoBatch.h"
#include "prove/util/CartellaDiProva.h"
#include "prove/util/StampaQString.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

const QStringList kComando{"--hotel",        "1",          "--tableau",     "1",
                           "--dalla-camera", "100",        "--alla-camera", "199",
                           "--data",         "07/12/2026", "--orologio",    "07/12/2026 08:00"};
const QByteArray kVecchioFD1 = "tableau precedente\r\n";

// Words of the system's and Qt's own messages, which are English under the
// C locale the tests set.
const QStringList kParoleInglesi{"permission", "denied",  "no such", "writable", "read-only",
                                 "no space",   "system",  "device",  "existing", "error",
                                 "printer",    "unknown", "file or"};

// Whether `testo` holds none of them; the message is the failure's text.
::testing::AssertionResult Italiano(const QByteArray& testo) {
    for (const QString& parola : kParoleInglesi) {
        if (QString::fromUtf8(testo).contains(parola, Qt::CaseInsensitive))
            return ::testing::AssertionFailure()
                   << "parola inglese \"" << parola.toStdString() << "\" in: " << testo.constData();
    }
    return ::testing::AssertionSuccess();
}

// The print file is left as the previous run wrote it, and the folder holds
// no temporary file of the run that failed.
::testing::AssertionResult SoloIlPrecedente(const CartellaDiProva& cartella,
                                            const QStringList& primaDellaProva) {
    const QStringList ora = QDir(cartella.percorso()).entryList(QDir::Files | QDir::Hidden);
    if (ora != primaDellaProva)
        return ::testing::AssertionFailure()
               << "file della cartella: " << ora.join(u' ').toStdString();
    if (cartella.leggi("FD1") != kVecchioFD1)
        return ::testing::AssertionFailure()
               << "FD1 cambiato: " << cartella.leggi("FD1").constData();
    return ::testing::AssertionSuccess();
}

class SistemaOstile : public ::testing::Test {
  protected:
    SistemaOstile() {
        // The system's texts would be English: none may come through.
        ambiente_.imposta("LC_ALL", "C");
        ambiente_.imposta("LANGUAGE", "en");
        OpzioniDemo opzioni;
        opzioni.cartella = cartella_.percorso();
        opzioni.riferimento = QDate(2026, 12, 7);
        GeneraDemo(opzioni);
        cartella_.scrivi("FD1", kVecchioFD1);
        // Other users reach the folder (QTemporaryDir makes it private).
        QFile::setPermissions(cartella_.percorso(), QFile::ReadOwner | QFile::WriteOwner |
                                                        QFile::ExeOwner | QFile::ReadOther |
                                                        QFile::ExeOther);
        file_ = QDir(cartella_.percorso()).entryList(QDir::Files | QDir::Hidden);
    }

    EsecuzioneBatch esegui(const QStringList& argomenti, const QStringList& avvio = {}) {
        return EseguiProgrammaBatch(cartella_.percorso(), QStringLiteral("1"), argomenti, 60000,
                                    avvio);
    }

    // The program run as user nobody, who owns nothing in the folder.
    static QStringList comeNessuno() {
        return {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"};
    }

    // The program run in a mount namespace of its own, where `preparazione`
    // (shell commands run in the folder, which is "$d") has changed the
    // folder's file system; what `dopo` prints follows the program's
    // standard output.
    static QStringList montato(const QString& preparazione, const QString& dopo = {}) {
        return {"unshare", "-m", "sh", "-c",
                QStringLiteral("d=$(pwd) && %1 && cd \"$d\" && \"$0\" \"$@\"; esito=$?; %2 "
                               "exit $esito")
                    .arg(preparazione, dopo.isEmpty() ? QString() : dopo + u';')};
    }

    // Why the cases of another user or file system cannot run here, if so.
    static QString senzaPrivilegi() {
        if (::geteuid() != 0)
            return QStringLiteral("servono i privilegi di root");
        if (QProcess::execute("unshare", {"-m", "mount", "-t", "tmpfs", "tmpfs", "/mnt"}) != 0)
            return QStringLiteral("unshare non può montare un file system");
        if (QProcess::execute("setpriv",
                              {"--reuid=65534", "--regid=65534", "--clear-groups", "true"}) != 0)
            return QStringLiteral("setpriv non può cambiare utente");
        return {};
    }

    CartellaDiProva cartella_;
    VariabiliDiProva ambiente_;
    QStringList file_;
};

TEST_F(SistemaOstile, UsciteImpossibili) {
    EsecuzioneBatch pdf = esegui(QStringList(kComando) << "--pdf"
                                                       << "/nonesiste/x.pdf");
    EXPECT_EQ(pdf.esito, UscitaNonRiuscita);
    EXPECT_EQ(pdf.uscita, "");
    EXPECT_EQ(pdf.errori, "Stampa su \"Stampante PDF\" non eseguita: impossibile scrivere il file "
                          "PDF \"/nonesiste/x.pdf\" (il percorso non esiste).\n");

    // A print service that does not answer is told as such, not as a
    // machine without printers.
    ambiente_.imposta("CUPS_SERVER", QFile::encodeName(cartella_.percorso("cups.sock")));
    EsecuzioneBatch stampa = esegui(QStringList(kComando) << "--stampa"
                                                          << "--destinazione"
                                                          << "Ufficio");
    EXPECT_EQ(stampa.esito, UscitaNonRiuscita);
    EXPECT_TRUE(stampa.errori.startsWith("Il servizio di stampa (CUPS) non risponde: su "
                                         "\"Ufficio\" non è stato stampato nulla."))
        << stampa.errori.constData();
    EXPECT_TRUE(stampa.errori.contains(QFile::encodeName(cartella_.percorso("cups.sock"))));
    for (const EsecuzioneBatch& esecuzione : {pdf, stampa})
        EXPECT_TRUE(Italiano(esecuzione.errori));
}

TEST_F(SistemaOstile, CartellaInSolaLetturaODiscoPieno) {
    if (const QString motivo = senzaPrivilegi(); !motivo.isEmpty())
        GTEST_SKIP() << "Prova saltata: " << motivo.toStdString();
    const QString solaLettura =
        QStringLiteral("mount --bind \"$d\" \"$d\" && mount -o remount,bind,ro \"$d\"");
    const EsecuzioneBatch conPrecedente = esegui(kComando, montato(solaLettura));
    EXPECT_EQ(conPrecedente.esito, FileStampaNonScritto);
    EXPECT_EQ(conPrecedente.errori,
              "Impossibile aprire il file di stampa FD1 (cartella " +
                  QFile::encodeName(cartella_.percorso()) +
                  "): il supporto è in sola lettura.\nIl file di stampa precedente è rimasto "
                  "com'era.\n");
    EXPECT_TRUE(SoloIlPrecedente(cartella_, file_));

    // Without a print file before, none is said to be left as it was.
    QFile::remove(cartella_.percorso("FD1"));
    const EsecuzioneBatch senzaPrecedente = esegui(kComando, montato(solaLettura));
    EXPECT_EQ(senzaPrecedente.esito, FileStampaNonScritto);
    EXPECT_FALSE(senzaPrecedente.errori.contains("precedente"))
        << senzaPrecedente.errori.constData();
    EXPECT_FALSE(QFile::exists(cartella_.percorso("FD1")));
    cartella_.scrivi("FD1", kVecchioFD1);

    // A disk that fills up while the print file is written: the previous
    // one stays whole (a full disk once put an empty print file in its
    // place and reported success). The folder is listed, and the print file
    // shown, from inside the namespace, where the small disk is.
    const EsecuzioneBatch pieno = esegui(
        kComando,
        montato(QStringLiteral(
                    "copia=$(mktemp -d) && cp -p * \"$copia\" && mount -t tmpfs -o size=4m tmpfs "
                    "\"$d\" && cp -p \"$copia\"/* \"$d\" && rm -r \"$copia\" && "
                    "{ dd if=/dev/zero of=\"$d/riempi\" bs=4k 2>/dev/null || true; }"),
                QStringLiteral("ls -A; echo ---; cat FD1")));
    EXPECT_EQ(pieno.esito, FileStampaNonScritto);
    EXPECT_TRUE(pieno.errori.startsWith("Impossibile salvare il file di stampa FD1") ||
                pieno.errori.startsWith("Impossibile scrivere il file di stampa FD1"))
        << pieno.errori.constData();
    EXPECT_TRUE(pieno.errori.contains(": spazio esaurito sul disco.\nIl file di stampa precedente "
                                      "è rimasto com'era.\n"))
        << pieno.errori.constData();
    EXPECT_EQ(pieno.uscita,
              (QStringList(file_) << "riempi").join(u'\n').toUtf8() + "\n---\n" + kVecchioFD1);
    for (const EsecuzioneBatch& esecuzione : {conPrecedente, senzaPrecedente, pieno})
        EXPECT_TRUE(Italiano(esecuzione.errori));
}

TEST_F(SistemaOstile, PermessiNegati) {
    if (const QString motivo = senzaPrivilegi(); !motivo.isEmpty())
        GTEST_SKIP() << "Prova saltata: " << motivo.toStdString();
    // The folder is root's and not writable by others.
    const EsecuzioneBatch cartella = esegui(kComando, comeNessuno());
    EXPECT_EQ(cartella.esito, FileStampaNonScritto);
    EXPECT_EQ(cartella.errori, "Impossibile aprire il file di stampa FD1 (cartella " +
                                   QFile::encodeName(cartella_.percorso()) +
                                   "): permesso negato.\nIl file di stampa precedente è rimasto "
                                   "com'era.\n");
    EXPECT_TRUE(SoloIlPrecedente(cartella_, file_));

    QFile::setPermissions(cartella_.percorso("Tableau.mdb"), QFile::ReadOwner);
    const EsecuzioneBatch archivio = esegui(kComando, comeNessuno());
    EXPECT_EQ(archivio.esito, ArchivioIllegibile);
    EXPECT_EQ(archivio.errori, "Archivio non leggibile: Tableau.mdb (permesso negato)\n");
    EXPECT_TRUE(SoloIlPrecedente(cartella_, file_));
    for (const EsecuzioneBatch& esecuzione : {cartella, archivio})
        EXPECT_TRUE(Italiano(esecuzione.errori));
}

} // namespace
