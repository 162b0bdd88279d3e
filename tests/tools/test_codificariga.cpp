// Row bytes against the Jet 4 row layout, written out by hand.
#include "mdbwriter/TabellaMdb.h"
#include "prove/util/StampaQString.h"

#include <gtest/gtest.h>

namespace {

QByteArray Byte(std::initializer_list<int> valori) {
    QByteArray b;
    for (const int v : valori)
        b.append(static_cast<char>(v));
    return b;
}

} // namespace

TEST(CodificaRiga, FisseVariabiliNulliEBooleani) {
    TabellaMdb t("T");
    t.colonna("N", TipoJet::Lungo)
        .colonna("Nome", TipoJet::Testo, 10)
        .colonna("Vuoto", TipoJet::Testo, 10)
        .colonna("Assente", TipoJet::Testo, 10)
        .colonna("Si", TipoJet::Booleano)
        .colonna("Piccolo", TipoJet::Intero);
    t.riga({7, QString("ab"), QString(""), Valore(), 1, -2});
    t.riga({Valore(), Valore(), Valore(), Valore(), 0, Valore()});
    const QByteArray attesa = Byte({0x06, 0x00,                         // columns
                                    0x07, 0x00, 0x00, 0x00, 0xFE, 0xFF, // N, Piccolo
                                    0x61, 0x00, 0x62, 0x00, // "ab", not shorter compressed
                                    0x0C, 0x00,             // end of data
                                    0x0C, 0x00, 0x0C, 0x00, 0x08, 0x00, // Assente, Vuoto, Nome
                                    0x03, 0x00,                         // variable columns
                                    0x37});                             // all but Assente; Si true
    EXPECT_EQ(t.righe()[0].codifica.byte, attesa);
    // A zero-length text is not NULL: its bit is set, its length 0.
    const QByteArray nulla = Byte({0x06, 0x00, 0, 0, 0, 0, 0, 0, 0x08, 0x00, 0x08, 0x00, 0x08, 0x00,
                                   0x08, 0x00, 0x03, 0x00, 0x00});
    EXPECT_EQ(t.righe()[1].codifica.byte, nulla);
    EXPECT_EQ(t.righeVive(), 2u);
}

TEST(CodificaRiga, SoloColonneFisse) {
    TabellaMdb t("Contatori");
    t.colonna("NumeroHotel", TipoJet::Intero).colonna("LungPag", TipoJet::Intero);
    t.riga({1, Valore()});
    // No end of data, offsets or count when the table has no variable column.
    EXPECT_EQ(t.righe()[0].codifica.byte, Byte({0x02, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01}));
}

TEST(CodificaRiga, NumeriEDate) {
    TabellaMdb t("T");
    t.colonna("B", TipoJet::Byte)
        .colonna("V", TipoJet::Valuta)
        .colonna("D", TipoJet::Doppio)
        .colonna("S", TipoJet::Singolo)
        .colonna("Q", TipoJet::DataOra);
    t.riga({200, Valore::valuta(-1), 0.5, 2, Valore::dataOra(-1.25)});
    EXPECT_EQ(t.righe()[0].codifica.byte,
              Byte({0x05, 0x00, 0xC8,                               // byte 200
                    0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, // -0.0001 as ten-thousandths
                    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xE0, 0x3F, // 0.5
                    0x00, 0x00, 0x00, 0x40,                         // 2.0f
                    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF4, 0xBF, // -1.25
                    0x1F}));
}

TEST(CodificaRiga, MemoInRigaOFuori) {
    TabellaMdb t("T");
    t.colonna("Nota", TipoJet::Memo);
    t.riga({QString("ab")});
    EXPECT_EQ(t.righe()[0].codifica.byte,
              Byte({0x01, 0x00, // columns
                    0x04, 0x00, 0x00, 0x80, 0,    0,    0,    0,
                    0,    0,    0,    0,    0x61, 0x00, 0x62, 0x00, // 4 bytes, in the row
                    0x12, 0x00, 0x02, 0x00, 0x01, 0x00, 0x01}));
    EXPECT_TRUE(t.righe()[0].codifica.lunghi.empty());

    t.riga({QString(2000, 'z')});
    const RigaCodificata& lunga = t.righe()[1].codifica;
    ASSERT_EQ(lunga.lunghi.size(), 1u);
    EXPECT_EQ(lunga.lunghi[0].posizione, 2);
    EXPECT_EQ(lunga.lunghi[0].dati.size(), 4000) << "memos over 1024 characters are not compressed";
    EXPECT_EQ(lunga.byte.mid(2, 4), Byte({0xA0, 0x0F, 0x00, 0x00}))
        << "length 4000; flags set when placed";
    EXPECT_EQ(lunga.byte.size(), 2 + 12 + 2 + 2 + 2 + 1);
}
