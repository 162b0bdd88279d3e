#include "print/NomiFile.h"
#include "print/PostoDiLavoro.h"
#include "prove/print/VariabiliDiProva.h"
#include "prove/util/StampaQString.h"
#include "routines/Errore.h"

#include <gtest/gtest.h>

namespace {

PostoDiLavoro conPCLocal(VariabiliDiProva& ambiente, const QByteArray& nome,
                         const QByteArray& valore) {
    ambiente.togli("PCLocal");
    ambiente.imposta(nome, valore);
    return PostoDiLavoro::corrente();
}

TEST(PostoDiLavoro, DueFormeDelNumero) {
    struct Caso {
        QString valore;
        QString numerico;
    };
    for (const Caso& caso : {Caso{"3", "3"}, Caso{"03", "3"}, Caso{"", "0"}, Caso{"  12", "12"},
                             Caso{"7b", "7"}, Caso{"abc", "0"}, Caso{"-2", "-2"}}) {
        const PostoDiLavoro posto(caso.valore);
        EXPECT_EQ(posto.testo(), caso.valore);
        EXPECT_EQ(posto.testoNumerico(), caso.numerico) << caso.valore.toStdString();
    }
}

TEST(PostoDiLavoro, NomeDellaVariabileSenzaRiguardoAlleMaiuscole) {
    VariabiliDiProva ambiente;
    EXPECT_EQ(conPCLocal(ambiente, "PCLocal", "03").testo(), "03");
    EXPECT_EQ(conPCLocal(ambiente, "PCLOCAL", "4").testo(), "4");
    EXPECT_EQ(conPCLocal(ambiente, "pclocal", "5").testo(), "5");
    ambiente.togli("PCLocal");
    EXPECT_EQ(PostoDiLavoro::corrente().testo(), "");
    // Two spellings set: the exact one wins.
    ambiente.imposta("PCLOCAL", "8");
    ambiente.imposta("PCLocal", "9");
    EXPECT_EQ(PostoDiLavoro::corrente().testo(), "9");
}

TEST(PostoDiLavoro, ValoriCheEsconoDallaCartellaRifiutati) {
    for (const QString& valore :
         {QStringLiteral("../3"), QStringLiteral("3/4"), QStringLiteral("a\\b"),
          QStringLiteral(".."), QStringLiteral("3\n"), QStringLiteral("3\t"),
          QString(QChar(0)) + u'3', QStringLiteral("\x7f")}) {
        try {
            PostoDiLavoro posto(valore);
            ADD_FAILURE() << "accepted: " << valore.toStdString();
        } catch (const Errore& errore) {
            EXPECT_TRUE(errore.messaggio().contains(u"PCLocal"))
                << errore.messaggio().toStdString();
            EXPECT_TRUE(errore.messaggio().contains(u"Nessun file è stato scritto"));
        }
    }
    // Control characters are shown by their code, so that the message is readable.
    try {
        PostoDiLavoro posto(QStringLiteral("3\n"));
    } catch (const Errore& errore) {
        EXPECT_TRUE(errore.messaggio().contains(u"\"3[0A]\"")) << errore.messaggio().toStdString();
    }
    // Dots, blanks and letters on their own stay part of an ordinary name.
    for (const QString& valore :
         {QStringLiteral("3.1"), QStringLiteral(" 3"), QStringLiteral("cassa")})
        EXPECT_NO_THROW(PostoDiLavoro{valore});
}

TEST(PostoDiLavoro, RifiutoDallAmbiente) {
    VariabiliDiProva ambiente;
    ambiente.togli("PCLocal");
    ambiente.imposta("PCLocal", "../../etc/x");
    EXPECT_THROW(PostoDiLavoro::corrente(), Errore);
}

} // namespace
