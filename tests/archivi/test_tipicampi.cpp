// Comparisons between kinds Jet cannot compare: a text or memo field with a
// number, a numeric or date field with a text, binary data with anything.
// Jet refuses such a search ("data type mismatch"); the layer raises
// ErroreArchivio naming the field, the table, the file and both kinds,
// decided from the column types before any row is read. Null values, NaNs
// and numbers of different kinds keep comparing as before.

#include "prove/archivi/StampaValore.h"
#include "prove/util/CartellaDiProva.h"
#include "prove/util/StampaQString.h"

#include "archivi/DBEngine.h"
#include "archivi/Database.h"
#include "archivi/ErroreArchivio.h"
#include "archivi/FileJet.h"
#include "mdbwriter/ScrittoreMdb.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

QString s(const char* testo) {
    return QString::fromUtf8(testo);
}

// The message of the ErroreArchivio that `lavoro` raises; empty when none.
template <typename F> QString erroreDi(F lavoro) {
    try {
        lavoro();
    } catch (const ErroreArchivio& errore) {
        return errore.messaggio();
    }
    return {};
}

// One table of every kind, one of keys as text, one empty, in Tipi.mdb in
// the current folder.
class TipiCampi : public ::testing::Test {
  protected:
    TipiCampi() {
        ScrittoreMdb scrittore;
        TabellaMdb& t = scrittore.tabella(s("Tipi"));
        t.colonna(s("Testo"), TipoJet::Testo, 20)
            .colonna(s("Memo"), TipoJet::Memo)
            .colonna(s("Lungo"), TipoJet::Lungo)
            .colonna(s("Doppio"), TipoJet::Doppio)
            .colonna(s("Valuta"), TipoJet::Valuta)
            .colonna(s("Data"), TipoJet::DataOra)
            .colonna(s("SiNo"), TipoJet::Booleano)
            .colonna(s("Binario"), TipoJet::Binario, 10)
            .colonna(s("Ole"), TipoJet::Ole)
            .colonna(s("SempreNullo"), TipoJet::Testo, 10);
        t.riga({Valore(u"1"), Valore(u"uno"), Valore(1), Valore(1.0), Valore::valuta(10000),
                Valore::dataOra(1.0), Valore(-1), Valore::binario("\x01"), Valore::binario("\x01"),
                Valore()});
        t.riga({Valore(u"2"), Valore(u"due"), Valore(2), Valore(std::nan("")),
                Valore::valuta(25000), Valore::dataOra(2.5), Valore(0), Valore::binario("\x02"),
                Valore(), Valore()});
        TabellaMdb& chiavi = scrittore.tabella(s("Chiavi"));
        chiavi.colonna(s("Codice"), TipoJet::Testo, 10).colonna(s("Numero"), TipoJet::Intero);
        chiavi.riga({Valore(u"1"), Valore(1)});
        scrittore.tabella(s("Vuota"))
            .colonna(s("Codice"), TipoJet::Testo, 10)
            .colonna(s("Numero"), TipoJet::Lungo);
        scrittore.salva(cartella_.percorso(s("Tipi.mdb")));
    }

    // The records a selection of Tipi gives, by the field Lungo.
    std::vector<Valore> scelti(const Criterio& dove) const {
        std::vector<Valore> lunghi;
        const Tabella letta = FileJet(cartella_.percorso(s("Tipi.mdb"))).leggi(s("Tipi"), &dove);
        for (const auto& riga : letta.righe)
            lunghi.push_back(riga[2]);
        return lunghi;
    }

    QString erroreLettura(const QString& tabella, const Criterio& dove) const {
        return erroreDi(
            [&] { (void)FileJet(cartella_.percorso(s("Tipi.mdb"))).leggi(tabella, &dove); });
    }

    CartellaDiProva cartella_;
};

} // namespace

TEST_F(TipiCampi, ConfrontiTraGeneriDiversiRifiutati) {
    EXPECT_EQ(erroreLettura(s("Tipi"), Campo(s("Testo")) == Valore(1)),
              s("Tipo di dati non corrispondente: il campo Testo della tabella Tipi dell'archivio "
                "Tipi.mdb "
                "contiene testo ed è confrontato con un numero"));
    struct Caso {
        Criterio dove;
        const char* campo;
        const char* contenuto;
        const char* confrontato;
    };
    const std::vector<Caso> casi = {
        {Campo(s("Memo")) >= Valore(0.5), "Memo", "contiene testo", "con un numero"},
        {Campo(s("Testo")) == Valore::valuta(10000), "Testo", "contiene testo", "con un numero"},
        {Campo(s("Testo")) < Valore::dataOra(3), "Testo", "contiene testo", "con un numero"},
        {Campo(s("Lungo")) == Valore(u"1"), "Lungo", "contiene numeri", "con un testo"},
        {Campo(s("Doppio")) != Valore(u"x"), "Doppio", "contiene numeri", "con un testo"},
        {Campo(s("Valuta")) > Valore(u""), "Valuta", "contiene numeri", "con un testo"},
        {Campo(s("Data")) <= Valore(u"20260107"), "Data", "contiene numeri", "con un testo"},
        {Campo(s("SiNo")) == Valore(u"S"), "SiNo", "contiene numeri", "con un testo"},
        {Campo(s("Binario")) == Valore::binario("\x01"), "Binario", "contiene dati binari",
         "con dati binari"},
        {Campo(s("Binario")) == Valore(1), "Binario", "contiene dati binari", "con un numero"},
        {Campo(s("Ole")) == Valore(u"x"), "Ole", "contiene dati binari", "con un testo"},
        {Campo(s("Testo")) == Valore::binario("1"), "Testo", "contiene testo", "con dati binari"},
        // The part that would match does not hide the refused one, in
        // either order: the condition is refused as a whole.
        {Campo(s("Lungo")) == Valore(1) || Campo(s("Testo")) == Valore(1), "Testo",
         "contiene testo", "con un numero"},
        {Campo(s("Lungo")) == Valore(u"1") && Campo(s("Testo")) == Valore(u"1"), "Lungo",
         "contiene numeri", "con un testo"},
    };
    Database archivio = DBEngine::istanza().OpenDatabase(s("Tipi.mdb"));
    Recordset tutti = archivio.OpenRecordset(s("Tipi"));
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.campo);
        const QString letto = erroreLettura(s("Tipi"), caso.dove);
        EXPECT_TRUE(
            letto.startsWith(s("Tipo di dati non corrispondente: il campo %1 della tabella Tipi "
                               "dell'archivio Tipi.mdb ")
                                 .arg(s(caso.campo))))
            << letto.toStdString();
        EXPECT_TRUE(letto.contains(s(caso.contenuto)) && letto.endsWith(s(caso.confrontato)))
            << letto.toStdString();
        // The same search on the whole table's record set, and on a sorted
        // copy of it, is refused with the same message.
        EXPECT_EQ(erroreDi([&] { tutti.FindFirst(caso.dove); }), letto);
        tutti.setSort(s("[Lungo] DESC"));
        Recordset ordinati = tutti.OpenRecordset();
        EXPECT_EQ(erroreDi([&] { ordinati.FindNext(caso.dove); }), letto);
    }
    archivio.Close();
}

// The check reads the column types, not the values: it comes for a table
// without rows and for a field that is null in every row. A null value is
// compared with nothing and is never an error.
TEST_F(TipiCampi, TabellaVuotaCampoNulloEValoreNullo) {
    EXPECT_TRUE(erroreLettura(s("Vuota"), Campo(s("Codice")) == Valore(1))
                    .contains(u"il campo Codice della tabella Vuota"));
    EXPECT_TRUE(
        erroreLettura(s("Vuota"), Campo(s("Numero")) >= Valore(u"1")).contains(u"il campo Numero"));
    EXPECT_TRUE(erroreLettura(s("Tipi"), Campo(s("SempreNullo")) == Valore(0))
                    .contains(u"il campo SempreNullo"));
    EXPECT_TRUE(scelti(Campo(s("SempreNullo")) == Valore(u"")).empty());
    for (const char* campo : {"Testo", "Lungo", "Binario", "SempreNullo"}) {
        SCOPED_TRACE(campo);
        EXPECT_TRUE(scelti(Campo(s(campo)) == Valore()).empty());
        EXPECT_TRUE(scelti(Campo(s(campo)) != Valore()).empty());
        EXPECT_TRUE(scelti(Campo(s(campo)).in({Valore(), Valore()})).empty());
    }
    Database archivio = DBEngine::istanza().OpenDatabase(s("Tipi.mdb"));
    Recordset vuota = archivio.OpenRecordset(s("Vuota"));
    EXPECT_TRUE(erroreDi([&] {
                    vuota.FindFirst(Campo(s("Numero")) == Valore(u"7"));
                }).contains(u"il campo Numero"));
    vuota.FindFirst(Campo(s("Numero")) == Valore(7) && Campo(s("Codice")) == Valore());
    EXPECT_TRUE(vuota.NoMatch());
    archivio.Close();
}

// Whole numbers, reals, currency, dates and booleans compare with each
// other by value; texts with texts by character code; a NaN matches nothing.
TEST_F(TipiCampi, NumeriDiOgniGenereETesti) {
    EXPECT_EQ(scelti(Campo(s("Lungo")) == Valore(2.0)), std::vector<Valore>{Valore(2)});
    EXPECT_EQ(scelti(Campo(s("Doppio")) == Valore(1)), std::vector<Valore>{Valore(1)});
    EXPECT_EQ(scelti(Campo(s("Valuta")) > Valore(2)), std::vector<Valore>{Valore(2)});
    EXPECT_EQ(scelti(Campo(s("Valuta")) == Valore(2.5)), std::vector<Valore>{Valore(2)});
    EXPECT_EQ(scelti(Campo(s("Data")) < Valore::valuta(20000)), std::vector<Valore>{Valore(1)});
    EXPECT_EQ(scelti(Campo(s("Data")) == Valore(2.5)), std::vector<Valore>{Valore(2)});
    EXPECT_EQ(scelti(Campo(s("SiNo")) == Valore(-1)), std::vector<Valore>{Valore(1)});
    EXPECT_EQ(scelti(Campo(s("Lungo")) < Valore::dataOra(1.5)), std::vector<Valore>{Valore(1)});
    // NaN in the field or in the value: the comparison is false, not an error.
    EXPECT_EQ(scelti(Campo(s("Doppio")) != Valore(5)), std::vector<Valore>{Valore(1)});
    EXPECT_TRUE(scelti(Campo(s("Lungo")) == Valore(std::nan(""))).empty());
    EXPECT_EQ(scelti(Campo(s("Testo")) > Valore(u"1")), std::vector<Valore>{Valore(2)});
    EXPECT_EQ(scelti(Campo(s("Memo")) == Valore(u"due")), std::vector<Valore>{Valore(2)});
}

// An "in" list is checked for each kind of value it holds; the key field of
// an inner selection is checked by its own column type, values or not.
TEST_F(TipiCampi, InsiemiIn) {
    EXPECT_EQ(scelti(Campo(s("Lungo")).in({Valore(2.0), Valore(), Valore::valuta(10000)})),
              (std::vector<Valore>{Valore(1), Valore(2)}));
    EXPECT_EQ(scelti(Campo(s("Testo")).in({Valore(u"2"), Valore()})),
              std::vector<Valore>{Valore(2)});
    EXPECT_TRUE(scelti(Campo(s("Lungo")).in({})).empty());
    EXPECT_TRUE(
        erroreLettura(s("Tipi"), Campo(s("Lungo")).in({Valore(u"1")})).contains(u"il campo Lungo"));
    EXPECT_TRUE(erroreLettura(s("Tipi"), Campo(s("Testo")).in({Valore(u"1"), Valore(2)}))
                    .contains(u"il campo Testo"));
    EXPECT_TRUE(erroreLettura(s("Tipi"), Campo(s("Lungo")).in({}, GenereCampo::Testo))
                    .contains(u"il campo Lungo"));
    EXPECT_TRUE(scelti(Campo(s("Lungo")).in({}, GenereCampo::Numero)).empty());

    Database archivio = DBEngine::istanza().OpenDatabase(s("Tipi.mdb"));
    const auto dentro = [&](const char* campo, const char* campoInterno,
                            std::optional<Criterio> doveInterno) {
        return archivio.OpenRecordset(
            Selezione{s("Tipi"), std::nullopt,
                      Selezione::In{s(campo), s("Tipi.mdb"), s("Chiavi"), s(campoInterno),
                                    std::move(doveInterno)}});
    };
    EXPECT_EQ(dentro("Lungo", "Numero", std::nullopt).RecordCount(), 1u);
    EXPECT_EQ(dentro("Testo", "Codice", std::nullopt).RecordCount(), 1u);
    // Text keys against a number field: refused, even when the inner
    // selection keeps no key at all.
    EXPECT_TRUE(erroreDi([&] {
                    (void)dentro("Lungo", "Codice", std::nullopt);
                }).contains(u"il campo Lungo"));
    EXPECT_TRUE(erroreDi([&] {
                    (void)dentro("Lungo", "Codice", Campo(s("Numero")) == Valore(99));
                }).contains(u"il campo Lungo"));
    EXPECT_TRUE(erroreDi([&] {
                    (void)dentro("Testo", "Numero", Campo(s("Numero")) == Valore(99));
                }).contains(u"il campo Testo"));
    archivio.Close();
}

// Tables built in memory may give their fields' kinds or not: without them
// nothing is checked and a comparison of other kinds is false, as before.
TEST(TipiCampiInMemoria, SoloICampiDiGenereNoto) {
    auto t = std::make_shared<Tabella>();
    t->nome = s("Camere");
    t->campi = {s("NumeroHotel"), s("NumeroCamera"), s("Note")};
    t->righe = {{Valore(1), Valore(u"101"), Valore()}, {Valore(u"2"), Valore(102), Valore()}};
    t->generi = {GenereCampo::Numero, GenereCampo::Testo};
    Recordset camere(t);
    EXPECT_EQ(erroreDi([&] { camere.FindFirst(Campo(s("NumeroHotel")) == Valore(u"1")); }),
              s("Tipo di dati non corrispondente: il campo NumeroHotel della tabella Camere "
                "contiene numeri "
                "ed è confrontato con un testo"));
    EXPECT_TRUE(erroreDi([&] {
                    camere.FindFirst(Campo(s("NumeroCamera")) == Valore(101));
                }).contains(u"NumeroCamera"));
    camere.FindFirst(Campo(s("Note")) == Valore(1) || Campo(s("Note")) == Valore(u"1"));
    EXPECT_TRUE(camere.NoMatch());
    camere.FindFirst(Campo(s("NumeroHotel")) == Valore(2.0));
    EXPECT_TRUE(camere.NoMatch()); // the text "2" in a number field matches no number
    camere.FindFirst(Campo(s("NumeroHotel")) == Valore::valuta(10000));
    EXPECT_EQ(camere.Campo(s("NumeroCamera")), Valore(u"101"));

    // A field the caller compares record by record is checked the same way.
    EXPECT_EQ(camere.IndiceCampo(s("NumeroCamera"), GenereCampo::Testo), 1);
    EXPECT_EQ(camere.IndiceCampo(s("Note"), GenereCampo::Binario), 2);
    EXPECT_EQ(camere.IndiceCampo(s("NumeroHotel"), GenereCampo::Ignoto), 0);
    EXPECT_TRUE(erroreDi([&] {
                    (void)camere.IndiceCampo(s("NumeroCamera"), GenereCampo::Numero);
                }).contains(u"il campo NumeroCamera della tabella Camere contiene testo"));
    camere.Close();
    EXPECT_TRUE(erroreDi([&] {
                    camere.FindFirst(Campo(s("NumeroHotel")) == Valore(u"1"));
                }).contains(u"NumeroHotel"));
}
