// The suite's database files as a workstation may find them: missing,
// empty, cut short at any page, without a table or a field, with fields of
// unexpected types or absent keys, and very large. The report, run as the
// batch command runs it, gives an Italian message that names the file,
// table or field, or a correct tableau; the database files are never
// touched and a print file is only replaced by a correct tableau.
#include "batch/EseguiBatch.h"
#include "prove/print/VariabiliDiProva.h"
#include "prove/robustezza/Impronte.h"
#include "prove/tableau/SuiteDiProva.h"
#include "prove/tableau/TableauDiRiferimento.h"
#include "prove/tableau/TestoTableau.h"
#include "prove/util/CartellaDiProva.h"
#include "prove/util/StampaQString.h"
#include "routines/Orologio.h"
#include "tableau/OccupazioneSettimana.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cstdio>
#include <ctime>

namespace {

const QStringList kFileSuite{"AnagraficaHotels.mdb",   "Tableau.mdb",
                             "NumeriCamere.mdb",       "Scheda_Cliente.mdb",
                             "Ditta_Intestataria.mdb", "Camere_Prenotazione.mdb",
                             "Scheda_Prenotazione.mdb"};
const QByteArray kPrecedente = "tableau precedente\r\n";
constexpr qsizetype kPagina = 4096;

Tabella SenzaCampo(Tabella tabella, const QString& campo) {
    const auto indice = static_cast<std::size_t>(tabella.indiceCampo(campo));
    tabella.campi.erase(tabella.campi.begin() + static_cast<std::ptrdiff_t>(indice));
    for (auto& riga : tabella.righe)
        riga.erase(riga.begin() + static_cast<std::ptrdiff_t>(indice));
    return tabella;
}

class ArchiviOstili : public ::testing::Test {
  protected:
    ArchiviOstili() {
        ambiente_.togli("PCLocal");
        ambiente_.imposta("PCLocal", "1");
    }
    ~ArchiviOstili() override { FissaOrologio(std::nullopt); }

    // The small suite's request through the batch command, the print file
    // put back to kPrecedente first.
    int esegui(const QString& dalla = QStringLiteral("100"),
               const QString& alla = QStringLiteral("200"),
               const QString& tableau = QStringLiteral("2")) {
        cartella_.scrivi("FD1", kPrecedente);
        errori_.clear();
        QString uscita;
        QTextStream flussoUscita(&uscita);
        QTextStream flussoErrori(&errori_);
        return EseguiBatch({"--hotel", "1", "--tableau", tableau, "--dalla-camera", dalla,
                            "--alla-camera", alla, "--data", "07/01/2026", "--orologio",
                            "05/01/2026 08:30"},
                           flussoUscita, flussoErrori);
    }

    // The run fails on the database: exit status 4, a message that starts
    // with `inizio` and names `nome`, the print file and every database
    // file left as they were.
    void rifiutato(const QString& inizio, const QString& nome) {
        const auto archivi = ImpronteArchivi(cartella_.percorso());
        EXPECT_EQ(esegui(), ArchivioIllegibile) << errori_.toStdString();
        EXPECT_TRUE(errori_.startsWith(inizio)) << errori_.toStdString();
        EXPECT_TRUE(errori_.contains(nome)) << errori_.toStdString();
        EXPECT_EQ(cartella_.leggi("FD1"), kPrecedente);
        EXPECT_EQ(ImpronteArchivi(cartella_.percorso()), archivi);
    }

    // The print file the small suite gives on intact files.
    QByteArray corretto() {
        ArchiviInMemoria archivi = SuitePiccola().inMemoria();
        return EseguiTableau(
            archivi,
            {1, 2, QStringLiteral("100"), QStringLiteral("200"), QStringLiteral("07/01/2026")},
            &OccupazioneSettimana::apri);
    }

    CartellaDiProva cartella_;
    VariabiliDiProva ambiente_;
    QString errori_;
};

TEST_F(ArchiviOstili, FileMancantiOVuoti) {
    for (const QString& file : kFileSuite) {
        SCOPED_TRACE(file.toStdString());
        SuitePiccola().salvaMdb();
        QFile::remove(file);
        rifiutato(QStringLiteral("Archivio non trovato: ") + file, file);
        cartella_.scrivi(file, QByteArray());
        rifiutato(QStringLiteral("Archivio non valido: ") + file, file);
    }
}

// Every file of the suite cut after each of its pages in turn: each cut
// either names the file as damaged or leaves what the report reads whole,
// and then the tableau is the correct one.
TEST_F(ArchiviOstili, TroncatiAdOgniPagina) {
    const QByteArray atteso = corretto();
    SuitePiccola().salvaMdb();
    int rifiuti = 0;
    for (const QString& file : kFileSuite) {
        const QByteArray intero = cartella_.leggi(file);
        ASSERT_EQ(intero.size() % kPagina, 0) << file.toStdString();
        for (qsizetype pagine = 1; pagine * kPagina < intero.size(); ++pagine) {
            SCOPED_TRACE(file.toStdString() + " di " + std::to_string(pagine) + " pagine");
            cartella_.scrivi(file, intero.left(pagine * kPagina));
            const auto archivi = ImpronteArchivi(cartella_.percorso());
            const int esito = esegui();
            EXPECT_EQ(ImpronteArchivi(cartella_.percorso()), archivi);
            if (esito == Riuscito) {
                EXPECT_EQ(Differenza(atteso, cartella_.leggi("FD1")), QString());
                continue;
            }
            ++rifiuti;
            EXPECT_EQ(esito, ArchivioIllegibile) << errori_.toStdString();
            EXPECT_TRUE(errori_.startsWith(QStringLiteral("Archivio danneggiato: ") + file) ||
                        errori_.startsWith(QStringLiteral("Archivio non valido: ") + file))
                << errori_.toStdString();
            EXPECT_EQ(cartella_.leggi("FD1"), kPrecedente);
        }
        cartella_.scrivi(file, intero);
    }
    EXPECT_GT(rifiuti, 0);
    ASSERT_EQ(esegui(), Riuscito);
    EXPECT_EQ(Differenza(atteso, cartella_.leggi("FD1")), QString());
}

TEST_F(ArchiviOstili, TabellaOCampoMancante) {
    const SuiteDiProva suite = SuitePiccola();
    suite.salvaMdb();
    Tabella altra = suite.camere;
    altra.nome = QStringLiteral("Camere");
    SalvaTabellaMdb(altra, QStringLiteral("NumeriCamere.mdb"));
    rifiutato(QStringLiteral("Tabella non trovata: NumeriCamere"),
              QStringLiteral("NumeriCamere.mdb"));

    struct Caso {
        const Tabella* tabella;
        QString campo;
    };
    suite.salvaMdb();
    for (const Caso& caso : {Caso{&suite.camere, QStringLiteral("NumeroCamera")},
                             Caso{&suite.clienti, QStringLiteral("NomeCliente")},
                             Caso{&suite.camerePrenotate, QStringLiteral("NumeroPersone")},
                             Caso{&suite.schede, QStringLiteral("TipoPrenotazione")},
                             Caso{&suite.ditte, QStringLiteral("CodiceCliente")},
                             Caso{&suite.hotels, QStringLiteral("RagioneSociale")},
                             Caso{&suite.tableaux, QStringLiteral("Descrizione")}}) {
        SCOPED_TRACE(caso.campo.toStdString());
        const QString file = caso.tabella->nome + QStringLiteral(".mdb");
        SalvaTabellaMdb(SenzaCampo(*caso.tabella, caso.campo), file);
        rifiutato(QStringLiteral("Campo non trovato: ") + caso.campo, caso.tabella->nome);
        SalvaTabellaMdb(*caso.tabella, file);
    }
}

// Fields of another type than the suite gives them, and keys left absent.
// A key the report compares with numbers kept as text, or a room number
// kept as a number, is refused as Jet refuses such a search: the database
// exit status and a message naming the field, the databases untouched, the
// print file left as it was (a tableau without those rows would be a wrong
// one). Numbers kept in a floating type read as the same numbers, so the
// tableau is the correct one.
TEST_F(ArchiviOstili, CampiDiTipoInattesoEChiaviNulle) {
    const QByteArray atteso = corretto();
    const SuiteDiProva suite = SuitePiccola();
    struct Caso {
        const Tabella* tabella;
        QString campo;
        TipoJet tipo;
    };
    for (const Caso& caso :
         {Caso{&suite.camere, QStringLiteral("NumeroHotel"), TipoJet::Testo},
          Caso{&suite.camere, QStringLiteral("NumeroTableau"), TipoJet::Testo},
          Caso{&suite.camere, QStringLiteral("NumeroCamera"), TipoJet::Lungo},
          Caso{&suite.clienti, QStringLiteral("NumeroHotel"), TipoJet::Testo},
          Caso{&suite.clienti, QStringLiteral("NumeroCamera"), TipoJet::Lungo},
          Caso{&suite.clienti, QStringLiteral("NumeroComponente"), TipoJet::Testo},
          Caso{&suite.clienti, QStringLiteral("NumeroProgressivo"), TipoJet::Testo},
          Caso{&suite.ditte, QStringLiteral("CodiceCliente"), TipoJet::Testo},
          Caso{&suite.camerePrenotate, QStringLiteral("NumeroPrenotazione"), TipoJet::Testo},
          Caso{&suite.camerePrenotate, QStringLiteral("NumeroCamera"), TipoJet::Lungo},
          Caso{&suite.schede, QStringLiteral("NumeroPrenotazione"), TipoJet::Testo},
          Caso{&suite.hotels, QStringLiteral("Numero"), TipoJet::Testo},
          Caso{&suite.tableaux, QStringLiteral("Codice"), TipoJet::Testo},
          Caso{&suite.camerePrenotate, QStringLiteral("NumeroPersone"), TipoJet::Doppio},
          Caso{&suite.schede, QStringLiteral("NumeroPrenotazione"), TipoJet::Doppio},
          Caso{&suite.clienti, QStringLiteral("NumeroProgressivo"), TipoJet::Doppio},
          Caso{&suite.ditte, QStringLiteral("CodiceCliente"), TipoJet::Valuta},
          Caso{&suite.camere, QStringLiteral("NumeroHotel"), TipoJet::Doppio}}) {
        SCOPED_TRACE(caso.tabella->nome.toStdString() + "." + caso.campo.toStdString());
        suite.salvaMdb();
        Tabella tabella = *caso.tabella;
        const auto indice = static_cast<std::size_t>(tabella.indiceCampo(caso.campo));
        for (auto& riga : tabella.righe) {
            if (riga[indice].nullo())
                continue;
            if (caso.tipo == TipoJet::Testo)
                riga[indice] =
                    Valore(riga[indice].testo().isEmpty() ? QString::number(riga[indice].intero())
                                                          : riga[indice].testo());
            else if (caso.tipo == TipoJet::Lungo)
                riga[indice] = Valore(riga[indice].testo().toInt());
        }
        SalvaTabellaMdb(tabella, tabella.nome + QStringLiteral(".mdb"), {{caso.campo, caso.tipo}});
        const auto archivi = ImpronteArchivi(cartella_.percorso());
        const int esito = esegui();
        EXPECT_EQ(ImpronteArchivi(cartella_.percorso()), archivi);
        if (caso.tipo == TipoJet::Testo || caso.tipo == TipoJet::Lungo) {
            EXPECT_EQ(esito, ArchivioIllegibile);
            EXPECT_TRUE(
                errori_.startsWith(QStringLiteral("Tipo di dati non corrispondente: il campo ") +
                                   caso.campo + QStringLiteral(" della tabella ") + tabella.nome +
                                   QStringLiteral(" dell'archivio ") + tabella.nome +
                                   QStringLiteral(".mdb contiene ")))
                << errori_.toStdString();
            EXPECT_EQ(cartella_.leggi("FD1"), kPrecedente);
            continue;
        }
        ASSERT_EQ(esito, Riuscito) << errori_.toStdString();
        EXPECT_EQ(Differenza(atteso, cartella_.leggi("FD1")), QString());
    }

    // Absent keys and names: rows that match nothing, blanks in the tableau.
    SuiteDiProva nulli = SuitePiccola();
    nulli.camera(Valore(), 2, u"150");
    nulli.camera(1, Valore(), u"151");
    nulli.camera(1, 2, Valore());
    nulli.cliente(Valore(), u"2", u"20260107", u"20260108", u"N", 1, 1, u"SENZA HOTEL");
    nulli.cliente(1, Valore(), u"20260107", u"20260108", u"N", 1, 2, u"SENZA CAMERA");
    nulli.cliente(1, u"101", Valore(), Valore(), Valore(), Valore(), Valore(), Valore());
    nulli.cameraPrenotata(1, u"2", Valore(), u"C", u"20260109", u"20260110", 2);
    nulli.cameraPrenotata(1, Valore(), 8000, Valore(), Valore(), Valore(), Valore());
    nulli.scheda(1, Valore(), Valore(), Valore(), Valore());
    nulli.hotel(Valore(), Valore());
    nulli.tableau(Valore(), Valore(), Valore());
    nulli.salvaMdb();
    ASSERT_EQ(esegui(), Riuscito) << errori_.toStdString();
    const QString tableau = Leggibile(cartella_.leggi("FD1"));
    EXPECT_TRUE(tableau.contains(u"ROSSI MARIO"));
    EXPECT_FALSE(tableau.contains(u"SENZA HOTEL"));
    EXPECT_FALSE(tableau.contains(u"SENZA CAMERA"));
    EXPECT_FALSE(tableau.contains(u"150"));
    EXPECT_FALSE(tableau.contains(u"151"));
}

// One tableau of 100,000 rooms, guests in the first and the last: the report
// finishes in little time and both rooms carry their guests.
TEST_F(ArchiviOstili, CentomilaCamere) {
    SuiteDiProva suite;
    suite.hotel(1, u"Hotel Grande");
    suite.tableau(1, 2, u"Tutte");
    for (int i = 0; i < 100000; ++i)
        suite.camera(1, 2, Valore(QStringLiteral("%1").arg(i, 5, 10, QChar(u'0'))));
    suite.cliente(1, u"00000", u"20260105", u"20260110", u"N", 1, 1, u"PRIMO OSPITE");
    suite.cliente(1, u"99999", u"20260106", u"20260112", u"N", 1, 2, u"ULTIMO OSPITE");
    suite.cameraPrenotata(1, u"99999", 9001, u"C", u"20260112", u"20260114", 2);
    suite.scheda(1, 9001, u"C", Valore(), u"PRENOTATO ULTIMO");
    suite.salvaMdb();

    // Processor time, which other work on the machine does not stretch; the
    // limit is far above the few seconds the run takes, and far below what a
    // cost growing with the square of the rooms would need.
    const std::clock_t inizio = std::clock();
    ASSERT_EQ(esegui(QStringLiteral("00000"), QStringLiteral("99999")), Riuscito)
        << errori_.toStdString();
    const auto durata = static_cast<long long>((std::clock() - inizio) * 1000 / CLOCKS_PER_SEC);
    const QStringList righe = Leggibile(cartella_.leggi("FD1")).split(u'\n');
    // Five heading lines, three for each room, and the final line end.
    ASSERT_EQ(righe.size(), 5 + 3 * 100000 + 1);
    // The room on the first of its lines, its guests on the second.
    EXPECT_TRUE(righe[5].startsWith(u"00000")) << righe[5].toStdString();
    EXPECT_TRUE(righe[6].contains(u"PRIMO OSPITE")) << righe[6].toStdString();
    const qsizetype ultima = 5 + 3 * 99999;
    EXPECT_TRUE(righe[ultima].startsWith(u"99999")) << righe[ultima].toStdString();
    EXPECT_TRUE(righe[ultima + 1].contains(u"ULTIMO OSPITE")) << righe[ultima + 1].toStdString();
    EXPECT_TRUE(righe[ultima + 1].contains(u"PRENOTATO ULTI"));
    for (qsizetype riga = 8; riga < ultima; riga += 3)
        ASSERT_FALSE(righe[riga].contains(u"OSPITE")) << riga;
    EXPECT_LT(durata, 60000) << "tempo di processore del tableau di 100000 camere, in ms";
    std::printf("tableau di 100000 camere: %lld ms di processore\n", durata);
}

} // namespace
