// The demo databases: complete, consistent with one another, covering the
// cases the program has to handle, and the same for the same seed and day.
#include "prove/tools/StrumentiMdb.h"

#include "archivi/DBEngine.h"
#include "demo/GeneraDemo.h"
#include "prove/util/CartellaDiProva.h"
#include "prove/util/StampaQString.h"
#include "routines/Errore.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

using Riga = std::map<QString, Valore>;

std::vector<Riga> Leggi(const QString& file, const QString& tabella) {
    const Recordset rs = DBEngine::istanza().OpenDatabase(file).OpenRecordset(tabella);
    std::vector<Riga> righe(rs.RecordCount());
    // Every field any test reads; a table lacking one just skips it.
    static const QStringList campi = {"NumeroHotel",
                                      "Numero",
                                      "Codice",
                                      "Descrizione",
                                      "NumeroTableau",
                                      "NumeroCamera",
                                      "TipoCamera",
                                      "Sigla",
                                      "Tipologia",
                                      "NumeroPrenotazione",
                                      "TipoPrenotazione",
                                      "DataArrivo",
                                      "DataPartenza",
                                      "NumeroPersone",
                                      "Partito",
                                      "NumeroComponente",
                                      "NumeroProgressivo",
                                      "NomeCliente",
                                      "Ditta",
                                      "CodiceCliente",
                                      "RagioneSociale",
                                      "Destinazione",
                                      "TipoStampa",
                                      "Linea",
                                      "Compresso",
                                      "Grassetto",
                                      "LungPagComp",
                                      "LungPagNoComp"};
    for (const QString& campo : campi) {
        int indice = -1;
        try {
            indice = rs.IndiceCampo(campo);
        } catch (const Errore&) {
            continue;
        }
        for (std::size_t i = 0; i < righe.size(); ++i)
            righe[i][campo] = rs.valore(i, indice);
    }
    return righe;
}

QString T(const Riga& r, const char* campo) {
    return r.at(campo).testo();
}
std::int64_t N(const Riga& r, const char* campo) {
    return r.at(campo).intero();
}

OpzioniDemo Opzioni(const QString& cartella, std::uint64_t seme = 7,
                    QDate giorno = QDate(2026, 7, 15)) {
    OpzioniDemo o;
    o.cartella = cartella;
    o.riferimento = giorno;
    o.seme = seme;
    return o;
}

class GeneraDemoTest : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        cartella_ = new CartellaDiProva;
        GeneraDemo(Opzioni(cartella_->percorso()));
    }
    static void TearDownTestSuite() { delete cartella_; }
    static CartellaDiProva* cartella_;
};
CartellaDiProva* GeneraDemoTest::cartella_ = nullptr;

const QString kGiorno = "20260715";

} // namespace

TEST_F(GeneraDemoTest, OgniArchivioConLeSueTabelle) {
    const std::map<QString, QStringList> attese = {
        {"AnagraficaHotels.mdb", {"AnagraficaHotels"}},
        {"Tableau.mdb", {"Tableau"}},
        {"NumeriCamere.mdb", {"NumeriCamere"}},
        {"TipiCamere.mdb", {"TipiCamere"}},
        {"Camere_Prenotazione.mdb", {"Camere_Prenotazione"}},
        {"Scheda_Prenotazione.mdb", {"Scheda_Prenotazione"}},
        {"Scheda_Cliente.mdb", {"Scheda_Cliente"}},
        {"Ditta_Intestataria.mdb", {"Ditta_Intestataria"}},
        {"Stampanti.mdb", {"Stampanti", "SetStampa"}},
        {"Contatori.mdb", {"Contatori"}}};
    QStringList file = QDir(cartella_->percorso()).entryList({"*.mdb"}, QDir::Files, QDir::Name);
    QStringList nomi;
    for (const auto& [nome, tabelle] : attese) {
        nomi << nome;
        EXPECT_EQ(TabelleMdb(cartella_->percorso(nome)), tabelle) << nome.toStdString();
        for (const QString& t : tabelle)
            EXPECT_EQ(
                ContaMdb(cartella_->percorso(nome), t),
                static_cast<long long>(EsportaMdb(cartella_->percorso(nome), t).righe.size()));
    }
    nomi.sort();
    EXPECT_EQ(file, nomi);
}

TEST_F(GeneraDemoTest, AlberghiTableauECamere) {
    std::map<std::int64_t, QString> alberghi;
    for (const Riga& r : Leggi("AnagraficaHotels.mdb", "AnagraficaHotels"))
        alberghi[N(r, "Numero")] = T(r, "RagioneSociale");
    EXPECT_EQ(alberghi.size(), 3u);
    EXPECT_TRUE(alberghi.count(0) && alberghi.count(1) && alberghi.count(2));

    std::map<std::int64_t, std::set<std::int64_t>> tableau;
    bool codiceZero = false;
    for (const Riga& r : Leggi("Tableau.mdb", "Tableau")) {
        codiceZero |= N(r, "NumeroHotel") == 1 && N(r, "Codice") == 0;
        if (N(r, "Codice") > 0)
            tableau[N(r, "NumeroHotel")].insert(N(r, "Codice"));
    }
    EXPECT_TRUE(codiceZero);
    EXPECT_GE(tableau[1].size(), 2u);
    EXPECT_GE(tableau[2].size(), 2u);

    std::map<QString, QString> tipologia;
    for (const Riga& r : Leggi("TipiCamere.mdb", "TipiCamere"))
        tipologia[T(r, "Sigla")] = T(r, "Tipologia");
    std::set<QString> tipologie;
    for (const auto& [sigla, t] : tipologia)
        tipologie.insert(t);
    EXPECT_EQ(tipologie, (std::set<QString>{"A", "C", "S"}));

    const std::vector<Riga> camere = Leggi("NumeriCamere.mdb", "NumeriCamere");
    EXPECT_GE(camere.size(), 55u);
    EXPECT_LE(camere.size(), 70u);
    std::map<std::pair<std::int64_t, std::int64_t>, int> stanzeC;
    std::set<std::pair<std::int64_t, QString>> numeri;
    bool novantanove = false;
    for (const Riga& r : camere) {
        ASSERT_TRUE(tipologia.count(T(r, "TipoCamera"))) << T(r, "TipoCamera").toStdString();
        EXPECT_TRUE(tableau[N(r, "NumeroHotel")].count(N(r, "NumeroTableau")));
        EXPECT_TRUE(numeri.insert({N(r, "NumeroHotel"), T(r, "NumeroCamera")}).second)
            << "room listed twice";
        stanzeC[{N(r, "NumeroHotel"), N(r, "NumeroTableau")}] +=
            tipologia[T(r, "TipoCamera")] == "C";
        novantanove |= T(r, "NumeroCamera") == "99" && N(r, "NumeroHotel") == 1;
    }
    EXPECT_TRUE(novantanove) << "room 99 sorts after 101..120 as text";
    EXPECT_TRUE(std::any_of(stanzeC.begin(), stanzeC.end(), [](const auto& t) {
        return t.second == 0;
    })) << "a tableau without bedrooms";
}

TEST_F(GeneraDemoTest, OspitiCoerentiEAttualiNellaSettimana) {
    std::set<std::pair<std::int64_t, QString>> camere;
    for (const Riga& r : Leggi("NumeriCamere.mdb", "NumeriCamere"))
        camere.insert({N(r, "NumeroHotel"), T(r, "NumeroCamera")});
    const std::vector<Riga> ospiti = Leggi("Scheda_Cliente.mdb", "Scheda_Cliente");
    ASSERT_GT(ospiti.size(), 1000u);
    std::set<QString> partito;
    std::set<std::pair<std::int64_t, std::int64_t>> progressivi;
    std::map<std::int64_t, int> presenti;
    bool componenti = false;
    for (const Riga& r : ospiti) {
        EXPECT_TRUE(camere.count({N(r, "NumeroHotel"), T(r, "NumeroCamera")}));
        EXPECT_EQ(T(r, "DataArrivo").size(), 8);
        EXPECT_LT(T(r, "DataArrivo"), T(r, "DataPartenza"));
        EXPECT_LE(T(r, "DataArrivo"), kGiorno) << "guests are registered up to the day, not beyond";
        EXPECT_FALSE(T(r, "NomeCliente").isEmpty());
        partito.insert(r.at("Partito").nullo() ? QString("NULL") : T(r, "Partito"));
        componenti |= N(r, "NumeroComponente") > 1;
        EXPECT_TRUE(progressivi.insert({N(r, "NumeroHotel"), N(r, "NumeroProgressivo")}).second);
        if (T(r, "DataArrivo") <= kGiorno && T(r, "DataPartenza") > kGiorno &&
            T(r, "Partito") != "S")
            ++presenti[N(r, "NumeroHotel")];
    }
    EXPECT_EQ(partito, (std::set<QString>{"N", "NULL", "S"}));
    EXPECT_TRUE(componenti);
    EXPECT_GT(presenti[1], 10);
    EXPECT_GT(presenti[2], 3);

    const std::vector<Riga> ditte = Leggi("Ditta_Intestataria.mdb", "Ditta_Intestataria");
    EXPECT_GT(ditte.size(), 100u);
    for (const Riga& r : ditte)
        EXPECT_TRUE(progressivi.count({N(r, "NumeroHotel"), N(r, "CodiceCliente")}))
            << "company of a guest";
}

TEST_F(GeneraDemoTest, PrenotazioniDiOgniTipoSenzaSovrapposizioni) {
    const std::vector<Riga> righe = Leggi("Camere_Prenotazione.mdb", "Camere_Prenotazione");
    std::set<QString> tipi;
    std::map<std::pair<std::int64_t, QString>, std::vector<std::pair<QString, QString>>> perCamera;
    std::map<std::pair<std::int64_t, std::int64_t>, int> stanzePerNumero;
    bool senzaPersone = false;
    for (const Riga& r : righe) {
        tipi.insert(T(r, "TipoPrenotazione"));
        senzaPersone |= N(r, "NumeroPersone") == 0;
        perCamera[{N(r, "NumeroHotel"), T(r, "NumeroCamera")}].push_back(
            {T(r, "DataArrivo"), T(r, "DataPartenza")});
        ++stanzePerNumero[{N(r, "NumeroHotel"), N(r, "NumeroPrenotazione")}];
        EXPECT_GE(T(r, "DataPartenza"), "20260101");
        EXPECT_LE(T(r, "DataArrivo"), "20270131");
    }
    for (const char* tipo : {"C", "O", "D"})
        EXPECT_TRUE(tipi.count(tipo)) << tipo;
    EXPECT_GT(tipi.size(), 3u) << "kinds the tableau ignores";
    EXPECT_TRUE(senzaPersone);
    EXPECT_TRUE(std::any_of(stanzePerNumero.begin(), stanzePerNumero.end(), [](const auto& n) {
        return n.second > 1;
    })) << "a reservation of two rooms";
    for (auto& [camera, periodi] : perCamera) {
        std::sort(periodi.begin(), periodi.end());
        for (std::size_t i = 1; i < periodi.size(); ++i)
            EXPECT_LE(periodi[i - 1].second, periodi[i].first)
                << camera.second.toStdString() << " booked twice";
    }

    std::set<std::pair<std::int64_t, std::int64_t>> schede;
    bool altroTipo = false;
    std::set<QString> ditte;
    for (const Riga& r : Leggi("Scheda_Prenotazione.mdb", "Scheda_Prenotazione")) {
        const std::pair<std::int64_t, std::int64_t> numero{N(r, "NumeroHotel"),
                                                           N(r, "NumeroPrenotazione")};
        EXPECT_TRUE(stanzePerNumero.count(numero)) << "a card without rooms";
        EXPECT_TRUE(schede.insert(numero).second);
        altroTipo |= T(r, "TipoPrenotazione") == "A";
        ditte.insert(r.at("Ditta").nullo() ? QString("NULL") : T(r, "Ditta"));
    }
    EXPECT_LT(schede.size(), stanzePerNumero.size()) << "some reservations have no card";
    EXPECT_TRUE(altroTipo);
    EXPECT_TRUE(ditte.count("NULL"));
    EXPECT_GT(ditte.size(), 5u);
}

TEST_F(GeneraDemoTest, CamereMaiOccupate) {
    std::set<std::pair<std::int64_t, QString>> usate;
    for (const Riga& r : Leggi("Scheda_Cliente.mdb", "Scheda_Cliente"))
        usate.insert({N(r, "NumeroHotel"), T(r, "NumeroCamera")});
    for (const Riga& r : Leggi("Camere_Prenotazione.mdb", "Camere_Prenotazione"))
        usate.insert({N(r, "NumeroHotel"), T(r, "NumeroCamera")});
    std::map<std::int64_t, int> libere;
    for (const Riga& r : Leggi("NumeriCamere.mdb", "NumeriCamere"))
        libere[N(r, "NumeroHotel")] += !usate.count({N(r, "NumeroHotel"), T(r, "NumeroCamera")});
    EXPECT_GE(libere[1], 2);
    EXPECT_GE(libere[2], 1);
}

TEST_F(GeneraDemoTest, ImpostazioniDiStampa) {
    std::map<QString, Riga> destinazioni;
    for (const Riga& r : Leggi("Stampanti.mdb", "Stampanti"))
        destinazioni[T(r, "Destinazione")] = r;
    std::set<std::int64_t> tipi;
    for (const Riga& r : Leggi("Stampanti.mdb", "SetStampa")) {
        tipi.insert(N(r, "TipoStampa"));
        for (const char* campo : {"Compresso", "Grassetto"}) {
            const QString codici = T(r, campo);
            EXPECT_EQ(codici.size(), 36);
            EXPECT_TRUE(
                std::all_of(codici.begin(), codici.end(), [](QChar c) { return c.isDigit(); }));
        }
    }
    for (const char* nome : {"Ufficio", "Archivio PDF", "Stampante PDF"}) {
        ASSERT_TRUE(destinazioni.count(nome)) << nome;
        EXPECT_EQ(N(destinazioni[nome], "NumeroHotel"), 1);
    }
    int soloHotel2 = 0;
    for (const auto& [nome, r] : destinazioni) {
        EXPECT_TRUE(tipi.count(N(r, "TipoStampa"))) << nome.toStdString();
        EXPECT_FALSE(T(r, "Linea").isEmpty());
        soloHotel2 += N(r, "NumeroHotel") == 2;
    }
    EXPECT_EQ(soloHotel2, 1);

    std::map<std::int64_t, std::int64_t> pagina;
    for (const Riga& r : Leggi("Contatori.mdb", "Contatori")) {
        pagina[N(r, "NumeroHotel")] = N(r, "LungPagNoComp");
        EXPECT_GT(N(r, "LungPagComp"), N(r, "LungPagNoComp"));
    }
    EXPECT_EQ(pagina.size(), 2u);
}

TEST(GeneraDemo, StessiDatiPerStessoSemeEGiorno) {
    CartellaDiProva cartella;
    GeneraDemo(Opzioni(cartella.percorso("a")));
    GeneraDemo(Opzioni(cartella.percorso("b")));
    GeneraDemo(Opzioni(cartella.percorso("c"), 8));
    GeneraDemo(Opzioni(cartella.percorso("d"), 7, QDate(2027, 1, 4)));
    for (const QString& f : QDir(cartella.percorso("a")).entryList({"*.mdb"}))
        EXPECT_EQ(cartella.leggi("a/" + f), cartella.leggi("b/" + f)) << f.toStdString();
    EXPECT_NE(cartella.leggi("a/Scheda_Cliente.mdb"), cartella.leggi("c/Scheda_Cliente.mdb"));
    const auto arrivi = [&](const QString& sotto) {
        std::vector<QString> date;
        for (const auto& r :
             EsportaMdb(cartella.percorso(sotto + "/Scheda_Cliente.mdb"), "Scheda_Cliente").righe)
            date.push_back(r.at(2).value_or(QString()));
        return *std::max_element(date.begin(), date.end());
    };
    EXPECT_EQ(arrivi("a"), "20260715");
    EXPECT_EQ(arrivi("d"), "20270104");
}

TEST(GeneraDemo, ScalaPerLeProve) {
    CartellaDiProva cartella;
    OpzioniDemo o = Opzioni(cartella.percorso());
    o.camere = 150;
    o.anni = 3;
    GeneraDemo(o);
    const QString camere = cartella.percorso("NumeriCamere.mdb");
    EXPECT_EQ(ContaMdb(camere, "NumeriCamere"), 150 + 12);
    const Esportazione e = EsportaMdb(cartella.percorso("Scheda_Cliente.mdb"), "Scheda_Cliente");
    std::vector<QString> arrivi;
    for (const auto& r : e.righe)
        arrivi.push_back(*r.at(2));
    std::sort(arrivi.begin(), arrivi.end());
    EXPECT_LE(arrivi.front(), "20240115") << "three years of history";
    EXPECT_GT(e.righe.size(), 150u * 3 * 365 / 7);
    EXPECT_GT(ContaMdb(cartella.percorso("Tableau.mdb"), "Tableau"), 3);
}
