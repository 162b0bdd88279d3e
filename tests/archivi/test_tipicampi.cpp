// Comparisons between kinds Jet cannot compare: a text or memo field with a
// number, a numeric or date field with a text, binary data with anything.
// Jet refuses such a search ("data type mismatch"); the layer raises
// an archive Errore naming the field, the table, the file and both kinds,
// decided from the column types before any row is read. Null values, NaNs
// and numbers of different kinds keep comparing as before.

#include "prove/archivi/StampaValore.h"
#include "prove/util/CartellaDiProva.h"
#include "prove/util/StampaQString.h"

#include "archivi/DBEngine.h"
#include "archivi/Database.h"
#include "archivi/FileJet.h"
#include "mdbwriter/ScrittoreMdb.h"
#include "routines/Errore.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

QString daUtf8(const char* testo) {
    return QString::fromUtf8(testo);
}

// The message of the archive Errore that `lavoro` raises; empty when none.
template <typename F> QString erroreDi(F lavoro) {
    try {
        lavoro();
    } catch (const Errore& errore) {
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
        TabellaMdb& t = scrittore.tabella(QStringLiteral("Tipi"));
        t.colonna(QStringLiteral("Testo"), TipoJet::Testo, 20)
            .colonna(QStringLiteral("Memo"), TipoJet::Memo)
            .colonna(QStringLiteral("Lungo"), TipoJet::Lungo)
            .colonna(QStringLiteral("Doppio"), TipoJet::Doppio)
            .colonna(QStringLiteral("Valuta"), TipoJet::Valuta)
            .colonna(QStringLiteral("Data"), TipoJet::DataOra)
            .colonna(QStringLiteral("SiNo"), TipoJet::Booleano)
            .colonna(QStringLiteral("Binario"), TipoJet::Binario, 10)
            .colonna(QStringLiteral("Ole"), TipoJet::Ole)
            .colonna(QStringLiteral("SempreNullo"), TipoJet::Testo, 10);
        t.riga({Valore(u"1"), Valore(u"uno"), Valore(1), Valore(1.0), Valore::valuta(10000),
                Valore::dataOra(1.0), Valore(-1), Valore::binario("\x01"), Valore::binario("\x01"),
                Valore()});
        t.riga({Valore(u"2"), Valore(u"due"), Valore(2), Valore(std::nan("")),
                Valore::valuta(25000), Valore::dataOra(2.5), Valore(0), Valore::binario("\x02"),
                Valore(), Valore()});
        TabellaMdb& chiavi = scrittore.tabella(QStringLiteral("Chiavi"));
        chiavi.colonna(QStringLiteral("Codice"), TipoJet::Testo, 10)
            .colonna(QStringLiteral("Numero"), TipoJet::Intero);
        chiavi.riga({Valore(u"1"), Valore(1)});
        scrittore.tabella(QStringLiteral("Vuota"))
            .colonna(QStringLiteral("Codice"), TipoJet::Testo, 10)
            .colonna(QStringLiteral("Numero"), TipoJet::Lungo);
        scrittore.salva(cartella_.percorso(QStringLiteral("Tipi.mdb")));
    }

    // The records a selection of Tipi gives, by the field Lungo.
    std::vector<Valore> scelti(const Criterio& dove) const {
        std::vector<Valore> lunghi;
        const Tabella letta = FileJet(cartella_.percorso(QStringLiteral("Tipi.mdb")))
                                  .leggi(QStringLiteral("Tipi"), &dove);
        for (const auto& riga : letta.righe)
            lunghi.push_back(riga[2]);
        return lunghi;
    }

    QString erroreLettura(const QString& tabella, const Criterio& dove) const {
        return erroreDi([&] {
            (void)FileJet(cartella_.percorso(QStringLiteral("Tipi.mdb"))).leggi(tabella, &dove);
        });
    }

    CartellaDiProva cartella_;
};

} // namespace

TEST_F(TipiCampi, ConfrontiTraGeneriDiversiRifiutati) {
    EXPECT_EQ(
        erroreLettura(QStringLiteral("Tipi"), Campo(QStringLiteral("Testo")) == Valore(1)),
        QStringLiteral(
            "Tipo di dati non corrispondente: il campo Testo della tabella Tipi dell'archivio "
            "Tipi.mdb "
            "contiene testo ed è confrontato con un numero"));
    struct Caso {
        Criterio dove;
        const char* campo;
        const char* contenuto;
        const char* confrontato;
    };
    const std::vector<Caso> casi = {
        {Campo(QStringLiteral("Memo")) >= Valore(0.5), "Memo", "contiene testo", "con un numero"},
        {Campo(QStringLiteral("Testo")) == Valore::valuta(10000), "Testo", "contiene testo",
         "con un numero"},
        {Campo(QStringLiteral("Testo")) < Valore::dataOra(3), "Testo", "contiene testo",
         "con un numero"},
        {Campo(QStringLiteral("Lungo")) == Valore(u"1"), "Lungo", "contiene numeri",
         "con un testo"},
        {Campo(QStringLiteral("Doppio")) != Valore(u"x"), "Doppio", "contiene numeri",
         "con un testo"},
        {Campo(QStringLiteral("Valuta")) > Valore(u""), "Valuta", "contiene numeri",
         "con un testo"},
        {Campo(QStringLiteral("Data")) <= Valore(u"20260107"), "Data", "contiene numeri",
         "con un testo"},
        {Campo(QStringLiteral("SiNo")) == Valore(u"S"), "SiNo", "contiene numeri", "con un testo"},
        {Campo(QStringLiteral("Binario")) == Valore::binario("\x01"), "Binario",
         "contiene dati binari", "con dati binari"},
        {Campo(QStringLiteral("Binario")) == Valore(1), "Binario", "contiene dati binari",
         "con un numero"},
        {Campo(QStringLiteral("Ole")) == Valore(u"x"), "Ole", "contiene dati binari",
         "con un testo"},
        {Campo(QStringLiteral("Testo")) == Valore::binario("1"), "Testo", "contiene testo",
         "con dati binari"},
        // The part that would match does not hide the refused one, in
        // either order: the condition is refused as a whole.
        {Campo(QStringLiteral("Lungo")) == Valore(1) || Campo(QStringLiteral("Testo")) == Valore(1),
         "Testo", "contiene testo", "con un numero"},
        {Campo(QStringLiteral("Lungo")) == Valore(u"1") &&
             Campo(QStringLiteral("Testo")) == Valore(u"1"),
         "Lungo", "contiene numeri", "con un testo"},
    };
    Database archivio = DBEngine::istanza().OpenDatabase(QStringLiteral("Tipi.mdb"));
    Recordset tutti = archivio.OpenRecordset(QStringLiteral("Tipi"));
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.campo);
        const QString letto = erroreLettura(QStringLiteral("Tipi"), caso.dove);
        EXPECT_TRUE(letto.startsWith(
            QStringLiteral("Tipo di dati non corrispondente: il campo %1 della tabella Tipi "
                           "dell'archivio Tipi.mdb ")
                .arg(daUtf8(caso.campo))))
            << letto.toStdString();
        EXPECT_TRUE(letto.contains(daUtf8(caso.contenuto)) &&
                    letto.endsWith(daUtf8(caso.confrontato)))
            << letto.toStdString();
        // The same search on the whole table's record set, and on a sorted
        // copy of it, is refused with the same message.
        EXPECT_EQ(erroreDi([&] { tutti.FindFirst(caso.dove); }), letto);
        tutti.setSort(QStringLiteral("[Lungo] DESC"));
        Recordset ordinati = tutti.OpenRecordset();
        EXPECT_EQ(erroreDi([&] { ordinati.FindNext(caso.dove); }), letto);
    }
    archivio.Close();
}

// The check reads the column types, not the values: it comes for a table
// without rows and for a field that is null in every row. A null value is
// compared with nothing and is never an error.
TEST_F(TipiCampi, TabellaVuotaCampoNulloEValoreNullo) {
    EXPECT_TRUE(erroreLettura(QStringLiteral("Vuota"), Campo(QStringLiteral("Codice")) == Valore(1))
                    .contains(u"il campo Codice della tabella Vuota"));
    EXPECT_TRUE(
        erroreLettura(QStringLiteral("Vuota"), Campo(QStringLiteral("Numero")) >= Valore(u"1"))
            .contains(u"il campo Numero"));
    EXPECT_TRUE(
        erroreLettura(QStringLiteral("Tipi"), Campo(QStringLiteral("SempreNullo")) == Valore(0))
            .contains(u"il campo SempreNullo"));
    EXPECT_TRUE(scelti(Campo(QStringLiteral("SempreNullo")) == Valore(u"")).empty());
    for (const char* campo : {"Testo", "Lungo", "Binario", "SempreNullo"}) {
        SCOPED_TRACE(campo);
        EXPECT_TRUE(scelti(Campo(daUtf8(campo)) == Valore()).empty());
        EXPECT_TRUE(scelti(Campo(daUtf8(campo)) != Valore()).empty());
        EXPECT_TRUE(scelti(Campo(daUtf8(campo)).in({Valore(), Valore()})).empty());
    }
    Database archivio = DBEngine::istanza().OpenDatabase(QStringLiteral("Tipi.mdb"));
    Recordset vuota = archivio.OpenRecordset(QStringLiteral("Vuota"));
    EXPECT_TRUE(erroreDi([&] {
                    vuota.FindFirst(Campo(QStringLiteral("Numero")) == Valore(u"7"));
                }).contains(u"il campo Numero"));
    vuota.FindFirst(Campo(QStringLiteral("Numero")) == Valore(7) &&
                    Campo(QStringLiteral("Codice")) == Valore());
    EXPECT_TRUE(vuota.NoMatch());
    archivio.Close();
}

// Whole numbers, reals, currency, dates and booleans compare with each
// other by value; texts with texts by character code; a NaN matches nothing.
TEST_F(TipiCampi, NumeriDiOgniGenereETesti) {
    EXPECT_EQ(scelti(Campo(QStringLiteral("Lungo")) == Valore(2.0)),
              std::vector<Valore>{Valore(2)});
    EXPECT_EQ(scelti(Campo(QStringLiteral("Doppio")) == Valore(1)), std::vector<Valore>{Valore(1)});
    EXPECT_EQ(scelti(Campo(QStringLiteral("Valuta")) > Valore(2)), std::vector<Valore>{Valore(2)});
    EXPECT_EQ(scelti(Campo(QStringLiteral("Valuta")) == Valore(2.5)),
              std::vector<Valore>{Valore(2)});
    EXPECT_EQ(scelti(Campo(QStringLiteral("Data")) < Valore::valuta(20000)),
              std::vector<Valore>{Valore(1)});
    EXPECT_EQ(scelti(Campo(QStringLiteral("Data")) == Valore(2.5)), std::vector<Valore>{Valore(2)});
    EXPECT_EQ(scelti(Campo(QStringLiteral("SiNo")) == Valore(-1)), std::vector<Valore>{Valore(1)});
    EXPECT_EQ(scelti(Campo(QStringLiteral("Lungo")) < Valore::dataOra(1.5)),
              std::vector<Valore>{Valore(1)});
    // NaN in the field or in the value: the comparison is false, not an error.
    EXPECT_EQ(scelti(Campo(QStringLiteral("Doppio")) != Valore(5)), std::vector<Valore>{Valore(1)});
    EXPECT_TRUE(scelti(Campo(QStringLiteral("Lungo")) == Valore(std::nan(""))).empty());
    EXPECT_EQ(scelti(Campo(QStringLiteral("Testo")) > Valore(u"1")),
              std::vector<Valore>{Valore(2)});
    EXPECT_EQ(scelti(Campo(QStringLiteral("Memo")) == Valore(u"due")),
              std::vector<Valore>{Valore(2)});
}

// An "in" list is checked for each kind of value it holds; the key field of
// an inner selection is checked by its own column type, values or not.
TEST_F(TipiCampi, InsiemiIn) {
    EXPECT_EQ(
        scelti(Campo(QStringLiteral("Lungo")).in({Valore(2.0), Valore(), Valore::valuta(10000)})),
        (std::vector<Valore>{Valore(1), Valore(2)}));
    EXPECT_EQ(scelti(Campo(QStringLiteral("Testo")).in({Valore(u"2"), Valore()})),
              std::vector<Valore>{Valore(2)});
    EXPECT_TRUE(scelti(Campo(QStringLiteral("Lungo")).in({})).empty());
    EXPECT_TRUE(
        erroreLettura(QStringLiteral("Tipi"), Campo(QStringLiteral("Lungo")).in({Valore(u"1")}))
            .contains(u"il campo Lungo"));
    EXPECT_TRUE(erroreLettura(QStringLiteral("Tipi"),
                              Campo(QStringLiteral("Testo")).in({Valore(u"1"), Valore(2)}))
                    .contains(u"il campo Testo"));
    EXPECT_TRUE(erroreLettura(QStringLiteral("Tipi"),
                              Campo(QStringLiteral("Lungo")).in({}, GenereCampo::Testo))
                    .contains(u"il campo Lungo"));
    EXPECT_TRUE(scelti(Campo(QStringLiteral("Lungo")).in({}, GenereCampo::Numero)).empty());

    Database archivio = DBEngine::istanza().OpenDatabase(QStringLiteral("Tipi.mdb"));
    const auto dentro = [&](const char* campo, const char* campoInterno,
                            std::optional<Criterio> doveInterno) {
        return archivio.OpenRecordset(Selezione{
            QStringLiteral("Tipi"), std::nullopt,
            Selezione::In{daUtf8(campo), QStringLiteral("Tipi.mdb"), QStringLiteral("Chiavi"),
                          daUtf8(campoInterno), std::move(doveInterno)}});
    };
    EXPECT_EQ(dentro("Lungo", "Numero", std::nullopt).RecordCount(), 1u);
    EXPECT_EQ(dentro("Testo", "Codice", std::nullopt).RecordCount(), 1u);
    // Text keys against a number field: refused, even when the inner
    // selection keeps no key at all.
    EXPECT_TRUE(erroreDi([&] {
                    (void)dentro("Lungo", "Codice", std::nullopt);
                }).contains(u"il campo Lungo"));
    EXPECT_TRUE(erroreDi([&] {
                    (void)dentro("Lungo", "Codice", Campo(QStringLiteral("Numero")) == Valore(99));
                }).contains(u"il campo Lungo"));
    EXPECT_TRUE(erroreDi([&] {
                    (void)dentro("Testo", "Numero", Campo(QStringLiteral("Numero")) == Valore(99));
                }).contains(u"il campo Testo"));
    archivio.Close();
}

// Tables built in memory may give their fields' kinds or not: without them
// nothing is checked and a comparison of other kinds is false, as before.
TEST(TipiCampiInMemoria, SoloICampiDiGenereNoto) {
    auto t = std::make_shared<Tabella>();
    t->nome = QStringLiteral("Camere");
    t->campi = {QStringLiteral("NumeroHotel"), QStringLiteral("NumeroCamera"),
                QStringLiteral("Note")};
    t->righe = {{Valore(1), Valore(u"101"), Valore()}, {Valore(u"2"), Valore(102), Valore()}};
    t->generi = {GenereCampo::Numero, GenereCampo::Testo};
    Recordset camere(t);
    EXPECT_EQ(
        erroreDi([&] { camere.FindFirst(Campo(QStringLiteral("NumeroHotel")) == Valore(u"1")); }),
        QStringLiteral("Tipo di dati non corrispondente: il campo NumeroHotel della tabella Camere "
                       "contiene numeri "
                       "ed è confrontato con un testo"));
    EXPECT_TRUE(erroreDi([&] {
                    camere.FindFirst(Campo(QStringLiteral("NumeroCamera")) == Valore(101));
                }).contains(u"NumeroCamera"));
    camere.FindFirst(Campo(QStringLiteral("Note")) == Valore(1) ||
                     Campo(QStringLiteral("Note")) == Valore(u"1"));
    EXPECT_TRUE(camere.NoMatch());
    camere.FindFirst(Campo(QStringLiteral("NumeroHotel")) == Valore(2.0));
    EXPECT_TRUE(camere.NoMatch()); // the text "2" in a number field matches no number
    camere.FindFirst(Campo(QStringLiteral("NumeroHotel")) == Valore::valuta(10000));
    EXPECT_EQ(camere.Campo(QStringLiteral("NumeroCamera")), Valore(u"101"));

    // A field the caller compares record by record is checked the same way.
    EXPECT_EQ(camere.IndiceCampo(QStringLiteral("NumeroCamera"), GenereCampo::Testo), 1);
    EXPECT_EQ(camere.IndiceCampo(QStringLiteral("Note"), GenereCampo::Binario), 2);
    EXPECT_EQ(camere.IndiceCampo(QStringLiteral("NumeroHotel"), GenereCampo::Ignoto), 0);
    EXPECT_TRUE(erroreDi([&] {
                    (void)camere.IndiceCampo(QStringLiteral("NumeroCamera"), GenereCampo::Numero);
                }).contains(u"il campo NumeroCamera della tabella Camere contiene testo"));
    camere.Close();
    EXPECT_TRUE(erroreDi([&] {
                    camere.FindFirst(Campo(QStringLiteral("NumeroHotel")) == Valore(u"1"));
                }).contains(u"NumeroHotel"));
}
