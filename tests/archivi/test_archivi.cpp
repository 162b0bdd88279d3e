// Opening databases by bare file name in the current directory, without
// regard to case, through the one engine; selections that reach into a
// second file.

#include "prove/archivi/CampioniAccess.h"
#include "prove/archivi/StampaValore.h"
#include "prove/archivi/ValoriColonna.h"
#include "prove/util/CartellaDiProva.h"
#include "prove/util/StampaQString.h"

#include "archivi/DBEngine.h"
#include "archivi/Database.h"
#include "archivi/TrovaArchivio.h"
#include "routines/Errore.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

QString errore(const std::function<void()>& azione) {
    try {
        azione();
    } catch (const Errore& e) {
        return e.messaggio();
    }
    return {};
}

void copiaCampione(const CartellaDiProva& cartella, const char* campione, const QString& nome) {
    ASSERT_TRUE(
        QFile::copy(CampioniAccess::carica().cartella + u'/' + QString::fromLatin1(campione),
                    cartella.percorso(nome)));
}

} // namespace

TEST(TrovaArchivio, NomeSenzaRiguardoAlleMaiuscole) {
    CartellaDiProva cartella;
    cartella.scrivi(QStringLiteral("tableau.MDB"), "x");
    EXPECT_EQ(TrovaArchivio(QStringLiteral("Tableau.mdb")),
              QDir::current().filePath(QStringLiteral("tableau.MDB")));
    EXPECT_EQ(TrovaArchivio(QStringLiteral("TABLEAU.MDB")),
              QDir::current().filePath(QStringLiteral("tableau.MDB")));
}

TEST(TrovaArchivio, ArchivioMancante) {
    CartellaDiProva cartella;
    cartella.scrivi(QStringLiteral("Tableau.mdb.bak"), "x");
    const QString messaggio = errore([] { (void)TrovaArchivio(QStringLiteral("Tableau.mdb")); });
    EXPECT_TRUE(messaggio.startsWith(u"Archivio non trovato: Tableau.mdb"))
        << messaggio.toStdString();
    EXPECT_TRUE(messaggio.contains(QDir::toNativeSeparators(QDir::currentPath())))
        << messaggio.toStdString();
    EXPECT_EQ(errore([] { (void)DBEngine::istanza().OpenDatabase(QStringLiteral("Tableau.mdb")); }),
              messaggio);
}

TEST(TrovaArchivio, DueFileCheDifferisconoSoloPerMaiuscole) {
    CartellaDiProva cartella;
    cartella.scrivi(QStringLiteral("Tableau.mdb"), "x");
    cartella.scrivi(QStringLiteral("TABLEAU.mdb"), "y");
    for (const char* cercato : {"Tableau.mdb", "tableau.mdb"}) {
        const QString messaggio =
            errore([&] { (void)TrovaArchivio(QString::fromLatin1(cercato)); });
        EXPECT_TRUE(messaggio.contains(u"Tableau.mdb") && messaggio.contains(u"TABLEAU.mdb"))
            << messaggio.toStdString();
    }
}

TEST(DBEngine, UnoSoloPerProcesso) {
    EXPECT_EQ(&DBEngine::istanza(), &DBEngine::istanza());
}

TEST(DBEngine, FileCheNonEUnArchivio) {
    CartellaDiProva cartella;
    cartella.scrivi(QStringLiteral("Tableau.mdb"), "Nome;Codice\r\nRoma;1\r\n");
    const QString messaggio =
        errore([] { (void)DBEngine::istanza().OpenDatabase(QStringLiteral("Tableau.mdb")); });
    EXPECT_TRUE(messaggio.startsWith(u"Archivio non valido: Tableau.mdb"))
        << messaggio.toStdString();
}

TEST(Database, TabelleECampiMancanti) {
    RICHIEDI_CAMPIONI(CampioniAccess::carica());
    CartellaDiProva cartella;
    copiaCampione(cartella, "testV2000.mdb", QStringLiteral("Tableau.mdb"));
    Database archivio = DBEngine::istanza().OpenDatabase(QStringLiteral("tableau.mdb"));
    EXPECT_EQ(archivio.nome(), u"Tableau.mdb");
    EXPECT_EQ(errore([&] { (void)archivio.OpenRecordset(QStringLiteral("Tableau")); }),
              u"Tabella non trovata: Tableau nell'archivio Tableau.mdb");
    EXPECT_EQ(errore([&] {
                  (void)archivio.OpenRecordset(Selezione{
                      QStringLiteral("Table1"), Campo(QStringLiteral("Codice")) > Valore(0), {}});
              }),
              u"Campo non trovato: Codice nella tabella Table1 dell'archivio Tableau.mdb");
    // Table names are found without regard to case, as Jet does.
    Recordset righe = archivio.OpenRecordset(QStringLiteral("TABLE1"));
    EXPECT_EQ(righe.nomeTabella(), u"Table1");
    archivio.Close();
    EXPECT_FALSE(errore([&] { (void)archivio.OpenRecordset(QStringLiteral("Table1")); }).isEmpty());
    // A record set outlives its database.
    righe.FindFirst(Campo(QStringLiteral("A")) == Valore(u"a"));
    ASSERT_FALSE(righe.NoMatch());
    EXPECT_EQ(righe.Campo(QStringLiteral("B")), Valore(u"b"));
}

// The values a reading gives, field by field, for the basic types.
TEST(Database, ValoriTipizzati) {
    RICHIEDI_CAMPIONI(CampioniAccess::carica());
    CartellaDiProva cartella;
    copiaCampione(cartella, "testV2000.mdb", QStringLiteral("Prova.mdb"));
    Recordset righe = DBEngine::istanza()
                          .OpenDatabase(QStringLiteral("Prova.mdb"))
                          .OpenRecordset(QStringLiteral("Table1"));
    righe.FindFirst(Campo(QStringLiteral("A")) == Valore(u"abcdefg"));
    ASSERT_FALSE(righe.NoMatch());
    EXPECT_EQ(righe.Campo(QStringLiteral("C")), Valore(2));
    EXPECT_EQ(righe.Campo(QStringLiteral("D")), Valore(222));
    EXPECT_EQ(righe.Campo(QStringLiteral("E")), Valore(333333333));
    EXPECT_EQ(righe.Campo(QStringLiteral("F")), Valore(444.555));
    EXPECT_EQ(righe.Campo(QStringLiteral("G")).tipo(), Valore::Tipo::DataOra);
    EXPECT_EQ(righe.Campo(QStringLiteral("H")), Valore::valuta(35000));
    EXPECT_EQ(righe.Campo(QStringLiteral("I")), Valore(-1));
    righe.FindNext(Campo(QStringLiteral("I")) == Valore(0));
    ASSERT_FALSE(righe.NoMatch());
    EXPECT_EQ(righe.Campo(QStringLiteral("A")), Valore(u"a"));
}

// Select * From TableIgnoreNulls2 Where data2 > 0 and row In
//     (Select row From TableUnique2_temp In 'Interno.mdb' Where data1 <> 'stuff')
TEST(Selezione, ConSelezioneInternaInUnAltroFile) {
    RICHIEDI_CAMPIONI(CampioniAccess::carica());
    CartellaDiProva cartella;
    copiaCampione(cartella, "testIndexPropertiesV2003.mdb", QStringLiteral("Esterno.mdb"));
    copiaCampione(cartella, "testIndexPropertiesV2003.mdb", QStringLiteral("INTERNO.MDB"));
    Database esterno = DBEngine::istanza().OpenDatabase(QStringLiteral("Esterno.mdb"));

    const Recordset tutte = esterno.OpenRecordset(QStringLiteral("TableIgnoreNulls2"));
    const Recordset interne = esterno.OpenRecordset(QStringLiteral("TableUnique2_temp"));
    std::vector<Valore> chiavi;
    for (std::size_t r = 0; r < interne.RecordCount(); ++r) {
        const Valore& data1 = interne.valore(r, interne.IndiceCampo(QStringLiteral("data1")));
        if (!data1.nullo() && data1 != Valore(u"stuff"))
            chiavi.push_back(interne.valore(r, interne.IndiceCampo(QStringLiteral("row"))));
    }
    std::vector<Valore> attese;
    for (std::size_t r = 0; r < tutte.RecordCount(); ++r) {
        const Valore& data2 = tutte.valore(r, tutte.IndiceCampo(QStringLiteral("data2")));
        const Valore& riga = tutte.valore(r, tutte.IndiceCampo(QStringLiteral("row")));
        if (!data2.nullo() && data2.intero() > 0 &&
            std::find(chiavi.begin(), chiavi.end(), riga) != chiavi.end())
            attese.push_back(riga);
    }
    ASSERT_FALSE(attese.empty());
    ASSERT_LT(attese.size(), tutte.RecordCount());

    const Selezione selezione{
        QStringLiteral("TableIgnoreNulls2"), Campo(QStringLiteral("data2")) > Valore(0),
        Selezione::In{QStringLiteral("row"), QStringLiteral("Interno.mdb"),
                      QStringLiteral("TableUnique2_temp"), QStringLiteral("row"),
                      Campo(QStringLiteral("data1")) != Valore(u"stuff")}};
    EXPECT_EQ(ValoriColonna(esterno.OpenRecordset(selezione), QStringLiteral("row")), attese);

    // The inner file is found like any database: missing or ambiguous, it is an error.
    QFile::rename(cartella.percorso(QStringLiteral("INTERNO.MDB")),
                  cartella.percorso(QStringLiteral("Altro.mdb")));
    EXPECT_TRUE(errore([&] {
                    (void)esterno.OpenRecordset(selezione);
                }).startsWith(u"Archivio non trovato: Interno.mdb"));
    copiaCampione(cartella, "testIndexPropertiesV2003.mdb", QStringLiteral("interno.mdb"));
    copiaCampione(cartella, "testIndexPropertiesV2003.mdb", QStringLiteral("Interno.MDB"));
    EXPECT_TRUE(
        errore([&] { (void)esterno.OpenRecordset(selezione); }).startsWith(u"Archivio ambiguo"));
}
