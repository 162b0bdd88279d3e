#include "demo/OpzioniDemo.h"
#include "prove/util/StampaQString.h"
#include "routines/Errore.h"

#include <gtest/gtest.h>

namespace {
const QDate Oggi(2026, 12, 8);
OpzioniDemo Leggi(const QStringList& argomenti) {
    return LeggiOpzioniDemo(QStringList{"genera-demo"} + argomenti, Oggi);
}
} // namespace

TEST(OpzioniDemo, ValoriPredefiniti) {
    const OpzioniDemo o = Leggi({"demo"});
    EXPECT_EQ(o.cartella, "demo");
    EXPECT_EQ(o.riferimento, Oggi);
    EXPECT_EQ(o.seme, 1u);
    EXPECT_EQ(o.camere, 0);
    EXPECT_EQ(o.anni, 1);
}

TEST(OpzioniDemo, DataSemeEScala) {
    const OpzioniDemo o =
        Leggi({"--data", "29/02/2024", "--seme", "42", "--camere", "500", "--anni", "10", "x"});
    EXPECT_EQ(o.riferimento, QDate(2024, 2, 29));
    EXPECT_EQ(o.seme, 42u);
    EXPECT_EQ(o.camere, 500);
    EXPECT_EQ(o.anni, 10);
}

TEST(OpzioniDemo, RigaDiComandoErrata) {
    for (const QStringList& errata :
         {QStringList{}, QStringList{"a", "b"}, QStringList{"--data", "31/02/2026", "x"},
          QStringList{"--data", "2026-01-05", "x"}, QStringList{"--seme", "uno", "x"},
          QStringList{"--camere", "-1", "x"}, QStringList{"--anni", "0", "x"},
          QStringList{"--sconosciuta", "x"}})
        EXPECT_THROW(Leggi(errata), Errore) << errata.join(' ').toStdString();
}

// --help, -h and --version are answered rather than refused, whatever else
// the line holds; a refused line is told in Italian, as the batch command
// tells it.
TEST(OpzioniDemo, AiutoVersioneEMessaggiInItaliano) {
    EXPECT_TRUE(Leggi({"--help"}).aiuto);
    EXPECT_TRUE(Leggi({"-h", "--anni", "0"}).aiuto);
    EXPECT_TRUE(Leggi({"--version"}).versione);
    EXPECT_TRUE(TestoAiutoDemo().startsWith(u"Uso: genera-demo CARTELLA"));
    const auto messaggio = [](const QStringList& argomenti) {
        try {
            Leggi(argomenti);
        } catch (const Errore& errore) {
            return errore.messaggio();
        }
        return QString();
    };
    EXPECT_EQ(messaggio({"--aiuto", "x"}),
              "Opzione sconosciuta: --aiuto. Usare --help per l'elenco delle opzioni.");
    EXPECT_EQ(messaggio({"x", "--seme"}), "Manca il valore dell'opzione --seme.");
    EXPECT_EQ(messaggio({"--camere", "tante", "x"}),
              "Il valore di --camere deve essere un numero da 0 a 20000, non \"tante\".");
}
