// A read's condition is tested on the stored bytes of the fields it names,
// before a row is decoded. The rows it keeps must be exactly those that the
// same condition keeps on the decoded values: texts stored compressed or in
// full (and switching between one and two bytes a character), characters
// whose order a byte comparison could get wrong, empty texts and nulls,
// whole numbers at the edges of their types against values of every numeric
// kind, "in" lists, and conditions joined by and / or.

#include "prove/archivi/StampaValore.h"
#include "prove/util/CartellaDiProva.h"

#include "archivi/Criterio.h"
#include "archivi/FileJet.h"
#include "mdbwriter/ScrittoreMdb.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <random>
#include <sstream>

namespace {

QString s(const char* testo) {
    return QString::fromUtf8(testo);
}

// Around the edges of the orders a comparison of stored bytes could get
// wrong: digits and letters, Latin-1 letters kept in one byte when
// compressed, characters above 0xFF (two bytes, a switch when compressed)
// including one whose low byte is zero (a text holding it is never
// compressed), the private-use area and the end of the plane against a
// surrogate pair, which sorts by its code units.
const std::vector<QString> kPezzi = {s("0"),
                                     s("1"),
                                     s("9"),
                                     s("A"),
                                     s("Z"),
                                     s("a"),
                                     s("z"),
                                     s(" "),
                                     s("ä"),
                                     s("ÿ"),
                                     s("Ā"),
                                     s("Ł"),
                                     s("€"),
                                     QString(QChar(0xE000)),
                                     QString(QChar(0xFFFD)),
                                     s("😀")};

const std::vector<Confronto> kConfronti = {Confronto::Uguale,   Confronto::Diverso,
                                           Confronto::Minore,   Confronto::MinoreUguale,
                                           Confronto::Maggiore, Confronto::MaggioreUguale};

// Columns in this order in both tables.
const std::vector<const char*> kCampi = {"Testo",  "Memo",   "Byte", "Intero", "Lungo",
                                         "Doppio", "Valuta", "Data", "SiNo"};

class FiltroSuiByte : public ::testing::Test {
  protected:
    FiltroSuiByte() {
        std::mt19937 caso(25);
        const auto testo = [&]() -> Valore {
            const auto quanti = caso() % 7;
            if (quanti == 6)
                return {};
            QString t;
            for (unsigned i = 0; i < quanti; ++i)
                t += kPezzi[caso() % kPezzi.size()];
            return t;
        };
        const auto tra = [&](std::vector<Valore> valori) { return valori[caso() % valori.size()]; };
        for (int r = 0; r < 80; ++r) {
            righe_.push_back(
                {testo(), testo(), tra({Valore(), 0, 1, 127, 128, 255}),
                 tra({Valore(), 0, -1, 1, -32768, 32767, 2}),
                 tra({Valore(), 0, -1, 2, std::numeric_limits<std::int32_t>::min(),
                      std::numeric_limits<std::int32_t>::max(), 20260105}),
                 tra({Valore(), 0.0, -0.5, 2.0, 2.5, 1e300}),
                 tra({Valore(), Valore::valuta(0), Valore::valuta(20000), Valore::valuta(-5)}),
                 tra({Valore(), Valore::dataOra(0.0), Valore::dataOra(46027.5),
                      Valore::dataOra(-1.25)}),
                 tra({0, -1})});
        }
        // Every kind of value a field is compared with, beyond its own.
        altri_ = {Valore(),
                  Valore(2.0),
                  Valore(2.5),
                  Valore(-1),
                  Valore(std::nan("")),
                  Valore::valuta(20000),
                  Valore::dataOra(2.0),
                  Valore(std::int64_t{1} << 40)};

        ScrittoreMdb scrittore;
        for (const char* nome : {"Compressa", "Piena"}) {
            TabellaMdb& t = scrittore.tabella(s(nome));
            t.testoCompresso(std::string(nome) == "Compressa")
                .colonna(s("Testo"), TipoJet::Testo, 40)
                .colonna(s("Memo"), TipoJet::Memo)
                .colonna(s("Byte"), TipoJet::Byte)
                .colonna(s("Intero"), TipoJet::Intero)
                .colonna(s("Lungo"), TipoJet::Lungo)
                .colonna(s("Doppio"), TipoJet::Doppio)
                .colonna(s("Valuta"), TipoJet::Valuta)
                .colonna(s("Data"), TipoJet::DataOra)
                .colonna(s("SiNo"), TipoJet::Booleano);
            for (const auto& riga : righe_)
                t.riga(riga);
        }
        ScriviARiposo(cartella_.percorso(s("Filtro.mdb")), scrittore.contenuto());
        file_.emplace(cartella_.percorso(s("Filtro.mdb")));
        tutte_ = file_->leggi(s("Compressa"));
    }

    // The condition applied while reading against the same condition on
    // the values of the whole table read.
    void verifica(const Criterio& dove, const std::string& descrizione) {
        std::vector<std::size_t> colonne;
        for (const QString& campo : dove.campi())
            colonne.push_back(static_cast<std::size_t>(tutte_.indiceCampo(campo)));
        std::vector<std::vector<Valore>> attese;
        for (const auto& riga : tutte_.righe) {
            if (dove.vale([&](std::size_t i) -> const Valore& { return riga[colonne[i]]; }))
                attese.push_back(riga);
        }
        for (const char* tabella : {"Compressa", "Piena"})
            EXPECT_EQ(file_->leggi(s(tabella), &dove).righe, attese)
                << tabella << ": " << descrizione;
    }

    // The values a field of column `c` is compared with: those the rows
    // hold there, and for numbers every other kind.
    std::vector<Valore> valoriPer(std::size_t c) const {
        std::vector<Valore> valori;
        for (const auto& riga : righe_) {
            if (std::find(valori.begin(), valori.end(), riga[c]) == valori.end())
                valori.push_back(riga[c]);
        }
        if (c >= 2)
            valori.insert(valori.end(), altri_.begin(), altri_.end());
        else
            valori.push_back(s("€€€€€€€€€€"));
        return valori;
    }

    static std::string descrivi(const char* campo, Confronto confronto, const Valore& valore) {
        std::ostringstream testo;
        testo << campo << " confronto " << static_cast<int>(confronto) << " con ";
        PrintTo(valore, &testo);
        return testo.str();
    }

    CartellaDiProva cartella_;
    std::vector<std::vector<Valore>> righe_;
    std::vector<Valore> altri_;
    std::optional<FileJet> file_;
    Tabella tutte_;
};

} // namespace

TEST_F(FiltroSuiByte, OgniConfrontoComeSuiValoriDecodificati) {
    ASSERT_EQ(tutte_.righe, righe_);
    for (std::size_t c = 0; c < kCampi.size(); ++c) {
        for (const Valore& valore : valoriPer(c)) {
            for (const Confronto confronto : kConfronti)
                verifica(Criterio(s(kCampi[c]), confronto, valore),
                         descrivi(kCampi[c], confronto, valore));
        }
    }
}

TEST_F(FiltroSuiByte, ListeInECondizioniComposte) {
    std::mt19937 caso(52);
    const auto alcuni = [&](std::size_t c) {
        std::vector<Valore> scelti;
        for (const Valore& v : valoriPer(c)) {
            if (caso() % 3 == 0)
                scelti.push_back(v);
        }
        return scelti;
    };
    for (int prova = 0; prova < 60; ++prova) {
        const std::size_t c = caso() % kCampi.size();
        verifica(Campo(s(kCampi[c])).in(alcuni(c)), std::string(kCampi[c]) + " in una lista");
    }
    const auto unConfronto = [&](std::string& descrizione) {
        const std::size_t c = caso() % kCampi.size();
        const std::vector<Valore> valori = valoriPer(c);
        const Valore valore = valori[caso() % valori.size()];
        const Confronto confronto = kConfronti[caso() % kConfronti.size()];
        descrizione += "(" + descrivi(kCampi[c], confronto, valore) + ")";
        return Criterio(s(kCampi[c]), confronto, valore);
    };
    for (int prova = 0; prova < 80; ++prova) {
        std::string descrizione;
        Criterio dove = unConfronto(descrizione);
        for (int altri = 0; altri < 3; ++altri) {
            const bool e = caso() % 2 == 0;
            descrizione += e ? " e " : " o ";
            dove = e ? dove && unConfronto(descrizione) : dove || unConfronto(descrizione);
        }
        verifica(dove, descrizione);
    }
}
