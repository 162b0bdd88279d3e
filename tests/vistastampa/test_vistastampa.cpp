#include "vistastampa/VistaStampa.h"

#include "prove/util/CartellaDiProva.h"
#include "prove/util/StampaQString.h"
#include "prove/vistastampa/RigheNumerate.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

struct Preview : ::testing::Test {
    CartellaDiProva cartella;
    QString percorso = cartella.percorso("FD3");
};

} // namespace

TEST_F(Preview, TwentyFiveThousandCharactersAcrossTheTwoBudgets) {
    cartella.scrivi("FD3", RigheNumerate(0, 250));
    VistaStampa vista(percorso);
    vista.Apri();
    ASSERT_FALSE(vista.Riempi(VistaStampa::kBudgetApertura));
    // The line that brings the count to 20000 is the last one shown.
    EXPECT_EQ(vista.Blocco().righe.size(), 200);
    EXPECT_EQ(vista.Caratteri(), 20000);
    EXPECT_EQ(vista.Altro(), 1);
    EXPECT_TRUE(vista.Testo().startsWith("00000x"));
    EXPECT_TRUE(vista.Testo().endsWith(QString(95, 'x') + "\r\n"));

    ASSERT_FALSE(vista.Avanti());
    EXPECT_EQ(vista.Blocco().righe.size(), 50);
    EXPECT_TRUE(vista.Testo().startsWith("00200x"));
    EXPECT_EQ(vista.Caratteri(), 5000);
    EXPECT_EQ(vista.Altro(), 0);
    // At the end "Avanti" leaves the view alone.
    ASSERT_FALSE(vista.Avanti());
    EXPECT_TRUE(vista.Testo().startsWith("00200x"));

    ASSERT_FALSE(vista.Inizio());
    EXPECT_EQ(vista.Blocco().righe.size(), 250);
    EXPECT_EQ(vista.Caratteri(), 25000);
    EXPECT_EQ(vista.Altro(), 0);
}

TEST_F(Preview, TheBudgetIsTestedBeforeEachLine) {
    // 199 lines bring the count to 19900; the 26100-character line that
    // follows is still shown whole, then the view stops.
    cartella.scrivi("FD3", RigheNumerate(0, 199) + QByteArray(26100, 'L') + "\r\n" +
                               RigheNumerate(199, 1));
    VistaStampa vista(percorso);
    vista.Apri();
    ASSERT_FALSE(vista.Riempi(VistaStampa::kBudgetApertura));
    EXPECT_EQ(vista.Blocco().righe.size(), 200);
    EXPECT_EQ(vista.Caratteri(), 19900 + 26100);
    EXPECT_EQ(vista.Altro(), 1);
}

TEST_F(Preview, FrameBytesAreShownConverted) {
    cartella.scrivi("FD3", "\xDA\xC4\xC2\xC4\xBF\r\n\xB3"
                           "a\xB3"
                           "b\xB3\r\n");
    VistaStampa vista(percorso);
    vista.Apri();
    ASSERT_FALSE(vista.Riempi(VistaStampa::kBudgetApertura));
    EXPECT_EQ(vista.Testo(), "-----\r\n|a|b|\r\n");
}

TEST_F(Preview, SavingTheFirstOfThreeBlocksKeepsTheOtherTwo) {
    const QByteArray secondo = RigheNumerate(260, 260, 'y');
    const QByteArray terzo = RigheNumerate(520, 100, 'z') + "\xB3 ultima riga senza fine";
    cartella.scrivi("FD3", RigheNumerate(0, 260) + secondo + terzo);
    VistaStampa vista(percorso);
    vista.Apri();
    ASSERT_FALSE(vista.Inizio());
    ASSERT_EQ(vista.Blocco().righe.size(), 260);

    QString testo = vista.Testo();
    testo.replace(0, 5, "MODIF");
    ASSERT_FALSE(vista.Salva(testo));
    QByteArray atteso = RigheNumerate(0, 260);
    atteso.replace(0, 5, "MODIF");
    EXPECT_EQ(cartella.leggi("FD3"), atteso + secondo + terzo);
    // The view stays as edited; the next block follows the saved one.
    EXPECT_EQ(vista.Testo(), testo);
    ASSERT_FALSE(vista.Avanti());
    EXPECT_EQ(vista.Testo().left(5), "00260");
    ASSERT_FALSE(vista.Avanti());
    EXPECT_TRUE(vista.Testo().endsWith("| ultima riga senza fine\r\n"));

    // Saving a later block, with a line removed, keeps what lies before it.
    ASSERT_FALSE(vista.Salva(vista.Testo().mid(102)));
    EXPECT_EQ(cartella.leggi("FD3"), atteso + secondo + terzo.mid(102));
}

TEST_F(Preview, AnUnchangedSaveLeavesTheFileUntouched) {
    const QByteArray contenuto = "\xDA\xC4\xBF\r\n\xB3\xE7x\xE7\xB3\r\x0C\nsenza fine";
    cartella.scrivi("FD3", contenuto);
    const QDateTime modificato = QFileInfo(percorso).lastModified();
    VistaStampa vista(percorso);
    vista.Apri();
    ASSERT_FALSE(vista.Riempi(VistaStampa::kBudgetApertura));
    ASSERT_FALSE(vista.Salva(vista.Testo()));
    EXPECT_EQ(cartella.leggi("FD3"), contenuto);
    EXPECT_EQ(QFileInfo(percorso).lastModified(), modificato);
    // Saved twice after an edit, the file does not grow an empty line.
    const QString modificata = vista.Testo() + "nuova\n";
    ASSERT_FALSE(vista.Salva(modificata));
    const QByteArray dopo = cartella.leggi("FD3");
    ASSERT_FALSE(vista.Salva(modificata));
    EXPECT_EQ(cartella.leggi("FD3"), dopo);
    EXPECT_EQ(dopo, contenuto + "\r\nnuova\r\n");
}

TEST_F(Preview, AFileChangedSinceItWasShownIsNotOverwritten) {
    cartella.scrivi("FD3", "prima versione\r\n");
    VistaStampa vista(percorso);
    vista.Apri();
    ASSERT_FALSE(vista.Riempi(VistaStampa::kBudgetApertura));
    cartella.scrivi("FD3", "un altro report\r\n");
    const std::optional<QString> problema = vista.Salva("modificata\n");
    ASSERT_TRUE(problema);
    EXPECT_TRUE(problema->contains("FD3"));
    EXPECT_EQ(cartella.leggi("FD3"), "un altro report\r\n");
}

TEST_F(Preview, AClosedHandleIsOpenedAgainAndTheStepRepeated) {
    cartella.scrivi("FD3", RigheNumerate(0, 250));
    VistaStampa vista(percorso);
    vista.Apri();
    ASSERT_FALSE(vista.Riempi(VistaStampa::kBudgetApertura));
    vista.Chiudi();
    ASSERT_FALSE(vista.Avanti());
    EXPECT_TRUE(vista.Testo().startsWith("00200x"));
    EXPECT_EQ(vista.Altro(), 0);

    // Without a print file at all the recovery makes an empty one.
    QFile::remove(percorso);
    vista.Chiudi();
    ASSERT_FALSE(vista.Riempi(VistaStampa::kBudgetApertura));
    EXPECT_TRUE(QFileInfo(percorso).isFile());
    EXPECT_EQ(vista.Testo(), "");
}
