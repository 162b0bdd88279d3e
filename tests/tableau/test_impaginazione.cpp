#include "prove/tableau/TestoTableau.h"
#include "prove/util/StampaQString.h"
#include "tableau/ImpaginazioneTableau.h"

#include <gtest/gtest.h>

#include <random>

namespace I = ImpaginazioneTableau;

namespace {

const QDateTime kMomento(QDate(2026, 3, 7), QTime(14, 5));

// Columns a..b (from 1) of a line.
QString colonne(const QString& riga, int a, int b) {
    return riga.mid(a - 1, b - a + 1);
}
// The 17 columns of day d.
QString cella(const QString& riga, int d) {
    return colonne(riga, 18 * d - 11, 18 * d + 5);
}

bool corniceIntatta(const QString& riga) {
    for (int k = 0; k <= 7; ++k) {
        if (riga[5 + 18 * k] != QChar(179))
            return false;
    }
    return riga.size() == I::kLarghezza;
}

TEST(Titolo, HotelETableauTrovatiONo) {
    const QString completo =
        I::RigaTitolo({QStringLiteral("Hotel Centrale"), QStringLiteral("  Secondo piano  ")},
                      QStringLiteral("07/01/2026"), kMomento);
    EXPECT_EQ(completo, QStringLiteral(" Hotel : Hotel Centrale") + QString(31, u' ') +
                            QStringLiteral(" Tableau Settimanale : Secondo piano dal 07/01/2026") +
                            QString(11, u' ') + QStringLiteral("07/03/2026 14:05"));
    EXPECT_EQ(I::RigaTitolo({}, QStringLiteral("07/01/2026"), kMomento),
              QStringLiteral(" Hotel : ") + QString(107, u' ') +
                  QStringLiteral("07/03/2026 14:05"));
    const QString senzaTableau =
        I::RigaTitolo({QStringLiteral("H"), std::nullopt}, QStringLiteral("07/01/2026"), kMomento);
    EXPECT_EQ(colonne(senzaTableau, 55, 77), " Tableau Settimanale : ");
    EXPECT_EQ(colonne(senzaTableau, 78, 116), QString(39, u' '));
    EXPECT_EQ(senzaTableau.size(), 132);
}

TEST(Titolo, NomiLunghiTagliati) {
    // The hotel's name is cut to 45 characters, not trimmed; a tableau name
    // longer than the 24 characters left is cut, so that the moment of
    // printing keeps columns 117-132.
    const QString titolo = I::RigaTitolo({QString(50, u'H'), QString(30, u'T')},
                                         QStringLiteral("07/01/2026"), kMomento);
    EXPECT_EQ(titolo.size(), 132);
    EXPECT_EQ(colonne(titolo, 10, 54), QString(45, u'H'));
    EXPECT_EQ(colonne(titolo, 78, 116), QString(24, u'T') + QStringLiteral(" dal 07/01/2026"));
    EXPECT_EQ(colonne(titolo, 117, 132), "07/03/2026 14:05");
    EXPECT_EQ(
        colonne(I::RigaTitolo({QStringLiteral("  Lido  "), std::nullopt}, QString(), kMomento), 10,
                17),
        "  Lido  ");
}

TEST(Cornice, BordiENomiDeiGiorni) {
    const QString bordo = I::BordoSuperiore();
    const QString separatore = I::Separatore();
    ASSERT_EQ(bordo.size(), 132);
    ASSERT_EQ(separatore.size(), 132);
    for (int c = 1; c <= 132; ++c) {
        const bool cornice = c % 18 == 6;
        EXPECT_EQ(bordo[c - 1], QChar(c == 132 ? 191 : cornice ? 194 : 196)) << c;
        EXPECT_EQ(separatore[c - 1], QChar(c == 132 ? 180 : cornice ? 197 : 196)) << c;
    }
    const QString nomi = I::RigaNomiGiorni(6); // from a Sunday
    EXPECT_TRUE(corniceIntatta(nomi));
    EXPECT_EQ(colonne(nomi, 1, 5), "     ");
    EXPECT_EQ(cella(nomi, 1), " Domenica        ");
    EXPECT_EQ(cella(nomi, 2), QStringLiteral(" Luned\u00EC          "));
    EXPECT_EQ(cella(nomi, 7), " Sabato          ");
}

GiorniCamera unGiorno(const GiornoCamera& giorno, int d = 1) {
    GiorniCamera giorni{};
    giorni[static_cast<std::size_t>(d - 1)] = giorno;
    return giorni;
}

TEST(RigheCamera, CelleVuoteETagli) {
    const QString vuota1 = I::PrimaRigaCamera(QStringLiteral("101"), GiorniCamera{});
    const QString vuota2 = I::SecondaRigaCamera(GiorniCamera{});
    EXPECT_EQ(colonne(vuota1, 1, 5), "  101");
    for (int d = 1; d <= 7; ++d) {
        EXPECT_EQ(cella(vuota1, d), QString(17, u' '));
        EXPECT_EQ(cella(vuota2, d), QString(17, u' '));
    }
    // A room number of 7 characters shows its first 5; blanks around it go.
    EXPECT_EQ(colonne(I::PrimaRigaCamera(QStringLiteral("1234567"), {}), 1, 5), "12345");
    EXPECT_EQ(colonne(I::PrimaRigaCamera(QStringLiteral(" 12 "), {}), 1, 5), "   12");

    GiornoCamera ditta;
    ditta.ditteClienti = QStringLiteral("Ditta Venti Caratter");
    ditta.nomiClienti = QStringLiteral("Un Nome Di Trenta Caratteri Ok");
    ditta.personeClienti = 1;
    EXPECT_EQ(cella(I::PrimaRigaCamera(QStringLiteral("1"), unGiorno(ditta, 3)), 3),
              "      Ditta Venti");
    EXPECT_EQ(cella(I::SecondaRigaCamera(unGiorno(ditta, 3)), 3), "Un Nome Di Tre 1 ");
}

TEST(RigheCamera, ValoriDellaPrenotazioneODegliOspiti) {
    GiornoCamera g;
    g.numeroGiorno = 7001;
    g.ditteClienti = QStringLiteral("Ospiti");
    g.dittePrenotazioni = QStringLiteral("Agenzia");
    g.nomiClienti = QStringLiteral("OSPITE");
    g.personeClienti = 2;
    g.nomiPrenotazioni = QStringLiteral("PRENOTANTE");
    g.personePrenotazioni = 4;
    EXPECT_EQ(cella(I::PrimaRigaCamera(QStringLiteral("1"), unGiorno(g)), 1), " 7001 Ospiti     ");
    EXPECT_EQ(cella(I::SecondaRigaCamera(unGiorno(g)), 1), "OSPITE         2 ");
    g.prenotato = true;
    EXPECT_EQ(cella(I::PrimaRigaCamera(QStringLiteral("1"), unGiorno(g)), 1), " 7001 Agenzia    ");
    EXPECT_EQ(cella(I::SecondaRigaCamera(unGiorno(g)), 1), "OSPITE         2 ");
    g.confermato = true;
    EXPECT_EQ(cella(I::SecondaRigaCamera(unGiorno(g)), 1), "PRENOTANTE     4 ");
}

// Values wider than their cell keep the frame in place and stay readable.
TEST(RigheCamera, NumeriEPersoneOltreLaCella) {
    GiornoCamera g;
    g.nomiClienti = QStringLiteral("ABCDEFGHIJKLMN");
    g.ditteClienti = QStringLiteral("Ditta Lunga");
    const auto primaCella = [&](std::int64_t numero) {
        g.numeroGiorno = numero;
        return cella(I::PrimaRigaCamera(QStringLiteral("1"), unGiorno(g)), 1);
    };
    const auto secondaCella = [&](std::int64_t persone) {
        g.personeClienti = persone;
        return cella(I::SecondaRigaCamera(unGiorno(g)), 1);
    };
    EXPECT_EQ(primaCella(99999), "99999 Ditta Lunga");
    EXPECT_EQ(primaCella(123456), "123456 Ditta Lung");
    EXPECT_EQ(primaCella(-42), "  -42 Ditta Lunga");
    EXPECT_EQ(primaCella(1234567890123456789), "12345678901234567");
    EXPECT_EQ(secondaCella(9), "ABCDEFGHIJKLMN 9 ");
    EXPECT_EQ(secondaCella(12), "ABCDEFGHIJKLMN 12");
    EXPECT_EQ(secondaCella(123), "ABCDEFGHIJKLM 123");
    EXPECT_EQ(secondaCella(123456), "ABCDEFGHIJ 123456");
}

// A line end or another control character inside a name would break the
// line in two: it is shown as a blank.
TEST(RigheCamera, CaratteriDiControllo) {
    GiornoCamera g;
    g.nomiClienti = QStringLiteral("ROSSI\r\nMARIO");
    g.ditteClienti = QStringLiteral("A\tB");
    g.personeClienti = 1;
    EXPECT_EQ(cella(I::SecondaRigaCamera(unGiorno(g)), 1), "ROSSI  MARIO   1 ");
    EXPECT_EQ(cella(I::PrimaRigaCamera(QStringLiteral("1"), unGiorno(g)), 1), "      A B        ");
}

TEST(RigheCamera, CorniceSempreIntattaSuValoriCasuali) {
    std::mt19937_64 caso(12345);
    const auto testo = [&](int massimo) {
        QString t;
        for (int i = static_cast<int>(caso() % static_cast<unsigned>(massimo + 1)); i > 0; --i)
            t += QChar(static_cast<char16_t>(caso() % 2 ? 32 + caso() % 95 : caso() % 0x2100));
        return t;
    };
    const auto numero = [&] {
        const std::int64_t n = static_cast<std::int64_t>(caso());
        return caso() % 2 ? n : n % 1000;
    };
    for (int prova = 0; prova < 2000; ++prova) {
        GiorniCamera giorni{};
        for (GiornoCamera& g : giorni) {
            g = {numero(),  numero(),  testo(30),       numero(),        testo(30),
                 testo(30), testo(30), caso() % 2 == 0, caso() % 2 == 0, testo(60),
                 testo(60), testo(60), testo(60)};
        }
        const QString prima = I::PrimaRigaCamera(testo(10), giorni);
        const QString seconda = I::SecondaRigaCamera(giorni);
        ASSERT_TRUE(corniceIntatta(prima)) << prima.toStdString();
        ASSERT_TRUE(corniceIntatta(seconda)) << seconda.toStdString();
        ASSERT_FALSE(prima.contains(u'\n') || prima.contains(u'\r'));
    }
}

} // namespace
