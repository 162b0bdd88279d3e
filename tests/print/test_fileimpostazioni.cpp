#include "print/FileImpostazioni.h"
#include "prove/util/CartellaDiProva.h"
#include "prove/util/StampaQString.h"

#include <gtest/gtest.h>

namespace {

TEST(FontStp, PrimaRigaSenzaSpazi) {
    CartellaDiProva cartella;
    EXPECT_EQ(CarattereStampa(), "Courier New");
    cartella.scrivi("FontStp.txt", "  Lucida Console \r\nArial\r\n");
    EXPECT_EQ(CarattereStampa(), "Lucida Console");
    cartella.scrivi("FontStp.txt", "");
    EXPECT_EQ(CarattereStampa(), "Courier New");
    cartella.scrivi("FontStp.txt", "   \r\nArial\r\n");
    EXPECT_EQ(CarattereStampa(), "Courier New");
}

TEST(SeparatoreXLS, RigheUsateIntereERigheMancanti) {
    CartellaDiProva cartella;
    auto separatori = LeggiSeparatoriXLS();
    EXPECT_EQ(separatori.campo, ",");
    EXPECT_EQ(separatori.decimale, ".");
    EXPECT_EQ(separatori.valuta, QString(QChar(0x20AC)));

    cartella.scrivi("separatorexls.txt", ";\r\n,\r\n\x80\r\n");
    separatori = LeggiSeparatoriXLS();
    EXPECT_EQ(separatori.campo, ";");
    EXPECT_EQ(separatori.decimale, ",");
    EXPECT_EQ(separatori.valuta, QString(QChar(0x20AC)));

    // Lines are used whole, blanks included; lines that are not there keep
    // their defaults instead of ending the program.
    cartella.scrivi("separatorexls.txt", " ; \r\n");
    separatori = LeggiSeparatoriXLS();
    EXPECT_EQ(separatori.campo, " ; ");
    EXPECT_EQ(separatori.decimale, ".");
    EXPECT_EQ(separatori.valuta, QString(QChar(0x20AC)));
}

} // namespace
