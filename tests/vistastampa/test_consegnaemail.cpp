#include "vistastampa/ConsegnaEMail.h"

#include "prove/vistastampa/SpedixDiProva.h"

#include "prove/util/CartellaDiProva.h"
#include "prove/util/StampaQString.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

TEST(ConsegnaEMail, MessageFileNameAndBytes) {
    EXPECT_EQ(NomeFileEMail(PostoDiLavoro("3")), "e-mail3.txt");
    EXPECT_EQ(NomeFileEMail(PostoDiLavoro("03")), "e-mail03.txt");
    EXPECT_EQ(NomeFileEMail(PostoDiLavoro()), "e-mail.txt");

    EXPECT_EQ(ContenutoEMail(""), QByteArray("OGGETTO\r\n\r\n"));
    EXPECT_EQ(ContenutoEMail(QString::fromUtf8("|101| Città|\n-----\n")),
              QByteArray("OGGETTO\r\n|101| Citt\xE0|\r\n-----\r\n\r\n"));
    // A view whose last line end the user removed still gets one.
    EXPECT_EQ(ContenutoEMail("a\nb"), QByteArray("OGGETTO\r\na\r\nb\r\n\r\n"));
}

TEST(ConsegnaEMail, AMessageFileThatCannotBeWrittenIsReported) {
    CartellaDiProva cartella;
    SpedixDiProva spedix(cartella, true);
    QDir().mkdir(cartella.percorso("e-mail7.txt"));
    const std::optional<QString> problema = ConsegnaEMail(PostoDiLavoro("7"), "riga\n");
    ASSERT_TRUE(problema);
    EXPECT_TRUE(problema->startsWith("Impossibile scrivere il messaggio di posta \"e-mail7.txt\""));
    EXPECT_FALSE(spedix.Avviato());
}
