// Files made by the writer, read through the program's own database layer.
#include "archivi/DBEngine.h"
#include "mdbwriter/ScrittoreMdb.h"
#include "prove/util/CartellaDiProva.h"
#include "prove/util/StampaQString.h"

#include <gtest/gtest.h>

namespace {

const Valore kAssente;

void ScriviPrenotazioni(const CartellaDiProva& cartella) {
    ScrittoreMdb w;
    TabellaMdb& t = w.tabella("Camere_Prenotazione");
    t.colonna("NumeroHotel", TipoJet::Intero)
        .colonna("NumeroCamera", TipoJet::Testo, 10)
        .colonna("NumeroPrenotazione", TipoJet::Lungo)
        .colonna("TipoPrenotazione", TipoJet::Testo, 1)
        .colonna("DataArrivo", TipoJet::Testo, 8)
        .colonna("NumeroPersone", TipoJet::Intero)
        .colonna("Note", TipoJet::Memo);
    for (int i = 0; i < 5000; ++i) {
        const std::vector<Valore> riga = {
            1 + i % 2,
            QString::number(101 + i % 40),
            100000 + i,
            i % 17 == 0 ? kAssente : Valore(QString("COD"[i % 3])),
            QStringLiteral("2026%1").arg(101 + i % 300, 4, 10, QChar('0')),
            -(i % 4),
            i == 77 ? Valore(QString("Nota lunga ").repeated(400)) : kAssente};
        if (i % 13 == 5)
            t.rigaCancellata(riga);
        else if (i % 13 == 6)
            t.rigaSpostata(riga);
        else
            t.riga(riga);
    }
    w.salva(cartella.percorso("Camere_Prenotazione.mdb"));
}

} // namespace

TEST(LetturaDati, RigheCercateEOrdinate) {
    CartellaDiProva cartella;
    ScriviPrenotazioni(cartella);
    Database db = DBEngine::istanza().OpenDatabase("Camere_Prenotazione.mdb");
    EXPECT_EQ(db.tabelle(), QStringList({"Camere_Prenotazione"}));
    Recordset rs = db.OpenRecordset("Camere_Prenotazione");
    std::size_t vive = 0;
    for (int i = 0; i < 5000; ++i)
        vive += i % 13 != 5;
    EXPECT_EQ(rs.RecordCount(), vive);

    rs.FindFirst(Campo("NumeroPrenotazione") == Valore(100006));
    ASSERT_FALSE(rs.NoMatch()) << "a moved row is found";
    EXPECT_EQ(rs.Campo("NumeroCamera"), Valore(QString("107")));
    EXPECT_EQ(rs.Campo("NumeroPersone"), Valore(-2));
    rs.FindFirst(Campo("NumeroPrenotazione") == Valore(100005));
    EXPECT_TRUE(rs.NoMatch()) << "a deleted row is not";
    rs.FindFirst(Campo("NumeroPrenotazione") == Valore(100017));
    ASSERT_FALSE(rs.NoMatch());
    EXPECT_EQ(rs.Campo("TipoPrenotazione"), kAssente);
    rs.FindFirst(Campo("NumeroPrenotazione") == Valore(100077));
    ASSERT_FALSE(rs.NoMatch());
    EXPECT_EQ(rs.Campo("Note"), Valore(QString("Nota lunga ").repeated(400)));

    int trovate = 0;
    const Criterio c = Campo("NumeroHotel") == Valore(2) &&
                       Campo("NumeroCamera") == Valore(QString("102")) &&
                       Campo("DataArrivo") <= Valore(QString("20260150"));
    for (rs.FindFirst(c); !rs.NoMatch(); rs.FindNext(c))
        ++trovate;
    int contate = 0;
    for (int i = 0; i < 5000; ++i)
        contate += i % 2 == 1 && i % 40 == 1 && 101 + i % 300 <= 150 && i % 13 != 5;
    EXPECT_EQ(trovate, contate);

    rs.setSort("[NumeroCamera]");
    const Recordset ordinato = rs.OpenRecordset();
    const int camera = ordinato.IndiceCampo("NumeroCamera");
    EXPECT_EQ(ordinato.valore(0, camera), Valore(QString("101")));
    EXPECT_EQ(ordinato.valore(ordinato.RecordCount() - 1, camera), Valore(QString("140")));
}

TEST(LetturaDati, ValoriNumericiTipizzati) {
    CartellaDiProva cartella;
    ScrittoreMdb w;
    TabellaMdb& t = w.tabella("Numeri");
    t.colonna("B", TipoJet::Byte)
        .colonna("I", TipoJet::Intero)
        .colonna("L", TipoJet::Lungo)
        .colonna("D", TipoJet::Doppio)
        .colonna("V", TipoJet::Valuta)
        .colonna("S", TipoJet::Booleano)
        .colonna("T", TipoJet::Testo, 50);
    t.riga({255, -32768, -2000000000, -1234.5, Valore::valuta(-12500), 1, QString("Caffè ☕")});
    t.riga({kAssente, kAssente, kAssente, kAssente, kAssente, 0, kAssente});
    w.salva(cartella.percorso("Numeri.mdb"));

    Database db = DBEngine::istanza().OpenDatabase("numeri.mdb");
    const Recordset rs = db.OpenRecordset("Numeri");
    ASSERT_EQ(rs.RecordCount(), 2u);
    const std::vector<Valore> attesi = {Valore(255),
                                        Valore(-32768),
                                        Valore(std::int64_t{-2000000000}),
                                        Valore(-1234.5),
                                        Valore::valuta(-12500),
                                        Valore(),
                                        Valore(QString("Caffè ☕"))};
    constexpr int kBooleano = 5;
    for (int c = 0; c < static_cast<int>(attesi.size()); ++c) {
        if (c == kBooleano)
            continue;
        EXPECT_EQ(rs.valore(0, c), attesi[static_cast<std::size_t>(c)]) << "field " << c;
        EXPECT_EQ(rs.valore(1, c), kAssente) << "field " << c;
    }
    // True may read as 1 or as DAO's -1; false is 0, never NULL.
    EXPECT_NE(rs.valore(0, kBooleano).intero(), 0);
    EXPECT_EQ(rs.valore(1, kBooleano), Valore(0));
}

// A zero-length text stays apart from NULL, in short and in long texts, and
// dates, before 1900 too, come back as dates.
TEST(LetturaDati, TestoVuotoEDateTipizzati) {
    CartellaDiProva cartella;
    ScrittoreMdb w;
    TabellaMdb& t = w.tabella("T");
    t.colonna("Testo", TipoJet::Testo, 10)
        .colonna("Quando", TipoJet::DataOra)
        .colonna("Nota", TipoJet::Memo);
    t.riga({QString(""), Valore::dataOra(45351.5), QString("")});
    t.riga({kAssente, Valore::dataOra(-1.25), kAssente});
    w.salva(cartella.percorso("T.mdb"));
    const Recordset rs = DBEngine::istanza().OpenDatabase("T.mdb").OpenRecordset("T");
    ASSERT_EQ(rs.RecordCount(), 2u);
    EXPECT_EQ(rs.valore(0, 0), Valore(QString("")));
    EXPECT_EQ(rs.valore(0, 0).tipo(), Valore::Tipo::Testo);
    EXPECT_EQ(rs.valore(0, 2).tipo(), Valore::Tipo::Testo);
    EXPECT_EQ(rs.valore(0, 1), Valore::dataOra(45351.5));
    EXPECT_EQ(rs.valore(1, 1), Valore::dataOra(-1.25));
    EXPECT_TRUE(rs.valore(1, 0).nullo());
    EXPECT_TRUE(rs.valore(1, 2).nullo());
}
