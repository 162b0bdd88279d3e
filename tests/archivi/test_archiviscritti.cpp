// The reader on files made by the project's own Jet 4 writer, where every
// value, every deleted and every relocated row is known in advance.

#include "prove/archivi/StampaValore.h"
#include "prove/util/CartellaDiProva.h"
#include "prove/util/StampaQString.h"

#include "archivi/DBEngine.h"
#include "archivi/Database.h"
#include "archivi/FileJet.h"
#include "mdbwriter/ScrittoreMdb.h"
#include "routines/Errore.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

QString testoLungo(int caratteri, char16_t base) {
    QString testo(caratteri, Qt::Uninitialized);
    for (int i = 0; i < caratteri; ++i)
        testo[i] = QChar(static_cast<char16_t>(base + i % 23));
    return testo;
}

QByteArray byteLunghi(int quanti) {
    QByteArray byte(quanti, Qt::Uninitialized);
    for (int i = 0; i < quanti; ++i)
        byte[i] = static_cast<char>(i * 7 + 3);
    return byte;
}

class ArchiviScritti : public ::testing::Test {
  protected:
    QString salva(const ScrittoreMdb& scrittore,
                  const QString& nome = QStringLiteral("Prova.mdb")) {
        const QString percorso = cartella_.percorso(nome);
        scrittore.salva(percorso);
        return percorso;
    }
    CartellaDiProva cartella_;
};

} // namespace

// Every type with the values at its edges, NULL, and zero-length values.
TEST_F(ArchiviScritti, OgniTipoConIValoriEstremi) {
    ScrittoreMdb scrittore;
    TabellaMdb& t = scrittore.tabella(QStringLiteral("Tipi"));
    t.colonna(QStringLiteral("Testo"), TipoJet::Testo, 255)
        .colonna(QStringLiteral("Memo"), TipoJet::Memo)
        .colonna(QStringLiteral("Byte"), TipoJet::Byte)
        .colonna(QStringLiteral("Intero"), TipoJet::Intero)
        .colonna(QStringLiteral("Lungo"), TipoJet::Lungo)
        .colonna(QStringLiteral("Singolo"), TipoJet::Singolo)
        .colonna(QStringLiteral("Doppio"), TipoJet::Doppio)
        .colonna(QStringLiteral("Valuta"), TipoJet::Valuta)
        .colonna(QStringLiteral("SiNo"), TipoJet::Booleano)
        .colonna(QStringLiteral("Data"), TipoJet::DataOra)
        .colonna(QStringLiteral("Binario"), TipoJet::Binario, 255)
        .colonna(QStringLiteral("Ole"), TipoJet::Ole);
    // The writer takes amounts through a double: the largest it keeps exact.
    const std::int64_t massimo = (std::int64_t{1} << 53) - 1;
    const std::vector<std::vector<Valore>> righe = {
        {Valore(u"Città d'Italia — “virgolette” €"), Valore(testoLungo(70000, u'a')), Valore(255),
         Valore(-32768), Valore(std::numeric_limits<std::int32_t>::min()),
         Valore(static_cast<double>(3.4028235e38f)), Valore(444.555), Valore::valuta(massimo),
         Valore(-1), Valore::dataOra(-1.25), Valore::binario(byteLunghi(255)),
         Valore::binario(byteLunghi(100000))},
        {Valore(u""), Valore(u""), Valore(0), Valore(32767),
         Valore(std::numeric_limits<std::int32_t>::max()),
         Valore(static_cast<double>(-0.00035134f)), Valore(-8540982423.45),
         Valore::valuta(-massimo), Valore(0), Valore::dataOra(2958465.99999),
         Valore::binario(QByteArray("")), Valore::binario(QByteArray(""))},
        {Valore(), Valore(), Valore(), Valore(), Valore(), Valore(), Valore(), Valore(), Valore(0),
         Valore(), Valore(), Valore()},
        {Valore(testoLungo(255, 0x0410)), Valore(testoLungo(20000, 0x3041)), Valore(1), Valore(-1),
         Valore(-1), Valore(1.5), Valore(std::nan("")), Valore::valuta(1), Valore(-1),
         Valore::dataOra(-657434.0), Valore::binario(QByteArray(1, '\0')),
         Valore::binario(byteLunghi(3000))},
    };
    for (const auto& riga : righe)
        t.riga(riga);
    const Tabella letta = FileJet(salva(scrittore)).leggi(QStringLiteral("Tipi"));
    ASSERT_EQ(letta.righe.size(), righe.size());
    for (std::size_t r = 0; r < righe.size(); ++r) {
        for (std::size_t c = 0; c < righe[r].size(); ++c) {
            SCOPED_TRACE("riga " + std::to_string(r) + ", " + letta.campi[c].toStdString());
            const Valore& atteso = righe[r][c];
            const Valore& valore = letta.righe[r][c];
            if (atteso.tipo() == Valore::Tipo::Reale && std::isnan(atteso.numero())) {
                EXPECT_TRUE(std::isnan(valore.numero()));
            } else {
                EXPECT_EQ(valore, atteso);
            }
        }
    }
    // Zero-length values are values, not NULL.
    EXPECT_EQ(letta.righe[1][0].tipo(), Valore::Tipo::Testo);
    EXPECT_EQ(letta.righe[1][1].tipo(), Valore::Tipo::Testo);
    EXPECT_EQ(letta.righe[1][10].tipo(), Valore::Tipo::Binario);
    EXPECT_TRUE(letta.righe[2][0].nullo());
}

// Rows deleted or relocated by updates, as Access leaves them: the deleted
// ones are gone, the relocated ones keep their place.
TEST_F(ArchiviScritti, RigheCancellateESpostate) {
    ScrittoreMdb scrittore;
    TabellaMdb& t = scrittore.tabella(QStringLiteral("Camere_Prenotazione"));
    t.colonna(QStringLiteral("NumeroPrenotazione"), TipoJet::Lungo)
        .colonna(QStringLiteral("NumeroCamera"), TipoJet::Testo, 10)
        .colonna(QStringLiteral("Note"), TipoJet::Memo);
    std::vector<int> vive;
    for (int i = 1; i <= 3000; ++i) {
        const std::vector<Valore> riga{Valore(i), Valore(QString::number(100 + i % 250)),
                                       i % 11 == 0 ? Valore(testoLungo(5000, u'A')) : Valore()};
        if (i % 9 == 4) {
            t.rigaCancellata(riga);
        } else {
            if (i % 13 == 6)
                t.rigaSpostata(riga);
            else
                t.riga(riga);
            vive.push_back(i);
        }
    }
    const QString percorso = salva(scrittore);
    const FileJet file(percorso);
    const Tabella letta = file.leggi(QStringLiteral("Camere_Prenotazione"));
    ASSERT_EQ(letta.righe.size(), vive.size());
    for (std::size_t r = 0; r < vive.size(); ++r) {
        ASSERT_EQ(letta.righe[r][0], Valore(vive[r])) << "posizione " << r;
        EXPECT_EQ(letta.righe[r][1], Valore(QString::number(100 + vive[r] % 250)));
        EXPECT_EQ(letta.righe[r][2].nullo(), vive[r] % 11 != 0);
    }
    // The selection keeps the same order and reads relocated rows too.
    const Criterio dove = Campo(QStringLiteral("NumeroCamera")) == Valore(u"106");
    std::vector<Valore> attese;
    for (const int i : vive) {
        if (100 + i % 250 == 106)
            attese.push_back(Valore(i));
    }
    std::vector<Valore> scelte;
    for (const auto& riga : file.leggi(QStringLiteral("Camere_Prenotazione"), &dove).righe)
        scelte.push_back(riga[0]);
    EXPECT_EQ(scelte, attese);

    // mdb-export (libmdb) agrees on the set of rows, not on their order.
    QProcess conta;
    conta.start(QStringLiteral("mdb-count"), {percorso, QStringLiteral("Camere_Prenotazione")});
    if (conta.waitForFinished(30000) && conta.exitCode() == 0) {
        EXPECT_EQ(conta.readAllStandardOutput().trimmed().toULongLong(), vive.size());
    }
}

// Enough rows for the usage map to become a list of map pages.
TEST_F(ArchiviScritti, TabellaSuMoltePagine) {
    ScrittoreMdb scrittore;
    TabellaMdb& t = scrittore.tabella(QStringLiteral("Scheda_Cliente"));
    t.colonna(QStringLiteral("NumeroProgressivo"), TipoJet::Lungo)
        .colonna(QStringLiteral("NomeCliente"), TipoJet::Testo, 60)
        .colonna(QStringLiteral("DataArrivo"), TipoJet::Testo, 8);
    const int righe = 40000;
    for (int i = 0; i < righe; ++i)
        t.riga({Valore(i), Valore(QStringLiteral("Cliente numero %1 della prova").arg(i)),
                Valore(QStringLiteral("2026%1").arg(1 + i % 1200, 4, 10, QLatin1Char('0')))});
    ScrittoreMdb altro;
    altro.tabella(QStringLiteral("Vuota")).colonna(QStringLiteral("X"), TipoJet::Lungo);
    const QString percorso = salva(scrittore);
    ASSERT_GT(QFileInfo(percorso).size(), 600 * 4096);
    const FileJet file(percorso);
    const Tabella tutte = file.leggi(QStringLiteral("Scheda_Cliente"));
    ASSERT_EQ(tutte.righe.size(), static_cast<std::size_t>(righe));
    for (int i = 0; i < righe; i += 997)
        EXPECT_EQ(tutte.righe[static_cast<std::size_t>(i)][0], Valore(i));
    EXPECT_EQ(tutte.righe.back()[0], Valore(righe - 1));
    const Criterio dove = Campo(QStringLiteral("DataArrivo")) >= Valore(u"20260100") &&
                          Campo(QStringLiteral("DataArrivo")) < Valore(u"20260110");
    std::size_t attese = 0;
    for (int i = 0; i < righe; ++i)
        attese += 1 + i % 1200 >= 100 && 1 + i % 1200 < 110;
    EXPECT_EQ(file.leggi(QStringLiteral("Scheda_Cliente"), &dove).righe.size(), attese);
    EXPECT_TRUE(FileJet(salva(altro, QStringLiteral("Vuota.mdb")))
                    .leggi(QStringLiteral("Vuota"))
                    .righe.empty());
}

// The suite's files as the program opens them: by bare name, in the
// current folder, through the engine.
TEST_F(ArchiviScritti, RicercaDaoSuUnArchivioDellaSuite) {
    ScrittoreMdb scrittore;
    TabellaMdb& t = scrittore.tabella(QStringLiteral("NumeriCamere"));
    t.colonna(QStringLiteral("NumeroHotel"), TipoJet::Intero)
        .colonna(QStringLiteral("NumeroTableau"), TipoJet::Intero)
        .colonna(QStringLiteral("NumeroCamera"), TipoJet::Testo, 10)
        .colonna(QStringLiteral("TipoCamera"), TipoJet::Testo, 5);
    for (const char* camera : {"99", "101", "12", "100"})
        t.riga({Valore(1), Valore(1), Valore(QString::fromLatin1(camera)), Valore(u"D")});
    t.riga({Valore(1), Valore(2), Valore(u"7"), Valore()});
    salva(scrittore, QStringLiteral("numericamere.MDB"));

    Database archivio = DBEngine::istanza().OpenDatabase(QStringLiteral("NumeriCamere.mdb"));
    Recordset camere = archivio.OpenRecordset(QStringLiteral("NumeriCamere"));
    camere.setSort(QStringLiteral("[NumeroCamera]"));
    Recordset ordinate = camere.OpenRecordset();
    const Criterio tableau = Campo(QStringLiteral("NumeroHotel")) == Valore(1) &&
                             Campo(QStringLiteral("NumeroTableau")) == Valore(1);
    QStringList visti;
    for (ordinate.FindFirst(tableau); !ordinate.NoMatch(); ordinate.FindNext(tableau))
        visti << ordinate.Campo(QStringLiteral("NumeroCamera")).testo();
    EXPECT_EQ(visti, QStringList({QStringLiteral("100"), QStringLiteral("101"),
                                  QStringLiteral("12"), QStringLiteral("99")}));
    archivio.Close();
}
