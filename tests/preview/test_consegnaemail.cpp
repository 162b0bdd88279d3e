#include "preview/ConsegnaEMail.h"

#include "util/CartellaDiProva.h"
#include "util/StampaQString.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>

#include <gtest/gtest.h>

namespace {

// Puts a stand-in e-mail program on a PATH of its own for the test's time;
// the stand-in writes into "avviato" the folder it was started in and its
// argument count.
class PathDiProva {
  public:
    explicit PathDiProva(const CartellaDiProva& cartella, bool conProgramma)
        : precedente_(qgetenv("PATH")) {
        QDir().mkpath(cartella.percorso("bin"));
        if (conProgramma) {
            const QString programma = cartella.percorso("bin/Spedix.exe");
            cartella.scrivi("bin/Spedix.exe", "#!/bin/sh\necho \"$PWD $#\" > avviato\n");
            QFile::setPermissions(programma, QFile::permissions(programma) | QFile::ExeOwner);
        }
        qputenv("PATH", cartella.percorso("bin").toLocal8Bit());
    }
    ~PathDiProva() { qputenv("PATH", precedente_); }

  private:
    QByteArray precedente_;
};

bool Attendi(const QString& percorso) {
    QDeadlineTimer scadenza(10000);
    while (!QFile::exists(percorso) && !scadenza.hasExpired())
        QThread::msleep(20);
    return QFile::exists(percorso);
}

} // namespace

TEST(ConsegnaEMail, MessageFileNameAndBytes) {
    EXPECT_EQ(NomeFileEMail("3"), "e-mail3.txt");
    EXPECT_EQ(NomeFileEMail("03"), "e-mail03.txt");
    EXPECT_EQ(NomeFileEMail(""), "e-mail.txt");

    EXPECT_EQ(ContenutoEMail(""), QByteArray("OGGETTO\r\n\r\n"));
    EXPECT_EQ(ContenutoEMail(QString::fromUtf8("|101| Città|\n-----\n")),
              QByteArray("OGGETTO\r\n|101| Citt\xE0|\r\n-----\r\n\r\n"));
    // A view whose last line end the user removed still gets one.
    EXPECT_EQ(ContenutoEMail("a\nb"), QByteArray("OGGETTO\r\na\r\nb\r\n\r\n"));
}

TEST(ConsegnaEMail, WritesTheFileAndStartsTheProgramWithoutWaiting) {
    CartellaDiProva cartella;
    PathDiProva path(cartella, true);
    cartella.scrivi("e-mail7.txt", "un messaggio precedente, piu lungo del nuovo\r\n");
    EXPECT_FALSE(ConsegnaEMail("7", "riga\n"));
    EXPECT_EQ(cartella.leggi("e-mail7.txt"), QByteArray("OGGETTO\r\nriga\r\n\r\n"));
    ASSERT_TRUE(Attendi(cartella.percorso("avviato")));
    EXPECT_EQ(cartella.leggi("avviato").trimmed(),
              QDir(cartella.percorso()).canonicalPath().toLocal8Bit() + " 0");
}

TEST(ConsegnaEMail, AMissingProgramIsReportedAndTheFileStays) {
    CartellaDiProva cartella;
    PathDiProva path(cartella, false);
    const std::optional<QString> problema = ConsegnaEMail("7", "riga\n");
    ASSERT_TRUE(problema);
    EXPECT_TRUE(problema->contains("Spedix.exe"));
    EXPECT_TRUE(problema->contains("e-mail7.txt"));
    EXPECT_EQ(cartella.leggi("e-mail7.txt"), QByteArray("OGGETTO\r\nriga\r\n\r\n"));
}

TEST(ConsegnaEMail, AMessageFileThatCannotBeWrittenIsReported) {
    CartellaDiProva cartella;
    PathDiProva path(cartella, true);
    QDir().mkdir(cartella.percorso("e-mail7.txt"));
    const std::optional<QString> problema = ConsegnaEMail("7", "riga\n");
    ASSERT_TRUE(problema);
    EXPECT_TRUE(problema->startsWith("Impossibile scrivere il messaggio di posta \"e-mail7.txt\""));
    EXPECT_FALSE(QFile::exists(cartella.percorso("avviato")));
}
