// The reader against real Access files written by Access itself, whose
// contents the shared manifest records as hashes of a canonical export.

#include "CampioniAccess.h"
#include "RigaCanonica.h"
#include "util/StampaQString.h"

#include "archivi/CatalogoJet.h"
#include "archivi/DefinizioneJet.h"
#include "archivi/ErroreArchivio.h"
#include "archivi/FileJet.h"
#include "archivi/PagineJet.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QSet>

#include <gtest/gtest.h>

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
