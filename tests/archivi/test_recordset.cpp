// Searching and sorting record sets as DAO does: FindFirst / FindNext in
// record-set order until NoMatch, Jet comparisons (text by character code,
// null never equal to anything), typed criteria joined by and / or / in.

#include "prove/archivi/StampaValore.h"
#include "prove/archivi/ValoriColonna.h"
#include "prove/util/StampaQString.h"

#include "archivi/Criterio.h"
#include "archivi/Recordset.h"
#include "routines/Errore.h"

#include <QDate>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// Rooms of a tableau as the suite stores them, deliberately out of order.
Recordset camere() {
    auto t = std::make_shared<Tabella>();
    t->nome = QStringLiteral("NumeriCamere");
    t->campi = {QStringLiteral("NumeroHotel"), QStringLiteral("NumeroTableau"),
                QStringLiteral("NumeroCamera"), QStringLiteral("TipoCamera")};
    t->righe = {
        {Valore(1), Valore(1), Valore(u"99"), Valore(u"S")},
        {Valore(1), Valore(1), Valore(u"101"), Valore(u"D")},
        {Valore(2), Valore(1), Valore(u"12"), Valore(u"D")},
        {Valore(1), Valore(2), Valore(u"100"), Valore()},
        {Valore(1), Valore(1), Valore(u"1000"), Valore(u"T")},
        {Valore(1), Valore(1), Valore(), Valore(u"S")},
        {Valore(1), Valore(1), Valore(u"O'Hara"), Valore(u"D")},
    };
    return Recordset(t);
}

// The values of `campo` of the records a FindFirst / FindNext walk visits.
std::vector<Valore> percorri(Recordset& righe, const Criterio& criterio, const QString& campo) {
    std::vector<Valore> visti;
    for (righe.FindFirst(criterio); !righe.NoMatch(); righe.FindNext(criterio))
        visti.push_back(righe.Campo(campo));
    return visti;
}

} // namespace

TEST(Ricerca, FindFirstEFindNextInOrdineFinoANoMatch) {
    Recordset righe = camere();
    const Criterio tableau1 = Campo(QStringLiteral("NumeroHotel")) == Valore(1) &&
                              Campo(QStringLiteral("NumeroTableau")) == Valore(1);
    EXPECT_EQ(percorri(righe, tableau1, QStringLiteral("NumeroCamera")),
              (std::vector<Valore>{Valore(u"99"), Valore(u"101"), Valore(u"1000"), Valore(),
                                   Valore(u"O'Hara")}));
    EXPECT_TRUE(righe.NoMatch());
    righe.FindNext(tableau1); // past the end it stays there
    EXPECT_TRUE(righe.NoMatch());
    EXPECT_THROW(righe.Campo(QStringLiteral("NumeroCamera")), Errore);
    righe.FindFirst(tableau1); // and FindFirst starts again
    EXPECT_FALSE(righe.NoMatch());
    EXPECT_EQ(righe.Campo(QStringLiteral("NumeroCamera")), Valore(u"99"));
    righe.FindFirst(Campo(QStringLiteral("NumeroHotel")) == Valore(3));
    EXPECT_TRUE(righe.NoMatch());
}

TEST(Ricerca, NullNonSoddisfaNessunConfronto) {
    Recordset righe = camere();
    const QString campo = QStringLiteral("TipoCamera");
    for (const Criterio& c : {Campo(campo) == Valore(), Campo(campo) != Valore(u"D"),
                              Campo(campo) < Valore(u"Z"), Campo(campo) >= Valore(u"A"),
                              Campo(campo).in({Valore(u"D"), Valore(u"S"), Valore(u"T")})}) {
        for (const Valore& v :
             percorri(righe, c && Campo(QStringLiteral("NumeroTableau")) == Valore(2), campo))
            ADD_FAILURE() << "null accettato: " << v.testo().toStdString();
    }
    EXPECT_EQ(percorri(righe, Campo(campo) != Valore(u"D"), QStringLiteral("NumeroCamera")),
              (std::vector<Valore>{Valore(u"99"), Valore(u"1000"), Valore()}));
}

TEST(Ricerca, TestiPerCodiceDelCarattere) {
    Recordset righe = camere();
    const QString campo = QStringLiteral("NumeroCamera");
    EXPECT_EQ(
        percorri(righe, Campo(campo) < Valore(u"99") && Campo(campo) >= Valore(u"100"), campo),
        (std::vector<Valore>{Valore(u"101"), Valore(u"12"), Valore(u"100"), Valore(u"1000")}));
    // Case counts: lower-case letters come after upper-case ones.
    EXPECT_TRUE(
        percorri(righe, Campo(QStringLiteral("TipoCamera")) == Valore(u"d"), campo).empty());
    EXPECT_EQ(percorri(righe, Campo(QStringLiteral("TipoCamera")) > Valore(u"Sa"), campo),
              (std::vector<Valore>{Valore(u"1000")}));
    // Dates are 8-digit texts, compared as text.
    EXPECT_EQ(Valore(u"20260105").confronta(Valore(u"20260110")), std::strong_ordering::less);
}

TEST(Ricerca, UnApiceNelValoreEUnCarattereQualsiasi) {
    Recordset righe = camere();
    const QString campo = QStringLiteral("NumeroCamera");
    EXPECT_EQ(percorri(righe, Campo(campo) == Valore(u"O'Hara"), campo),
              (std::vector<Valore>{Valore(u"O'Hara")}));
    EXPECT_TRUE(percorri(righe, Campo(campo) == Valore(u"O''Hara"), campo).empty());
    EXPECT_TRUE(percorri(righe, Campo(campo) == Valore(u"' or '1'='1"), campo).empty());
}

TEST(Ricerca, EOIn) {
    Recordset righe = camere();
    const QString campo = QStringLiteral("NumeroCamera");
    const Criterio tipi = Campo(QStringLiteral("TipoCamera")) == Valore(u"S") ||
                          Campo(QStringLiteral("TipoCamera")) == Valore(u"T");
    EXPECT_EQ(percorri(righe, Campo(QStringLiteral("NumeroHotel")) == Valore(1) && tipi, campo),
              (std::vector<Valore>{Valore(u"99"), Valore(u"1000"), Valore()}));
    // The same fields named in several parts, in another case, are one field.
    const Criterio ripetuto =
        (Campo(QStringLiteral("numerohotel")) == Valore(2) ||
         Campo(QStringLiteral("NumeroHotel")) == Valore(1)) &&
        Campo(QStringLiteral("NumeroCamera")).in({Valore(u"12"), Valore(u"101"), Valore(u"7")});
    EXPECT_EQ(percorri(righe, ripetuto, campo),
              (std::vector<Valore>{Valore(u"101"), Valore(u"12")}));
    // Numbers of different kinds meet by value.
    EXPECT_EQ(percorri(righe, Campo(QStringLiteral("NumeroHotel")).in({Valore(2.0)}), campo),
              (std::vector<Valore>{Valore(u"12")}));
    EXPECT_EQ(percorri(righe, Campo(QStringLiteral("NumeroHotel")) == Valore::valuta(20000), campo),
              (std::vector<Valore>{Valore(u"12")}));
    EXPECT_TRUE(percorri(righe, Campo(QStringLiteral("NumeroHotel")).in({}), campo).empty());
    EXPECT_TRUE(
        percorri(righe, Campo(QStringLiteral("NumeroHotel")).in({Valore(u"1")}), campo).empty());
}

TEST(Ricerca, CampoInesistente) {
    Recordset righe = camere();
    EXPECT_THROW(righe.FindFirst(Campo(QStringLiteral("Piano")) == Valore(1)), Errore);
    righe.FindFirst(Campo(QStringLiteral("NumeroHotel")) == Valore(1));
    try {
        (void)righe.Campo(QStringLiteral("Piano"));
        ADD_FAILURE() << "nessun errore";
    } catch (const Errore& errore) {
        EXPECT_EQ(errore.messaggio(), u"Campo non trovato: Piano nella tabella NumeriCamere");
    }
    EXPECT_EQ(righe.Campo(QStringLiteral("numerocamera")), Valore(u"99"));
}

TEST(Ordinamento, SortPoiOpenRecordsetOrdinaPerTesto) {
    Recordset righe = camere();
    righe.setSort(QStringLiteral("[NumeroCamera]"));
    const Recordset ordinate = righe.OpenRecordset();
    EXPECT_EQ(ValoriColonna(ordinate, QStringLiteral("NumeroCamera")),
              (std::vector<Valore>{Valore(), Valore(u"100"), Valore(u"1000"), Valore(u"101"),
                                   Valore(u"12"), Valore(u"99"), Valore(u"O'Hara")}));
    // The record set sorted from is left as it was.
    EXPECT_EQ(ValoriColonna(righe, QStringLiteral("NumeroCamera")).front(), Valore(u"99"));
    // Searching follows the new order.
    Recordset copia = ordinate;
    EXPECT_EQ(percorri(copia, Campo(QStringLiteral("TipoCamera")) == Valore(u"D"),
                       QStringLiteral("NumeroCamera")),
              (std::vector<Valore>{Valore(u"101"), Valore(u"12"), Valore(u"O'Hara")}));
}

TEST(Ordinamento, PiuChiaviDiscendentiEStabile) {
    Recordset righe = camere();
    righe.setSort(QStringLiteral("NumeroHotel DESC, [TipoCamera] asc"));
    const Recordset ordinate = righe.OpenRecordset();
    EXPECT_EQ(ValoriColonna(ordinate, QStringLiteral("NumeroCamera")),
              (std::vector<Valore>{Valore(u"12"), Valore(u"100"), Valore(u"101"), Valore(u"O'Hara"),
                                   Valore(u"99"), Valore(), Valore(u"1000")}));
    righe.setSort(QStringLiteral("[Piano]"));
    EXPECT_THROW((void)righe.OpenRecordset(), Errore);
}

// A floating-point field may hold a NaN (a damaged file, a division stored
// by another program): sorting must still be a consistent order.
TEST(Ordinamento, NumeriConNaN) {
    auto t = std::make_shared<Tabella>();
    t->nome = QStringLiteral("Misure");
    t->campi = {QStringLiteral("Valore")};
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (double v : {3.0, nan, 1.0, nan, 2.0, -1.0, nan, 0.5})
        t->righe.push_back({Valore(v)});
    t->righe.push_back({Valore()});
    Recordset righe(t);
    righe.setSort(QStringLiteral("Valore"));
    const std::vector<Valore> ordinati =
        ValoriColonna(righe.OpenRecordset(), QStringLiteral("Valore"));
    ASSERT_EQ(ordinati.size(), 9u);
    EXPECT_TRUE(ordinati[0].nullo());
    const std::vector<double> attesi = {-1.0, 0.5, 1.0, 2.0, 3.0};
    for (std::size_t i = 0; i < attesi.size(); ++i)
        EXPECT_EQ(ordinati[i + 1].numero(), attesi[i]);
    for (std::size_t i = 6; i < 9; ++i)
        EXPECT_TRUE(std::isnan(ordinati[i].numero()));
}

TEST(Valori, ConfrontiTraTipi) {
    EXPECT_EQ(Valore(1).confronta(Valore::valuta(10000)), std::strong_ordering::equal);
    EXPECT_EQ(Valore::valuta(15000).confronta(Valore(1.5)), std::strong_ordering::equal);
    EXPECT_EQ(Valore::dataOra(2.5).confronta(Valore(2)), std::strong_ordering::greater);
    EXPECT_EQ(
        Valore(std::int64_t{9007199254740993}).confronta(Valore(std::int64_t{9007199254740992})),
        std::strong_ordering::greater);
    EXPECT_FALSE(Valore(u"1").confronta(Valore(1)).has_value());
    EXPECT_FALSE(Valore().confronta(Valore()).has_value());
    EXPECT_FALSE(Valore(u"").nullo());
    EXPECT_EQ(Valore(u"").confronta(Valore(u"")), std::strong_ordering::equal);
    EXPECT_FALSE(Valore(u"").confronta(Valore()).has_value());
}

// Decimals keep every digit and compare exactly with whole numbers and
// currency at any scale; extended dates keep their 100 ns and meet the
// ordinary date of the same instant, before 1899 too, where an ordinary
// date counts its days back and adds the time of day.
TEST(Valori, DecimaliEDateEstesiEsatti) {
    const Valore::Cifre cifre = 102030405060654321u;
    const Valore decimale = Valore::decimale(false, cifre, 6);
    EXPECT_EQ(decimale.decimale(), QStringLiteral("102030405060.654321"));
    EXPECT_EQ(Valore::decimale(true, 12300, 6).decimale(), QStringLiteral("-0.012300"));
    EXPECT_EQ(decimale.confronta(Valore::decimale(false, cifre + 6, 6)),
              std::strong_ordering::less);
    EXPECT_EQ(decimale.numero(), 102030405060.654321);
    EXPECT_EQ(Valore::decimale(true, cifre, 6).intero(), -102030405060);
    EXPECT_EQ(Valore::decimale(false, 15000, 4).confronta(Valore::valuta(15000)),
              std::strong_ordering::equal);
    EXPECT_EQ(Valore::decimale(true, 25, 1).confronta(Valore(-3)), std::strong_ordering::greater);
    EXPECT_EQ(Valore::decimale(true, 1, 28).confronta(Valore(0)), std::strong_ordering::less);
    const Valore::Cifre massimo = Valore::Cifre{9999999999999999999u} * 1000000000u + 999999999u;
    EXPECT_EQ(Valore::decimale(false, massimo, 0).confronta(Valore::decimale(false, massimo, 28)),
              std::strong_ordering::greater);
    EXPECT_EQ(Valore::decimale(true, Valore::Cifre{1} << 63, 0)
                  .confronta(Valore(std::numeric_limits<std::int64_t>::min())),
              std::strong_ordering::equal);

    const auto tick = [](int anno, int mese, int giorno, std::int64_t secondi) {
        return QDate(1, 1, 1).daysTo(QDate(anno, mese, giorno)) * Valore::kTickGiorno +
               secondi * 10'000'000;
    };
    const Valore prima = Valore::dataOraEstesa(tick(1765, 6, 14, 45900));
    EXPECT_EQ(prima.dataOraEstesa(), QStringLiteral("1765-06-14 12:45:00.0000000"));
    EXPECT_EQ(prima.numero(), -49141.53125);
    EXPECT_EQ(prima.confronta(Valore::dataOra(-49141.53125)), std::strong_ordering::equal);
    EXPECT_EQ(Valore::dataOraEstesa(tick(1765, 6, 14, 45900) + 1)
                  .confronta(Valore::dataOra(-49141.53125)),
              std::strong_ordering::greater);
    EXPECT_EQ(Valore::dataOraEstesa(tick(2021, 6, 14, 0) + 1234567).dataOraEstesa(),
              QStringLiteral("2021-06-14 00:00:00.1234567"));
    EXPECT_EQ(Valore::dataOraEstesa(tick(2021, 6, 14, 45900)).confronta(Valore(44361.53125)),
              std::strong_ordering::equal);
}
