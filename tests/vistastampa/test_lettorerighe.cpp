#include "vistastampa/LettoreRighe.h"

#include "prove/util/CartellaDiProva.h"
#include "prove/util/StampaQString.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Letto {
    QByteArray testo;
    QByteArray fine;
    qint64 posizione;
};

std::vector<Letto> LeggiTutto(const QString& percorso) {
    LettoreRighe lettore;
    EXPECT_TRUE(lettore.Apri(percorso));
    std::vector<Letto> righe;
    RigaLetta riga;
    for (;;) {
        const qint64 posizione = lettore.Posizione();
        const LettoreRighe::Esito esito = lettore.Leggi(riga);
        EXPECT_NE(esito, LettoreRighe::Esito::Guasto);
        if (esito != LettoreRighe::Esito::Riga)
            break;
        righe.push_back({riga.testo, riga.fine, posizione});
    }
    EXPECT_TRUE(lettore.AllaFine());
    EXPECT_FALSE(lettore.Guasto());
    return righe;
}

} // namespace

TEST(LettoreRighe, EveryKindOfLineEndIsOneLineEndAndIsKept) {
    CartellaDiProva cartella;
    cartella.scrivi("FD", "uno\r\ndue\rtre\nquattro\r\n\r\nultima");
    const std::vector<Letto> righe = LeggiTutto(cartella.percorso("FD"));
    ASSERT_EQ(righe.size(), 6u);
    const std::vector<std::pair<QByteArray, QByteArray>> attese = {
        {"uno", "\r\n"},     {"due", "\r"}, {"tre", "\n"},
        {"quattro", "\r\n"}, {"", "\r\n"},  {"ultima", ""}};
    qint64 posizione = 0;
    for (std::size_t i = 0; i < righe.size(); ++i) {
        EXPECT_EQ(righe[i].testo, attese[i].first) << i;
        EXPECT_EQ(righe[i].fine, attese[i].second) << i;
        EXPECT_EQ(righe[i].posizione, posizione) << i;
        posizione += attese[i].first.size() + attese[i].second.size();
    }
}

TEST(LettoreRighe, EmptyFileAndFinalLineEndGiveNoExtraLine) {
    CartellaDiProva cartella;
    cartella.scrivi("vuoto", "");
    EXPECT_TRUE(LeggiTutto(cartella.percorso("vuoto")).empty());
    cartella.scrivi("una", "riga\r\n");
    EXPECT_EQ(LeggiTutto(cartella.percorso("una")).size(), 1u);
}

TEST(LettoreRighe, LinesLongerThanTheBufferAndCrLfSplitAcrossReads) {
    CartellaDiProva cartella;
    // The CR falls on the last byte of the first 64 KiB read, its LF on the
    // first byte of the next one.
    const QByteArray lunga(64 * 1024 - 1, 'x');
    const QByteArray enorme(200 * 1024, 'y');
    cartella.scrivi("FD", lunga + "\r\n" + enorme + "\r\nfine\r\n");
    const std::vector<Letto> righe = LeggiTutto(cartella.percorso("FD"));
    ASSERT_EQ(righe.size(), 3u);
    EXPECT_EQ(righe[0].testo, lunga);
    EXPECT_EQ(righe[0].fine, "\r\n");
    EXPECT_EQ(righe[1].testo, enorme);
    EXPECT_EQ(righe[1].posizione, lunga.size() + 2);
    EXPECT_EQ(righe[2].testo, "fine");
}

TEST(LettoreRighe, OpensAtAPositionAndReportsAClosedHandle) {
    CartellaDiProva cartella;
    cartella.scrivi("FD", "primo\r\nsecondo\r\n");
    LettoreRighe lettore;
    ASSERT_TRUE(lettore.Apri(cartella.percorso("FD"), 7));
    RigaLetta riga;
    ASSERT_EQ(lettore.Leggi(riga), LettoreRighe::Esito::Riga);
    EXPECT_EQ(riga.testo, "secondo");

    lettore.Chiudi();
    EXPECT_EQ(lettore.Leggi(riga), LettoreRighe::Esito::Guasto);
    EXPECT_TRUE(lettore.Guasto());
    EXPECT_FALSE(lettore.Apri(cartella.percorso("manca")));
}
