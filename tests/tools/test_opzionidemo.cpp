#include "demo/OpzioniDemo.h"
#include "util/StampaQString.h"

#include <gtest/gtest.h>

#include <stdexcept>

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
        EXPECT_THROW(Leggi(errata), std::invalid_argument) << errata.join(' ').toStdString();
}
