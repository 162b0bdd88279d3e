// The reader against real Access files written by Access itself, whose
// contents the shared manifest records as hashes of a canonical export.

#include "prove/archivi/CampioniAccess.h"
#include "prove/archivi/RigaCanonica.h"
#include "prove/archivi/StampaValore.h"
#include "prove/util/CartellaDiProva.h"
#include "prove/util/StampaQString.h"

#include "archivi/CatalogoJet.h"
#include "archivi/DefinizioneJet.h"
#include "archivi/FileJet.h"
#include "archivi/IntestazioneJet.h"
#include "archivi/PagineJet.h"
#include "routines/Errore.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QSet>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <map>

using namespace jet;

namespace {

QStringList tipiColonne(const QJsonObject& tabella) {
    QStringList tipi;
    for (const auto colonna : tabella[u"columns"].toArray())
        tipi << colonna.toObject()[u"type"].toString();
    return tipi;
}

QJsonObject voceFile(const CampioniAccess& campioni, const QString& nome) {
    for (const auto voce : campioni.file) {
        if (voce.toObject()[u"file"].toString() == nome)
            return voce.toObject();
    }
    return {};
}

QJsonObject voceTabella(const QJsonObject& file, const QString& nome) {
    for (const auto tabella : file[u"tables"].toArray()) {
        if (tabella.toObject()[u"name"].toString() == nome)
            return tabella.toObject();
    }
    return {};
}

// A sample cell: literal text, null, or for long values their length and hash.
void confrontaCella(const QJsonValue& atteso, const Valore& valore, const QString& tipo) {
    if (atteso.isNull()) {
        EXPECT_TRUE(valore.nullo());
        return;
    }
    ASSERT_FALSE(valore.nullo());
    const QByteArray testo = TestoCanonico(valore, tipo).toUtf8();
    if (atteso.isObject()) {
        EXPECT_EQ(testo.size(), atteso[u"utf8Bytes"].toInt());
        EXPECT_EQ(QString::fromLatin1(
                      QCryptographicHash::hash(testo, QCryptographicHash::Sha256).toHex()),
                  atteso[u"sha256"].toString());
    } else {
        EXPECT_EQ(QString::fromUtf8(testo), atteso.toString());
    }
}

} // namespace

TEST(CampioniAccess, FileIntegriPrimaDellUso) {
    const CampioniAccess& campioni = CampioniAccess::carica();
    RICHIEDI_CAMPIONI(campioni);
    ASSERT_FALSE(campioni.file.isEmpty());
    for (const auto v : campioni.file) {
        const QJsonObject voce = v.toObject();
        QFile file(campioni.percorso(voce));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
        const QByteArray byte = file.readAll();
        EXPECT_EQ(byte.size(), voce[u"size"].toInteger());
        EXPECT_EQ(
            QString::fromLatin1(QCryptographicHash::hash(byte, QCryptographicHash::Sha256).toHex()),
            voce[u"sha256"].toString())
            << file.fileName().toStdString();
    }
}

TEST(CampioniAccess, TabelleEColonneComeNelManifesto) {
    const CampioniAccess& campioni = CampioniAccess::carica();
    RICHIEDI_CAMPIONI(campioni);
    for (const auto v : campioni.file) {
        const QJsonObject voce = v.toObject();
        SCOPED_TRACE(voce[u"file"].toString().toStdString());
        const FileJet file(campioni.percorso(voce));
        QSet<QString> attese;
        for (const auto t : voce[u"tables"].toArray())
            attese << t.toObject()[u"name"].toString();
        const QStringList trovate = file.tabelle();
        EXPECT_EQ(QSet<QString>(trovate.begin(), trovate.end()), attese);

        const PagineJet pagine(campioni.percorso(voce), voce[u"file"].toString());
        EXPECT_EQ(pagine.formato().pagina, voce[u"format"][u"pageSize"].toInt());
        for (const auto t : voce[u"tables"].toArray()) {
            const QJsonObject tabella = t.toObject();
            SCOPED_TRACE(tabella[u"name"].toString().toStdString());
            const std::vector<QString> campi = file.campi(tabella[u"name"].toString());
            const QJsonArray colonne = tabella[u"columns"].toArray();
            ASSERT_EQ(campi.size(), static_cast<std::size_t>(colonne.size()));
            for (qsizetype i = 0; i < colonne.size(); ++i)
                EXPECT_EQ(campi[static_cast<std::size_t>(i)], colonne[i][u"name"].toString());
        }
    }
}

// Types and text lengths come from the table definition, which the public
// interface does not show; the catalog and definition decoders are checked
// directly.
TEST(CampioniAccess, DefinizioniDelleColonne) {
    const CampioniAccess& campioni = CampioniAccess::carica();
    RICHIEDI_CAMPIONI(campioni);
    for (const auto v : campioni.file) {
        const QJsonObject voce = v.toObject();
        SCOPED_TRACE(voce[u"file"].toString().toStdString());
        const PagineJet pagine(campioni.percorso(voce), voce[u"file"].toString());
        const int byteCarattere = pagine.formato().jet3 ? 1 : 2;
        for (const VoceCatalogo& tabella : LeggiCatalogo(pagine)) {
            if (!tabella.utente)
                continue;
            SCOPED_TRACE(tabella.nome.toStdString());
            const QJsonArray colonne = voceTabella(voce, tabella.nome)[u"columns"].toArray();
            const DefinizioneJet definizione = LeggiDefinizione(pagine, tabella.pagina);
            ASSERT_EQ(definizione.colonne.size(), static_cast<std::size_t>(colonne.size()));
            for (qsizetype i = 0; i < colonne.size(); ++i) {
                const ColonnaJet& colonna = definizione.colonne[static_cast<std::size_t>(i)];
                EXPECT_EQ(static_cast<int>(colonna.tipo), colonne[i][u"jetTypeCode"].toInt());
                if (colonne[i].toObject().contains(u"maxLength")) {
                    EXPECT_EQ(colonna.lunghezza, colonne[i][u"maxLength"].toInt() * byteCarattere);
                }
            }
        }
    }
}

TEST(CampioniAccess, RigheVerificateUgualiAlManifesto) {
    const CampioniAccess& campioni = CampioniAccess::carica();
    RICHIEDI_CAMPIONI(campioni);
    int tabelle = 0;
    int attese = 0;
    for (const auto v : campioni.file) {
        const QJsonObject voce = v.toObject();
        SCOPED_TRACE(voce[u"file"].toString().toStdString());
        const FileJet file(campioni.percorso(voce));
        attese += static_cast<int>(voce[u"tables"].toArray().size());
        for (const auto t : voce[u"tables"].toArray()) {
            const QJsonObject tabella = t.toObject();
            SCOPED_TRACE(tabella[u"name"].toString().toStdString());
            const QStringList tipi = tipiColonne(tabella);
            const Tabella righe = file.leggi(tabella[u"name"].toString());
            EXPECT_EQ(static_cast<qint64>(righe.righe.size()), tabella[u"rowCount"].toInteger());
            for (const auto c : tabella[u"sampleRows"].toArray()) {
                const QJsonObject campione = c.toObject();
                const auto indice = static_cast<std::size_t>(campione[u"index"].toInt());
                ASSERT_LT(indice, righe.righe.size());
                const QJsonArray valori = campione[u"values"].toArray();
                ASSERT_EQ(righe.righe[indice].size(), static_cast<std::size_t>(valori.size()));
                for (qsizetype i = 0; i < valori.size(); ++i) {
                    SCOPED_TRACE("riga " + std::to_string(indice) + " colonna " +
                                 std::to_string(i));
                    confrontaCella(valori[i], righe.righe[indice][static_cast<std::size_t>(i)],
                                   tipi[i]);
                }
            }
            const QString attesa = tabella[u"verified"].toBool()
                                       ? tabella[u"rowsSha256"].toString()
                                       : tabella[u"believedRowsSha256"].toString();
            EXPECT_EQ(ImprontaCanonica(righe, tipi), attesa);
            ++tabelle;
        }
    }
    EXPECT_EQ(tabelle, attese);
}

// libmdb 1.0.0 skips the pointer of a relocated row and returns the moved
// copy where it lies; the rows must come out in their own place.
TEST(CampioniAccess, RigheRicollocateAlLoroPosto) {
    const CampioniAccess& campioni = CampioniAccess::carica();
    RICHIEDI_CAMPIONI(campioni);
    const QJsonObject voce = voceFile(campioni, QStringLiteral("overflowTestV2000.mdb"));
    const QJsonObject tabella = voceTabella(voce, QStringLiteral("Table1"));
    const Tabella righe = FileJet(campioni.percorso(voce)).leggi(QStringLiteral("Table1"));
    ASSERT_EQ(righe.righe.size(), 7u);
    EXPECT_EQ(righe.righe[2][1], Valore(u"row3col3"));
    EXPECT_EQ(righe.righe[2][7], Valore(u"row3col9"));
    EXPECT_EQ(righe.righe[4][1], Valore(u"row5col2"));
    const QString impronta = ImprontaCanonica(righe, tipiColonne(tabella));
    EXPECT_EQ(impronta, tabella[u"rowsSha256"].toString());
    EXPECT_NE(impronta, tabella[u"rowsSha256ReaderOrder"].toString());
}

TEST(CampioniAccess, ValoreVuotoNonENullo) {
    const CampioniAccess& campioni = CampioniAccess::carica();
    RICHIEDI_CAMPIONI(campioni);
    const QJsonObject voce = voceFile(campioni, QStringLiteral("binIdxTestV2010.accdb"));
    const QJsonObject tabella = voceTabella(voce, QStringLiteral("Test"));
    const Tabella righe = FileJet(campioni.percorso(voce)).leggi(QStringLiteral("Test"));
    int vuoti = 0;
    for (const auto& riga : righe.righe) {
        for (const Valore& valore : riga)
            vuoti += valore.tipo() == Valore::Tipo::Binario && valore.byte().isEmpty();
    }
    EXPECT_EQ(vuoti, 2);
    const QString impronta = ImprontaCanonica(righe, tipiColonne(tabella));
    EXPECT_EQ(impronta, tabella[u"rowsSha256"].toString());
    EXPECT_NE(impronta, tabella[u"rowsSha256ZeroLengthAsNull"].toString());
}

// Where the two reference readers disagree, the stored bytes decide: the
// bytes Windows-1252 leaves undefined are the C1 controls of the same value,
// and a negative date keeps its time of day as an absolute fraction.
TEST(CampioniAccess, CelleContesteSecondoIByteMemorizzati) {
    const CampioniAccess& campioni = CampioniAccess::carica();
    RICHIEDI_CAMPIONI(campioni);
    const QJsonObject voce = voceFile(campioni, QStringLiteral("testIndexCodesV1997.mdb"));
    const FileJet file(campioni.percorso(voce));
    int celle = 0;
    for (const auto t : voce[u"tables"].toArray()) {
        const QJsonObject tabella = t.toObject();
        if (tabella[u"verified"].toBool())
            continue;
        const Tabella righe = file.leggi(tabella[u"name"].toString());
        const QStringList tipi = tipiColonne(tabella);
        for (const auto c : tabella[u"disputedCells"].toArray()) {
            const QJsonObject cella = c.toObject();
            const int colonna = righe.indiceCampo(cella[u"column"].toString());
            ASSERT_GE(colonna, 0);
            const Valore& valore = righe.righe.at(static_cast<std::size_t>(cella[u"row"].toInt()))
                                       .at(static_cast<std::size_t>(colonna));
            EXPECT_EQ(TestoCanonico(valore, tipi[colonna]), cella[u"believed"].toString());
            if (cella.contains(u"storedDouble")) {
                EXPECT_NEAR(valore.numero(), cella[u"storedDouble"].toDouble(), 1e-9);
            }
            ++celle;
        }
    }
    EXPECT_EQ(celle, 30);
}

TEST(CampioniAccess, CriterioApplicatoDuranteLaLettura) {
    const CampioniAccess& campioni = CampioniAccess::carica();
    RICHIEDI_CAMPIONI(campioni);
    const FileJet file(
        campioni.percorso(voceFile(campioni, QStringLiteral("compIndexTestV2000.mdb"))));
    const Tabella tutte = file.leggi(QStringLiteral("Table1"));
    ASSERT_FALSE(tutte.campi.empty());
    const QString primo = tutte.campi.front();
    const Criterio dove = Campo(primo) >= Valore(100) && Campo(primo) < Valore(110);
    const Tabella scelte = file.leggi(QStringLiteral("table1"), &dove);
    std::vector<std::vector<Valore>> attese;
    for (const auto& riga : tutte.righe) {
        if (dove.vale([&](std::size_t) -> const Valore& { return riga[0]; }))
            attese.push_back(riga);
    }
    EXPECT_FALSE(attese.empty());
    EXPECT_EQ(scelte.righe, attese);
    EXPECT_EQ(scelte.campi, tutte.campi);
}

// Conditions on the text and whole-number columns of every sample, tested on
// the stored bytes while the table is read, keep the rows that the same
// conditions keep on the decoded values: Jet 3 texts in their code page,
// Jet 4 texts as Access compressed them, the ACE files.
TEST(CampioniAccess, CriteriSuiByteComeSuiValoriDecodificati) {
    const CampioniAccess& campioni = CampioniAccess::carica();
    RICHIEDI_CAMPIONI(campioni);
    int provati = 0;
    for (const auto v : campioni.file) {
        const QJsonObject voce = v.toObject();
        SCOPED_TRACE(voce[u"file"].toString().toStdString());
        const FileJet file(campioni.percorso(voce));
        for (const QString& tabella : file.tabelle()) {
            const Tabella tutte = file.leggi(tabella);
            for (std::size_t c = 0; c < tutte.campi.size(); ++c) {
                std::vector<Valore> valori;
                for (const auto& riga : tutte.righe) {
                    if (riga[c].tipo() == Valore::Tipo::Testo ||
                        riga[c].tipo() == Valore::Tipo::Intero)
                        valori.push_back(riga[c]);
                }
                if (valori.empty())
                    continue;
                std::sort(valori.begin(), valori.end(), [](const Valore& a, const Valore& b) {
                    return a.confronta(b) == std::strong_ordering::less;
                });
                // The smallest, a middle and the largest value against each row.
                for (const Valore& valore :
                     {valori.front(), valori[valori.size() / 2], valori.back()}) {
                    for (const Confronto confronto :
                         {Confronto::Minore, Confronto::Uguale, Confronto::MaggioreUguale}) {
                        const Criterio dove(tutte.campi[c], confronto, valore);
                        std::vector<std::vector<Valore>> attese;
                        for (const auto& riga : tutte.righe) {
                            if (dove.vale([&](std::size_t) -> const Valore& { return riga[c]; }))
                                attese.push_back(riga);
                        }
                        EXPECT_EQ(file.leggi(tabella, &dove).righe, attese)
                            << tabella.toStdString() << "." << tutte.campi[c].toStdString() << " "
                            << static_cast<int>(confronto) << " " << valore.testo().toStdString()
                            << valore.intero();
                        ++provati;
                    }
                }
            }
        }
    }
    EXPECT_GT(provati, 100);
}

// The three files of the "extra" folder, described by its README rather
// than by the manifest: exact decimals and calculated columns, Date/Time
// Extended values, and a database protected with a password.
namespace {

struct Aggiuntivo {
    const char* file;
    qint64 byte;
    const char* sha256;
};

constexpr Aggiuntivo kCalcolati{"calcFieldTestV2010.accdb", 712704,
                                "bf95642c1e661b7fb7f615124bbb8dcc614c539fff080947ae24a1e3d6ea07dd"};
constexpr Aggiuntivo kDateEstese{
    "extDateTestV2019.accdb", 557056,
    "bb6d7af8e5275c1143b5f68447b2f96bd11e460fbec6856de7b3e339ccb53cf6"};
constexpr Aggiuntivo kCifrato{"encryptedAgile.accdb", 315392,
                              "bbabd68b6cd9c581348fe1c967a9e55bdd3cde893229c83c2198d822fd4069d2"};

QString percorsoAggiuntivo(const CampioniAccess& campioni, const Aggiuntivo& aggiuntivo) {
    return QDir(campioni.cartella).filePath(QStringLiteral("extra/") + aggiuntivo.file);
}

// A copy of a sample whose header has been changed in clear by `cambia`.
QString copiaConIntestazione(const CartellaDiProva& cartella, const QString& campione,
                             const std::function<void(char*)>& cambia) {
    QFile file(campione);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray byte = file.readAll();
    const bool jet3 = byte.at(0x14) == 0;
    MascheraIntestazione(byte.data(), jet3);
    cambia(byte.data());
    MascheraIntestazione(byte.data(), jet3);
    const QString nome = QFileInfo(campione).fileName();
    cartella.scrivi(nome, byte);
    return cartella.percorso(nome);
}

std::vector<Valore> colonna(const Tabella& tabella, const char16_t* nome) {
    const int i = tabella.indiceCampo(QString::fromUtf16(nome));
    EXPECT_GE(i, 0) << QString::fromUtf16(nome).toStdString();
    std::vector<Valore> valori;
    for (const auto& riga : tabella.righe)
        valori.push_back(i >= 0 ? riga[static_cast<std::size_t>(i)] : Valore());
    return valori;
}

} // namespace

TEST(CampioniAccessAggiuntivi, FileIntegriPrimaDellUso) {
    const CampioniAccess& campioni = CampioniAccess::carica();
    RICHIEDI_CAMPIONI(campioni);
    for (const Aggiuntivo& aggiuntivo : {kCalcolati, kDateEstese, kCifrato}) {
        QFile file(percorsoAggiuntivo(campioni, aggiuntivo));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
        const QByteArray byte = file.readAll();
        EXPECT_EQ(byte.size(), aggiuntivo.byte);
        EXPECT_EQ(QCryptographicHash::hash(byte, QCryptographicHash::Sha256).toHex(),
                  QByteArray(aggiuntivo.sha256))
            << aggiuntivo.file;
    }
}

// A decimal of 18 significant digits keeps its last ones (through a double
// it would end in ...654327), and a calculated column gives its result in
// the type the table's properties name: LastFirst is [LastName] & ", " &
// [FirstName], LastFirstLen its length, and MonthlySalary a currency
// although its definition codes a double.
TEST(CampioniAccessAggiuntivi, DecimaliEsattiECampiCalcolati) {
    const CampioniAccess& campioni = CampioniAccess::carica();
    RICHIEDI_CAMPIONI(campioni);
    const FileJet file(percorsoAggiuntivo(campioni, kCalcolati));
    EXPECT_EQ(file.tabelle(), QStringList{QStringLiteral("Table1")});
    const Tabella righe = file.leggi(QStringLiteral("Table1"));
    ASSERT_EQ(righe.righe.size(), 4u);
    EXPECT_EQ(righe.campi.size(), 17u);

    QStringList decimali;
    for (const Valore& v : colonna(righe, u"Popularity"))
        decimali << v.decimale();
    EXPECT_EQ(decimali,
              (QStringList{QStringLiteral("50.325000"), QStringLiteral("-36.222200"),
                           QStringLiteral("0.012300"), QStringLiteral("102030405060.654321")}));
    const Valore piuGrande = colonna(righe, u"Popularity")[3];
    EXPECT_EQ(piuGrande.confronta(Valore::decimale(false, 102030405060654327u, 6)),
              std::strong_ordering::less);
    EXPECT_EQ(piuGrande.intero(), 102030405060);

    EXPECT_EQ(colonna(righe, u"LastFirst"), (std::vector<Valore>{u"Wayne, Bruce", u"Simpson, Bart",
                                                                 u"Doe, John", u"User, Test"}));
    EXPECT_EQ(colonna(righe, u"LastFirstLen"), (std::vector<Valore>{12, 13, 9, 10}));
    const std::vector<Valore> stipendi = colonna(righe, u"Salary");
    const std::vector<Valore> mensili = colonna(righe, u"MonthlySalary");
    for (std::size_t i = 0; i < stipendi.size(); ++i) {
        ASSERT_EQ(mensili[i].tipo(), Valore::Tipo::Valuta);
        EXPECT_NEAR(mensili[i].numero(), stipendi[i].numero() / 12, 0.00005);
    }
    EXPECT_EQ(
        righe.generi[static_cast<std::size_t>(righe.indiceCampo(QStringLiteral("LastFirst")))],
        GenereCampo::Testo);
}

// Date/Time Extended keeps its 100 ns and the years before 1000; an
// instant without a fraction of a second is the one the ordinary date of
// the same row holds.
TEST(CampioniAccessAggiuntivi, DateEstese) {
    const CampioniAccess& campioni = CampioniAccess::carica();
    RICHIEDI_CAMPIONI(campioni);
    const Tabella righe =
        FileJet(percorsoAggiuntivo(campioni, kDateEstese)).leggi(QStringLiteral("Table1"));
    const std::map<std::int64_t, QString> attese = {
        {1, QStringLiteral("2020-06-17 00:00:00.0000000")},
        {2, QStringLiteral("2021-06-14 00:00:00.0000000")},
        {3, QStringLiteral("2021-06-14 12:45:00.0000000")},
        {4, QStringLiteral("2021-06-14 01:45:00.0000000")},
        {5, QString()},
        {6, QStringLiteral("2021-06-14 22:45:12.3456789")},
        {7, QStringLiteral("1765-06-14 12:45:00.0000000")},
        {8, QStringLiteral("0100-06-14 12:45:00.1234567")},
        {9, QStringLiteral("1265-06-14 12:45:00.0000000")}};
    ASSERT_EQ(righe.righe.size(), attese.size());
    const std::vector<Valore> id = colonna(righe, u"ID");
    const std::vector<Valore> estese = colonna(righe, u"DateExt");
    const std::vector<Valore> ordinarie = colonna(righe, u"DateNormal");
    for (std::size_t i = 0; i < id.size(); ++i) {
        SCOPED_TRACE("ID " + std::to_string(id[i].intero()));
        const QString attesa = attese.at(id[i].intero());
        EXPECT_EQ(estese[i].nullo(), attesa.isNull());
        EXPECT_EQ(estese[i].dataOraEstesa(), attesa);
        if (attesa.endsWith(u".0000000")) {
            EXPECT_EQ(estese[i].confronta(ordinarie[i]), std::strong_ordering::equal);
        }
    }
    EXPECT_EQ(righe.generi[static_cast<std::size_t>(righe.indiceCampo(QStringLiteral("DateExt")))],
              GenereCampo::Numero);
}

// An encrypted database is refused as protected, not as damaged; a Jet 4
// file with only a database password reads as without it. The Jet 3 code
// page the header declares decodes the texts.
TEST(CampioniAccessAggiuntivi, ProtezioneECodePage) {
    const CampioniAccess& campioni = CampioniAccess::carica();
    RICHIEDI_CAMPIONI(campioni);
    const auto messaggio = [](const QString& percorso) {
        try {
            FileJet file(percorso);
        } catch (const Errore& errore) {
            return errore.messaggio();
        }
        return QString();
    };
    EXPECT_EQ(messaggio(percorsoAggiuntivo(campioni, kCifrato)),
              QStringLiteral("Archivio protetto: encryptedAgile.accdb (il database è cifrato o "
                             "protetto da password e non può essere letto)"));

    CartellaDiProva cartella;
    const QString jet4 = campioni.percorso(voceFile(campioni, QStringLiteral("testV2000.mdb")));
    const QString conPassword = copiaConIntestazione(
        cartella, jet4, [](char* intestazione) { std::memcpy(intestazione + 0x42, "segreta", 7); });
    EXPECT_EQ(FileJet(conPassword).leggi(QStringLiteral("Table1")).righe,
              FileJet(jet4).leggi(QStringLiteral("Table1")).righe);
    const QString codificato = copiaConIntestazione(
        cartella, jet4, [](char* intestazione) { intestazione[kChiaveCifratura] = 0x5A; });
    EXPECT_TRUE(messaggio(codificato).startsWith(u"Archivio protetto: testV2000.mdb"));

    const QString jet3 = copiaConIntestazione(
        cartella, campioni.percorso(voceFile(campioni, QStringLiteral("testIndexCodesV1997.mdb"))),
        [](char* intestazione) {
            intestazione[kCodePage] = static_cast<char>(1251 & 0xFF);
            intestazione[kCodePage + 1] = static_cast<char>(1251 >> 8);
        });
    const Tabella cirillico = FileJet(jet3).leggi(QStringLiteral("Table11"));
    ASSERT_GT(cirillico.righe.size(), 51u);
    // In Windows-1252 the same bytes read "aäaaÓaaƒaaäaaÛa".
    EXPECT_EQ(cirillico.righe[51][1], Valore(u"a\u0434aa\u0423aa\u0453aa\u0434aa\u042Ba"));
}
