#include "prove/util/StampaQString.h"
#include "routines/Errore.h"
#include "routines/SetRoutine.h"
#include "tableau/Settimana.h"

#include <gtest/gtest.h>

namespace {

QStringList giorniMostrati(const Settimana& settimana) {
    QStringList giorni;
    for (int d = 1; d <= 7; ++d)
        giorni << settimana.dataMostrata(d);
    return giorni;
}

TEST(Settimana, DateDelDatabase) {
    const Settimana settimana = Settimana::daTesto(QStringLiteral("07/01/2026"));
    EXPECT_EQ(settimana.dataIniziale(), "20260107");
    EXPECT_EQ(settimana.dataFinale(), "20260113");
    EXPECT_EQ(settimana.dataGiorno(3), "20260109");
    EXPECT_EQ(settimana.giornoSettimana(), 2); // Wednesday
    // Blanks around the date are ignored; other separators are accepted.
    EXPECT_EQ(Settimana::daTesto(QStringLiteral(" 07.01.2026 ")).testo(), "07.01.2026");
    EXPECT_EQ(Settimana::daTesto(QStringLiteral(" 07.01.2026 ")).dataIniziale(), "20260107");
}

TEST(Settimana, FineDiMeseDiAnnoEBisestile) {
    EXPECT_EQ(giorniMostrati(Settimana::daTesto(QStringLiteral("28/12/2025"))),
              (QStringList{"28/12/2025", "29/12/2025", "30/12/2025", "31/12/2025", "01/01/2026",
                           "02/01/2026", "03/01/2026"}));
    EXPECT_EQ(giorniMostrati(Settimana::daTesto(QStringLiteral("26/02/2028"))),
              (QStringList{"26/02/2028", "27/02/2028", "28/02/2028", "29/02/2028", "01/03/2028",
                           "02/03/2028", "03/03/2028"}));
    EXPECT_EQ(Settimana::daTesto(QStringLiteral("26/02/2026")).dataFinale(), "20260304");
}

TEST(Settimana, DateRifiutate) {
    for (const char* data :
         {"31/02/2026", "1/2/2026", "00/01/2026", "", "29/02/1900", "29/02/2100", "27/12/9999"})
        EXPECT_THROW(Settimana::daTesto(QString::fromLatin1(data)), Errore) << data;
    try {
        Settimana::daTesto(QStringLiteral("29/02/2100"));
    } catch (const Errore& errore) {
        EXPECT_EQ(errore.messaggio(), "La data 29/02/2100 non esiste nel calendario.");
    }
}

// The weekday follows the calendar: where the suite's own count (every
// fourth year a leap year) agrees with it, the two give the same day; before
// 1996 and after 2100 the calendar's is kept, so that names match dates.
TEST(Settimana, GiornoDellaSettimana) {
    for (QDate giorno(1996, 1, 1); giorno < QDate(2100, 3, 1); giorno = giorno.addDays(1)) {
        const QString testo = giorno.toString(QStringLiteral("dd/MM/yyyy"));
        ASSERT_EQ(Settimana::daTesto(testo).giornoSettimana(), CalcolaGiornoSettimana(testo))
            << testo.toStdString();
    }
    EXPECT_EQ(Settimana::daTesto(QStringLiteral("31/12/1995")).giornoSettimana(), 6);
    EXPECT_EQ(Settimana::daTesto(QStringLiteral("01/03/1900")).giornoSettimana(), 3);
    EXPECT_EQ(Settimana::daTesto(QStringLiteral("01/03/2100")).giornoSettimana(), 0);
}

} // namespace
