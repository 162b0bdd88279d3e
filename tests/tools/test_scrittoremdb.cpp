// Files made by the writer, read back by mdbtools' own programs.
#include "prove/tools/StrumentiMdb.h"

#include "mdbwriter/DataJet.h"
#include "mdbwriter/ErroreScrittura.h"
#include "mdbwriter/ScrittoreMdb.h"
#include "prove/util/CartellaDiProva.h"
#include "prove/util/StampaQString.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using Cella = std::optional<QString>;
using Righe = std::vector<std::vector<Cella>>;

const Valore kNullo;

TabellaMdb& TabellaDiOgniTipo(ScrittoreMdb& w) {
    TabellaMdb& t = w.tabella("Tipi");
    t.colonna("Intero", TipoJet::Intero)
        .colonna("Testo", TipoJet::Testo, 20)
        .colonna("Lungo", TipoJet::Lungo)
        .colonna("Byte", TipoJet::Byte)
        .colonna("Doppio", TipoJet::Doppio)
        .colonna("Singolo", TipoJet::Singolo)
        .colonna("Valuta", TipoJet::Valuta)
        .colonna("Data", TipoJet::DataOra)
        .colonna("SiNo", TipoJet::Booleano)
        .colonna("Nota", TipoJet::Memo);
    return t;
}

void RigheDiOgniTipo(TabellaMdb& t) {
    t.riga({1, QString("Città \"Già\", più"), 100000, 255, -1234.5, 0.5, Valore::valuta(-12345),
            ValoreData(QDate(2024, 2, 29), QTime(13, 45, 10)), 1, QString("nota breve")});
    t.riga({-32768, QString("ĀΩ☺ misto"), std::numeric_limits<std::int32_t>::min(), 0, 1.0 / 3.0,
            -2.0f, Valore::valuta(1234567891234), ValoreData(QDate(1900, 3, 1), QTime(12, 0)), 0,
            QString()});
    t.riga({32767, kNullo, std::numeric_limits<std::int32_t>::max(), kNullo, kNullo, kNullo, 7,
            Valore::dataOra(0.0), 1, kNullo});
    t.riga({kNullo, QString("x"), kNullo, kNullo, 1e300, kNullo, kNullo, kNullo, 0, kNullo});
}

const Righe kAttesiDiOgniTipo = {
    {"1", "Città \"Già\", più", "100000", "255", "-1234.5", "0.5", "-1.2345", "2024-02-29 13:45:10",
     "1", "nota breve"},
    {"-32768", "ĀΩ☺ misto", "-2147483648", "0", "0.3333333333333333", "-2", "123456789.1234",
     "1900-03-01 12:00:00", "0", std::nullopt},
    {"32767", std::nullopt, "2147483647", std::nullopt, std::nullopt, std::nullopt, "7.0000",
     "1899-12-30 00:00:00", "1", std::nullopt},
    {std::nullopt, "x", std::nullopt, std::nullopt, "1e+300", std::nullopt, std::nullopt,
     std::nullopt, "0", std::nullopt},
};

QString Salva(const ScrittoreMdb& w, const CartellaDiProva& cartella,
              const QString& nome = "prova.mdb") {
    w.salva(cartella.percorso(nome));
    return cartella.percorso(nome);
}

std::vector<QString> Colonna(const Esportazione& e, int indice) {
    std::vector<QString> valori;
    for (const auto& riga : e.righe)
        valori.push_back(riga.at(indice).value_or("NULL"));
    return valori;
}

} // namespace

TEST(ScrittoreMdb, OgniTipoRilettoCampoPerCampo) {
    CartellaDiProva cartella;
    for (const bool compresso : {true, false}) {
        ScrittoreMdb w;
        TabellaMdb& t = TabellaDiOgniTipo(w);
        t.testoCompresso(compresso);
        RigheDiOgniTipo(t);
        const QString file = Salva(w, cartella);
        const Esportazione e = EsportaMdb(file, "Tipi");
        EXPECT_EQ(e.campi, QStringList({"Intero", "Testo", "Lungo", "Byte", "Doppio", "Singolo",
                                        "Valuta", "Data", "SiNo", "Nota"}));
        ASSERT_EQ(e.righe.size(), kAttesiDiOgniTipo.size());
        for (std::size_t r = 0; r < kAttesiDiOgniTipo.size(); ++r)
            for (std::size_t c = 0; c < kAttesiDiOgniTipo[r].size(); ++c)
                EXPECT_EQ(e.righe[r].at(c), kAttesiDiOgniTipo[r][c])
                    << "row " << r << " field " << e.campi.value(static_cast<int>(c)).toStdString()
                    << (compresso ? " (compressed text)" : "");
    }
}

TEST(ScrittoreMdb, CatalogoETipiDelleColonne) {
    CartellaDiProva cartella;
    ScrittoreMdb w;
    RigheDiOgniTipo(TabellaDiOgniTipo(w));
    w.tabella("Seconda").colonna("Codice", TipoJet::Lungo).colonna("Dati", TipoJet::Ole);
    const QString file = Salva(w, cartella);

    EXPECT_EQ(Mdb("mdb-ver", {file}).trimmed(), "JET4");
    EXPECT_EQ(TabelleMdb(file), QStringList({"Tipi", "Seconda"}));
    EXPECT_TRUE(Mdb("mdb-tables", {"-1", "-S", file}).split('\n').contains("MSysObjects"));
    const QString schema = Mdb("mdb-schema", {"-T", "Tipi", file, "access"});
    for (const char* riga :
         {"[Intero]\t\t\tInteger", "[Testo]\t\t\tText (20)", "[Lungo]\t\t\tLong Integer",
          "[Byte]\t\t\tByte", "[Doppio]\t\t\tDouble", "[Singolo]\t\t\tSingle",
          "[Valuta]\t\t\tCurrency", "[Data]\t\t\tDateTime", "[SiNo]\t\t\tBoolean NOT NULL",
          "[Nota]\t\t\tMemo/Hyperlink"})
        EXPECT_TRUE(schema.contains(QString::fromUtf8(riga))) << riga << " missing in\n"
                                                              << schema.toStdString();
    EXPECT_EQ(ContaMdb(file, "Tipi"), 4);
    EXPECT_EQ(ContaMdb(file, "Seconda"), 0);
    EXPECT_TRUE(EsportaMdb(file, "Seconda").righe.empty());
}

TEST(ScrittoreMdb, UnArchivioConPiuTabelle) {
    CartellaDiProva cartella;
    ScrittoreMdb w;
    TabellaMdb& stampanti = w.tabella("Stampanti");
    stampanti.colonna("NumeroHotel", TipoJet::Intero).colonna("Destinazione", TipoJet::Testo, 30);
    TabellaMdb& set = w.tabella("SetStampa");
    set.colonna("TipoStampa", TipoJet::Intero).colonna("Compresso", TipoJet::Testo, 36);
    for (int i = 0; i < 3000; ++i)
        stampanti.riga({i % 3, QStringLiteral("Destinazione %1").arg(i)});
    set.riga({1, QString("027015000000000000027018000000000000")});
    EXPECT_EQ(&w.tabella("stampanti"), &stampanti) << "table names compare without regard to case";
    const QString file = Salva(w, cartella, "Stampanti.mdb");

    EXPECT_EQ(TabelleMdb(file), QStringList({"Stampanti", "SetStampa"}));
    EXPECT_EQ(ContaMdb(file, "Stampanti"), 3000);
    const Esportazione s = EsportaMdb(file, "SetStampa");
    ASSERT_EQ(s.righe.size(), 1u);
    EXPECT_EQ(s.righe[0][1], Cella("027015000000000000027018000000000000"));
    const Esportazione d = EsportaMdb(file, "Stampanti");
    ASSERT_EQ(d.righe.size(), 3000u);
    EXPECT_EQ(d.righe[2999][1], Cella("Destinazione 2999"));
}

// More tables than one page of usage maps can describe.
TEST(ScrittoreMdb, MolteTabelleInUnArchivio) {
    CartellaDiProva cartella;
    ScrittoreMdb w;
    QStringList nomi;
    for (int i = 0; i < 40; ++i) {
        nomi << QStringLiteral("Tabella%1").arg(i);
        TabellaMdb& t = w.tabella(nomi.back());
        t.colonna("N", TipoJet::Intero).colonna("Nota", TipoJet::Memo);
        t.riga({i, QString(2000, QChar('a' + i % 26))});
    }
    const QString file = Salva(w, cartella);
    EXPECT_EQ(TabelleMdb(file), nomi);
    const Esportazione e = EsportaMdb(file, "Tabella39");
    ASSERT_EQ(e.righe.size(), 1u);
    EXPECT_EQ(e.righe[0][1], Cella(QString(2000, 'n')));
}

// Enough rows for well over 512 data pages, so that the usage map needs map
// pages of its own, followed by a second table in the same file.
TEST(ScrittoreMdb, RigheSuMoltePagine) {
    CartellaDiProva cartella;
    ScrittoreMdb w;
    TabellaMdb& t = w.tabella("Grande");
    t.colonna("N", TipoJet::Lungo)
        .colonna("Camera", TipoJet::Testo, 10)
        .colonna("Nome", TipoJet::Testo, 40);
    constexpr int kRighe = 60000;
    for (int i = 0; i < kRighe; ++i)
        t.riga({i, QString::number(100 + i % 500), QStringLiteral("Ospite numero %1").arg(i)});
    TabellaMdb& dopo = w.tabella("Dopo");
    dopo.colonna("N", TipoJet::Intero);
    dopo.riga({42});
    const QString file = Salva(w, cartella);
    EXPECT_GT(QFileInfo(file).size(), 600 * 4096);
    EXPECT_EQ(QFileInfo(file).size() % 4096, 0);

    EXPECT_EQ(ContaMdb(file, "Grande"), kRighe);
    const Esportazione e = EsportaMdb(file, "Grande");
    ASSERT_EQ(e.righe.size(), static_cast<std::size_t>(kRighe));
    long long somma = 0;
    for (const auto& riga : e.righe)
        somma += riga[0]->toLongLong();
    EXPECT_EQ(somma, static_cast<long long>(kRighe) * (kRighe - 1) / 2);
    EXPECT_EQ(e.righe.back(), (std::vector<Cella>{"59999", "599", "Ospite numero 59999"}));
    EXPECT_EQ(Colonna(EsportaMdb(file, "Dopo"), 0), std::vector<QString>{"42"});
}

TEST(ScrittoreMdb, RigheCancellateESpostate) {
    CartellaDiProva cartella;
    ScrittoreMdb w;
    TabellaMdb& t = w.tabella("Prenotazioni");
    t.colonna("N", TipoJet::Lungo)
        .colonna("Nome", TipoJet::Testo, 40)
        .colonna("Nota", TipoJet::Memo);
    std::vector<QString> vive;
    for (int i = 0; i < 1000; ++i) {
        const std::vector<Valore> riga = {i, QStringLiteral("Nome %1").arg(i),
                                          i % 250 == 7 ? Valore(QString(3000, 'n')) : Valore()};
        if (i % 10 == 3) {
            t.rigaCancellata(riga);
            continue;
        }
        if (i % 10 == 5)
            t.rigaSpostata(riga);
        else
            t.riga(riga);
        vive.push_back(QString::number(i));
    }
    const QString file = Salva(w, cartella);

    EXPECT_EQ(ContaMdb(file, "Prenotazioni"), static_cast<long long>(vive.size()));
    const Esportazione e = EsportaMdb(file, "Prenotazioni");
    std::vector<QString> letti = Colonna(e, 0);
    std::sort(letti.begin(), letti.end());
    std::sort(vive.begin(), vive.end());
    EXPECT_EQ(letti, vive) << "every live row once, no deleted row";
    const auto spostata = std::find_if(e.righe.begin(), e.righe.end(),
                                       [](const auto& r) { return r[0] == Cella("257"); });
    ASSERT_NE(spostata, e.righe.end());
    EXPECT_EQ((*spostata)[2], Cella(QString(3000, 'n'))) << "a moved row keeps its long value";
}

TEST(ScrittoreMdb, MemoInRigaESuPagineLval) {
    CartellaDiProva cartella;
    ScrittoreMdb w;
    TabellaMdb& t = w.tabella("Note");
    t.colonna("N", TipoJet::Intero).colonna("Nota", TipoJet::Memo).colonna("Altra", TipoJet::Memo);
    const std::vector<QString> note = {
        QString(),                            // zero length, in the row
        QString("breve"),                     // in the row, compressed
        QString(900, QChar(0x263A)),          // 1800 bytes: one long-value row
        QString(1500, 'a'),                   // too long to compress: 3000 bytes, one row
        QString("Lunga nota ").repeated(900), // 9900 characters: a chain of pages
    };
    for (int i = 0; i < static_cast<int>(note.size()); ++i)
        t.riga({i, note[static_cast<std::size_t>(i)], i == 4 ? Valore(note[2]) : Valore()});
    // Two memos that would each fit a row, but not together.
    t.riga({9, QString(1000, 'b'), QString(1000, QChar(0x3A9))});
    const QString file = Salva(w, cartella);

    const Esportazione e = EsportaMdb(file, "Note");
    ASSERT_EQ(e.righe.size(), note.size() + 1);
    // mdbtools reports a zero-length text as NULL.
    EXPECT_EQ(e.righe[0][1], std::nullopt);
    for (std::size_t i = 1; i < note.size(); ++i)
        EXPECT_EQ(e.righe[i][1], Cella(note[i])) << "memo " << i;
    EXPECT_EQ(e.righe[4][2], Cella(note[2]));
    EXPECT_EQ(e.righe[5][1], Cella(QString(1000, 'b')));
    EXPECT_EQ(e.righe[5][2], Cella(QString(1000, QChar(0x3A9))));
}

TEST(ScrittoreMdb, StesseRigheStessiByte) {
    const auto crea = [](const QDateTime& creazione) {
        ScrittoreMdb w;
        w.dataCreazione(creazione);
        RigheDiOgniTipo(TabellaDiOgniTipo(w));
        return w.contenuto();
    };
    const QDateTime giorno(QDate(2026, 3, 7), QTime(14, 5));
    EXPECT_EQ(crea(giorno), crea(giorno));
    EXPECT_NE(crea(giorno), crea(giorno.addDays(1)));
}

TEST(ScrittoreMdb, ValoriCheLaColonnaNonAccetta) {
    ScrittoreMdb w;
    TabellaMdb& t = w.tabella("T");
    t.colonna("Piccolo", TipoJet::Intero)
        .colonna("Nome", TipoJet::Testo, 5)
        .colonna("Si", TipoJet::Booleano);
    const auto rifiuta = [&](const std::vector<Valore>& riga, const char* parola) {
        try {
            t.riga(riga);
            ADD_FAILURE() << "accepted a row that should fail with " << parola;
        } catch (const ErroreScrittura& e) {
            EXPECT_TRUE(QString::fromUtf8(e.what()).contains(QString::fromUtf8(parola)))
                << e.what();
        }
    };
    rifiuta({40000, QString("a"), 1}, "Piccolo");
    rifiuta({1, QString("troppo"), 1}, "Nome");
    rifiuta({QString("1"), QString("a"), 1}, "Piccolo");
    rifiuta({1, 5, 1}, "Nome");
    rifiuta({1, QString("a"), Valore()}, "Si");
    rifiuta({1, QString("a")}, "2 valori per 3 colonne");
    EXPECT_TRUE(t.righe().empty());
    t.riga({-1, QString("abcde"), 0});
    EXPECT_THROW(t.colonna("Tardi", TipoJet::Lungo), ErroreScrittura);
    EXPECT_THROW(w.tabella("X").colonna("A", TipoJet::Lungo).colonna("a", TipoJet::Lungo),
                 ErroreScrittura);
    EXPECT_THROW(w.tabella("X").colonna("B", TipoJet::Testo, 300), ErroreScrittura);
    EXPECT_THROW(w.tabella("MSysAltro"), ErroreScrittura);

    TabellaMdb& larga = w.tabella("Larga");
    for (int i = 0; i < 20; ++i)
        larga.colonna(QStringLiteral("T%1").arg(i), TipoJet::Testo, 255);
    const std::vector<Valore> piena(20, Valore(QString(255, QChar(0x3A9))));
    EXPECT_THROW(larga.riga(piena), ErroreScrittura) << "a row of 10 KiB fits no page";
}

TEST(ScrittoreMdb, ArchivioNonScrivibile) {
    ScrittoreMdb w;
    w.tabella("T").colonna("N", TipoJet::Lungo);
    EXPECT_THROW(w.salva("/cartella-che-non-esiste/prova.mdb"), ErroreScrittura);
}
