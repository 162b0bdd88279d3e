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
#include "archivi/InsiemeValori.h"
#include "archivi/TestoJet.h"
#include "mdbwriter/ScrittoreMdb.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <random>
#include <sstream>

namespace {

QString daUtf8(const char* testo) {
    return QString::fromUtf8(testo);
}

// Around the edges of the orders a comparison of stored bytes could get
// wrong: digits and letters, Latin-1 letters kept in one byte when
// compressed, characters above 0xFF (two bytes, a switch when compressed)
// including one whose low byte is zero (a text holding it is never
// compressed), the private-use area and the end of the plane against a
// surrogate pair, which sorts by its code units.
const std::vector<QString> kPezzi = {
    QStringLiteral("0"), QStringLiteral("1"),    QStringLiteral("9"),    QStringLiteral("A"),
    QStringLiteral("Z"), QStringLiteral("a"),    QStringLiteral("z"),    QStringLiteral(" "),
    QStringLiteral("ä"), QStringLiteral("ÿ"),    QStringLiteral("Ā"),    QStringLiteral("Ł"),
    QStringLiteral("€"), QString(QChar(0xE000)), QString(QChar(0xFFFD)), QStringLiteral("😀")};

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
            TabellaMdb& t = scrittore.tabella(daUtf8(nome));
            t.testoCompresso(std::string(nome) == "Compressa")
                .colonna(QStringLiteral("Testo"), TipoJet::Testo, 40)
                .colonna(QStringLiteral("Memo"), TipoJet::Memo)
                .colonna(QStringLiteral("Byte"), TipoJet::Byte)
                .colonna(QStringLiteral("Intero"), TipoJet::Intero)
                .colonna(QStringLiteral("Lungo"), TipoJet::Lungo)
                .colonna(QStringLiteral("Doppio"), TipoJet::Doppio)
                .colonna(QStringLiteral("Valuta"), TipoJet::Valuta)
                .colonna(QStringLiteral("Data"), TipoJet::DataOra)
                .colonna(QStringLiteral("SiNo"), TipoJet::Booleano);
            for (const auto& riga : righe_)
                t.riga(riga);
        }
        ScriviARiposo(cartella_.percorso(QStringLiteral("Filtro.mdb")), scrittore.contenuto());
        file_.emplace(cartella_.percorso(QStringLiteral("Filtro.mdb")));
        tutte_ = file_->leggi(QStringLiteral("Compressa"));
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
            EXPECT_EQ(file_->leggi(daUtf8(tabella), &dove).righe, attese)
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
            valori.push_back(QStringLiteral("€€€€€€€€€€"));
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
                verifica(Criterio(daUtf8(kCampi[c]), confronto, valore),
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
        verifica(Campo(daUtf8(kCampi[c])).in(alcuni(c)), std::string(kCampi[c]) + " in una lista");
    }
    const auto unConfronto = [&](std::string& descrizione) {
        const std::size_t c = caso() % kCampi.size();
        const std::vector<Valore> valori = valoriPer(c);
        const Valore valore = valori[caso() % valori.size()];
        const Confronto confronto = kConfronti[caso() % kConfronti.size()];
        descrizione += "(" + descrivi(kCampi[c], confronto, valore) + ")";
        return Criterio(daUtf8(kCampi[c]), confronto, valore);
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

// The whole numbers of an "in" list that lie close together are tested as
// bits, those far apart hashed: either way each of them is in, and its
// neighbours and the numbers past both ends are out.
TEST(InsiemeDiInteri, ViciniOLontaniStessoEsito) {
    constexpr std::int64_t kMinimo = std::numeric_limits<std::int64_t>::min();
    constexpr std::int64_t kMassimo = std::numeric_limits<std::int64_t>::max();
    const std::vector<std::vector<std::int64_t>> insiemi = {
        {-70, -3, 0, 1, 63, 64, 200}, {kMinimo, -3, 0, 64, kMassimo}, {kMassimo - 1}};
    for (const std::vector<std::int64_t>& numeri : insiemi) {
        const InsiemeValori insieme(std::vector<Valore>(numeri.begin(), numeri.end()),
                                    GenereCampo::Numero);
        std::vector<std::int64_t> prove = {kMinimo, kMinimo + 1, -1000, 1000, kMassimo};
        for (const std::int64_t n : numeri) {
            prove.push_back(n);
            if (n > kMinimo)
                prove.push_back(n - 1);
            if (n < kMassimo)
                prove.push_back(n + 1);
        }
        for (const std::int64_t n : prove) {
            const bool dentro = std::find(numeri.begin(), numeri.end(), n) != numeri.end();
            EXPECT_EQ(insieme.contieneIntero(n), dentro) << n;
            EXPECT_EQ(insieme.contiene(Valore(n)), dentro) << n;
        }
    }
}

// A text compared with stored ones a word at a time: stored Jet 4 texts
// compressed, long or short, parting from it at every place, upwards or
// downwards or with a switch to two bytes a character, or ending with a
// switch, stand against it as their decoded texts do.
TEST(TestoDaConfrontare, ComeITestiDecodificati) {
    const jet::FormatoJet jet4 = jet::FormatoJet::jet4Formato();
    const QString base = daUtf8("2026011120260105AB");
    std::vector<QByteArray> memorizzati;
    for (qsizetype lunghezza = 0; lunghezza <= base.size(); ++lunghezza) {
        const QByteArray compresso = "\xFF\xFE" + base.left(lunghezza).toLatin1();
        memorizzati.push_back(compresso);
        memorizzati.push_back(compresso + QByteArray(1, '\0'));
        for (qsizetype k = 2; k < compresso.size(); ++k) {
            for (const char passo : {1, -1}) {
                QByteArray diverso = compresso;
                diverso[k] = static_cast<char>(diverso[k] + passo);
                memorizzati.push_back(diverso);
            }
            memorizzati.push_back(compresso.left(k) + QByteArray("\0\x2C\x01", 3));
        }
    }
    for (qsizetype lunghezza = 0; lunghezza <= base.size(); ++lunghezza) {
        const QString testo = base.left(lunghezza);
        const jet::TestoDaConfrontare daConfrontare(testo);
        for (const QByteArray& memorizzato : memorizzati) {
            const jet::ByteJet byte = jet::VistaDi(memorizzato);
            EXPECT_TRUE(daConfrontare.confronta(jet4, byte) ==
                        (jet::TestoJet(jet4, byte).compare(testo) <=> 0))
                << testo.toStdString() << " / " << memorizzato.toHex().toStdString();
        }
    }
}
