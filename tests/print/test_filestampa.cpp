#include "print/FileStampa.h"
#include "prove/util/CartellaDiProva.h"
#include "prove/util/StampaQString.h"
#include "routines/Errore.h"
#include "routines/TestoAnsi.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

const PostoDiLavoro kTre(QStringLiteral("3"));

QStringList vociDellaCartella() {
    return QDir::current().entryList(QDir::Files | QDir::Hidden);
}

TEST(FileStampa, RigheInWindows1252ConCrLf) {
    CartellaDiProva cartella;
    ScritturaFileStampa scrittura(kTre);
    scrittura.scriviRiga(QStringLiteral("Lunedì ") + QChar(0xB3) + QChar(0xC4) + QChar(0x20AC));
    scrittura.scriviRiga(QString());
    scrittura.conferma();
    EXPECT_EQ(cartella.leggi("FD3"), QByteArray("Luned\xEC \xB3\xC4\x80\r\n\r\n"));
    EXPECT_EQ(vociDellaCartella(), QStringList{"FD3"});
}

TEST(FileStampa, LettaRigaPerRigaByteIntatti) {
    CartellaDiProva cartella;
    QByteArray ogniByte;
    for (int b = 0; b < 256; ++b) {
        if (b != '\r' && b != '\n')
            ogniByte.append(static_cast<char>(b));
    }
    cartella.scrivi("fd3", ogniByte + "\r\nsecondo\rterzo\nquarto");
    const auto righe = LeggiFileStampa(kTre);
    ASSERT_TRUE(righe);
    ASSERT_EQ(righe->size(), 4);
    EXPECT_EQ(InAnsi(righe->at(0)), ogniByte);
    EXPECT_EQ(righe->mid(1), (QStringList{"secondo", "terzo", "quarto"}));
    EXPECT_FALSE(LeggiFileStampa(PostoDiLavoro(QStringLiteral("4"))));
}

TEST(FileStampa, SostituzioneAtomica) {
    CartellaDiProva cartella;
    cartella.scrivi("fd3", "precedente\r\n");
    {
        // A writer that fails half-way (it is dropped without conferma)
        // leaves the previous file whole and no temporary file behind.
        ScritturaFileStampa scrittura(kTre);
        scrittura.scriviRiga(QStringLiteral("metà"));
        EXPECT_EQ(cartella.leggi("fd3"), "precedente\r\n");
    }
    EXPECT_EQ(cartella.leggi("fd3"), "precedente\r\n");
    EXPECT_EQ(vociDellaCartella(), QStringList{"fd3"});

    // The new file takes the place of the existing one, under its spelling.
    ScriviFileStampa(kTre, "nuovo\r\n");
    EXPECT_EQ(cartella.leggi("fd3"), "nuovo\r\n");
    EXPECT_EQ(vociDellaCartella(), QStringList{"fd3"});
}

// The file system refuses the bytes half-way (the process may write files
// of at most 4 KiB): the error is reported and the previous file stays whole.
TEST(FileStampa, ScritturaInterrottaDalSistema) {
    CartellaDiProva cartella;
    cartella.scrivi("FD3", "precedente\r\n");
    const auto gestore = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limite{};
    getrlimit(RLIMIT_FSIZE, &limite);
    rlimit ridotto = limite;
    ridotto.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &ridotto);
    QString messaggio;
    try {
        ScritturaFileStampa scrittura(kTre);
        for (int i = 0; i < 1000; ++i)
            scrittura.scriviRiga(QString(130, u'x'));
        scrittura.conferma();
    } catch (const Errore& errore) {
        messaggio = errore.messaggio();
    }
    setrlimit(RLIMIT_FSIZE, &limite);
    std::signal(SIGXFSZ, gestore);
    EXPECT_TRUE(messaggio.startsWith(u"Impossibile")) << messaggio.toStdString();
    EXPECT_TRUE(messaggio.contains(u"FD3")) << messaggio.toStdString();
    EXPECT_EQ(cartella.leggi("FD3"), "precedente\r\n");
    EXPECT_EQ(vociDellaCartella(), QStringList{"FD3"});
}

// The new print file keeps the previous one's permissions, those the
// process's mask would not give a new file too; a first one gets the usual.
TEST(FileStampa, PermessiDelFilePrecedente) {
    CartellaDiProva cartella;
    const mode_t maschera = ::umask(022);
    ScriviFileStampa(kTre, "primo\r\n");
    EXPECT_EQ(QFile::permissions("FD3"), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                                             QFile::WriteUser | QFile::ReadGroup |
                                             QFile::ReadOther);
    for (const mode_t permessi : {0640, 0666}) {
        ASSERT_EQ(::chmod("FD3", permessi), 0);
        ScriviFileStampa(kTre, "nuovo\r\n");
        struct stat s {};
        ASSERT_EQ(::stat("FD3", &s), 0);
        EXPECT_EQ(s.st_mode & 07777, permessi);
    }
    ::umask(maschera);
    EXPECT_EQ(cartella.leggi("FD3"), "nuovo\r\n");
    EXPECT_EQ(vociDellaCartella(), QStringList{"FD3"});
}

TEST(FileStampa, NomeOccupatoDaUnaCartella) {
    CartellaDiProva cartella;
    QDir().mkdir("FD3");
    EXPECT_THROW(ScriviFileStampa(kTre, "nuovo\r\n"), Errore);
    EXPECT_TRUE(QDir("FD3").exists());
}

} // namespace
