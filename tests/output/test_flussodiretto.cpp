#include "output/FlussoDiretto.h"

#include "DatiDiProva.h"
#include "prove/output/DatiDiProva.h"
#include "prove/util/StampaQString.h"
#include "routines/Errore.h"
#include "routines/TestoAnsi.h"

#include <gtest/gtest.h>

// The expected streams below are written out by hand: setup bytes, " \r\n"
// for a margin line, "\r\n" for a fill line, "\f" for a form feed.

namespace {

const QByteArray Compresso("\x1b\x0f\x00\x00\x00", 5);

ImpostazioniDirette Impostazioni(int lungPag, int margine) {
    ImpostazioniDirette imp;
    imp.codiciImpostazione = {27, 15, 0, 0, 0};
    imp.lunghezzaPagina = lungPag;
    imp.margineSuperiore = margine;
    return imp;
}

QByteArray Righe(int da, int a) {
    QByteArray byte;
    for (int i = da; i <= a; ++i)
        byte += "r" + QByteArray::number(i) + "\r\n";
    return byte;
}

QByteArray Flusso(const QStringList& righe, const ImpostazioniDirette& imp) {
    return FlussoDiretto(righe, imp, QStringLiteral("Ufficio"));
}

} // namespace

TEST(FlussoDiretto, SmallFileWithMarginAndPageLength) {
    EXPECT_EQ(Flusso(RigheNumerate(5), Impostazioni(4, 1)),
              Compresso + " \r\nr1\r\nr2\r\nr3\r\n\f \r\nr4\r\nr5\r\n\f");
}

TEST(FlussoDiretto, HundredThirtyLinesOnPagesOfSixty) {
    const QByteArray margine(" \r\n \r\n");
    EXPECT_EQ(Flusso(RigheNumerate(130), Impostazioni(60, 2)),
              Compresso + margine + Righe(1, 58) + "\f" + margine + Righe(59, 116) + "\f" +
                  margine + Righe(117, 130) + "\f");
}

TEST(FlussoDiretto, OptionUFillsEveryPageToTheFillLength) {
    ImpostazioniDirette imp = Impostazioni(60, 2);
    imp.riempiPagina = true;
    imp.lunghezzaRiempimento = 66;
    const QByteArray margine(" \r\n \r\n");
    QByteArray sei, cinquanta;
    for (int i = 0; i < 6; ++i)
        sei += "\r\n";
    for (int i = 0; i < 50; ++i)
        cinquanta += "\r\n";
    const QByteArray flusso = Flusso(RigheNumerate(130), imp);
    EXPECT_EQ(flusso, Compresso + margine + Righe(1, 58) + sei + margine + Righe(59, 116) + sei +
                          margine + Righe(117, 130) + cinquanta);
    EXPECT_FALSE(flusso.contains('\f'));
}

TEST(FlussoDiretto, EndExactlyAtAPageBoundary) {
    // No margin: the page already ended, nothing is added.
    EXPECT_EQ(Flusso(RigheNumerate(4), Impostazioni(2, 0)),
              Compresso + "r1\r\nr2\r\n\fr3\r\nr4\r\n\f");
    // A margin of two: the last page holds the margin lines alone.
    EXPECT_EQ(Flusso(RigheNumerate(2), Impostazioni(4, 2)),
              Compresso + " \r\n \r\nr1\r\nr2\r\n\f \r\n \r\n\f");
}

TEST(FlussoDiretto, PageBreakLineEndsThePageAndIsNotPrinted) {
    const QStringList righe{QStringLiteral("a"), QStringLiteral("\f"), QStringLiteral("b")};
    EXPECT_EQ(Flusso(righe, Impostazioni(60, 1)), Compresso + " \r\na\r\n\f \r\nb\r\n\f");
    ImpostazioniDirette riempi = Impostazioni(60, 1);
    riempi.riempiPagina = true;
    riempi.lunghezzaRiempimento = 4;
    EXPECT_EQ(Flusso(righe, riempi), Compresso + " \r\na\r\n\r\n\r\n \r\nb\r\n\r\n\r\n");
}

TEST(FlussoDiretto, EmptyOrMissingPrintFile) {
    EXPECT_EQ(Flusso({}, Impostazioni(60, 0)), Compresso);
    EXPECT_EQ(Flusso({}, Impostazioni(60, 2)), Compresso + " \r\n \r\n\f");
    EXPECT_EQ(FlussoDiretto(std::nullopt, Impostazioni(60, 2), QStringLiteral("Ufficio")),
              Compresso);
}

TEST(FlussoDiretto, FramesConvertedUnlessOptionK) {
    const QString riga = DaAnsi(QByteArray("\xC4\xC5\xB3\xB4 Luned\xEC \xE7x"));
    ImpostazioniDirette imp = Impostazioni(60, 0);
    imp.codiciImpostazione = {27, 18, 0, 0, 0};
    EXPECT_EQ(Flusso({riga}, imp),
              QByteArray("\x1b\x12\x00\x00\x00", 5) + "--|| Luned\xEC \xE7x\r\n\f");
    imp.corniciInChiaro = true;
    EXPECT_EQ(Flusso({riga}, imp), QByteArray("\x1b\x12\x00\x00\x00", 5) +
                                       QByteArray("\xC4\xC5\xB3\xB4 Luned\xEC \xE7x\r\n\f"));
}

TEST(FlussoDiretto, SetupCodesMustBeByteValues) {
    EXPECT_EQ(SequenzaImpostazione({255, 0, 1.4, 2.5, 3.5}, {}),
              QByteArray("\xff\x00\x01\x02\x04", 5));
    ImpostazioniDirette imp = Impostazioni(60, 0);
    imp.codiciImpostazione = {27, 256, 0, 0, 0};
    try {
        Flusso(RigheNumerate(1), imp);
        FAIL() << "a code of 256 was sent";
    } catch (const Errore& errore) {
        EXPECT_TRUE(errore.messaggio().contains(QStringLiteral("\"Ufficio\""))) << errore.what();
        EXPECT_TRUE(errore.messaggio().contains(QStringLiteral("256"))) << errore.what();
    }
    imp.codiciImpostazione = {-1, 0, 0, 0, 0};
    EXPECT_THROW(Flusso(RigheNumerate(1), imp), Errore);
}
