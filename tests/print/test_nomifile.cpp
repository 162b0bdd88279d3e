#include "print/NomiFile.h"
#include "prove/util/CartellaDiProva.h"
#include "prove/util/StampaQString.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

TEST(NomiFile, NomiDaTestoDelNumero) {
    const QDateTime momento(QDate(2026, 3, 7), QTime(14, 5));
    const PostoDiLavoro due(QStringLiteral("2"));
    EXPECT_EQ(NomeFile(FileDiStampa::Stampa, due), "FD2");
    EXPECT_EQ(NomeFile(FileDiStampa::CopiaDocumento, due, momento), "doc/fd2202603071405.doc");
    EXPECT_EQ(NomeFile(FileDiStampa::FoglioDiCalcolo, due), "fd2.csv");
    // The text form, as set: 03 is FD03 for every reader and writer.
    EXPECT_EQ(NomeFile(FileDiStampa::Stampa, PostoDiLavoro(QStringLiteral("03"))), "FD03");
    EXPECT_EQ(NomeFile(FileDiStampa::Stampa, PostoDiLavoro()), "FD");
    EXPECT_EQ(NomeFile(FileDiStampa::Carattere), "FontStp.txt");
    EXPECT_EQ(NomeFile(FileDiStampa::Separatori), "SeparatoreXLS.txt");
}

TEST(NomiFile, TrovatiSenzaRiguardoAlleMaiuscole) {
    CartellaDiProva cartella;
    const PostoDiLavoro tre(QStringLiteral("3"));
    EXPECT_FALSE(EsisteFile(FileDiStampa::Stampa, tre));
    EXPECT_EQ(PercorsoFile(FileDiStampa::Stampa, tre), QDir::current().filePath("FD3"));

    cartella.scrivi("fd3", "x");
    cartella.scrivi("fontstp.TXT", "Arial");
    EXPECT_TRUE(EsisteFile(FileDiStampa::Stampa, tre));
    EXPECT_EQ(PercorsoFile(FileDiStampa::Stampa, tre), QDir::current().filePath("fd3"));
    EXPECT_EQ(PercorsoFile(FileDiStampa::Carattere), QDir::current().filePath("fontstp.TXT"));

    // With both spellings present the exact one is used.
    cartella.scrivi("FD3", "y");
    EXPECT_EQ(PercorsoFile(FileDiStampa::Stampa, tre), QDir::current().filePath("FD3"));
    // A folder of that name is no print file.
    QDir().mkdir("FD4");
    EXPECT_FALSE(EsisteFile(FileDiStampa::Stampa, PostoDiLavoro(QStringLiteral("4"))));
}

} // namespace
