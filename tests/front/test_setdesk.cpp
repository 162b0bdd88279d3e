// The selection window on fixture databases, driven as a user does: lists,
// default room range, Enter in the fields, Stampa and Esci, failures.
#include "prove/front/ArchiviDiProva.h"
#include "prove/front/CatturaErrori.h"

#include "demo/ArchiviDemo.h"
#include "front/SetDesk.h"
#include "mdbwriter/ScrittoreMdb.h"
#include "msgbox/MsgBox_Routine.h"
#include "prove/msgbox/RisposteDiProva.h"
#include "prove/ui/UtenteSostituito.h"
#include "prove/util/CartellaDiProva.h"
#include "prove/util/NomiAccessibili.h"
#include "routines/Errore.h"
#include "routines/Orologio.h"
#include "ui/Programma.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>

#include <optional>

namespace {
const QString Oggi = QStringLiteral("05/01/2026");
const QString TestoCamere = QStringLiteral("Controllare l'intervallo di camere richiesto!");
const QString TestoData = QStringLiteral("La data deve essere inserita \r\nnel formato gg/mm/aaaa");

struct Richiesta {
    std::int16_t hotel;
    std::int16_t tableau;
    QString primaCamera;
    QString ultimaCamera;
    QString data;
    bool operator==(const Richiesta&) const = default;
};

QStringList Voci(const ElencoATendina& elenco) {
    QStringList voci;
    for (int i = 0; i < elenco.ListCount(); ++i)
        voci.append(elenco.List(i));
    return voci;
}

void Scrivi(CampoTesto& campo, const QString& testo) {
    campo.SetFocus();
    QTest::keyClicks(campo.widget(), testo);
}

void Invio(CampoTesto& campo) {
    campo.SetFocus();
    QTest::keyClick(campo.widget(), Qt::Key_Return);
}

void Clic(Pulsante& tasto) {
    QTest::mouseClick(tasto.widget(), Qt::LeftButton);
}
} // namespace

class TestSetDesk : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void alberghiETableauInOrdineDeiRecord();
    void sceltaDelSecondoAlbergo();
    void tableauSenzaCamereDaLetto();
    void ordineDiTabulazione();
    void intervalloPredefinitoAccettatoDaStampa();
    void invioPulisceECompleta();
    void dataCortaSenzaInvioRifiutata();
    void dataImpossibileRimetteOggi();
    void camereUgualiStampaSiInvioNo();
    void intervalloRovesciatoRifiutato();
    void dopoIlMenuDiStampaRicominciaDaCapo();
    void archiviCambiatiRilettiAllaRiattivazione();
    void esciTerminaIlProgramma();
    void archiviMancantiUnMessaggioEUscita();
    void senzaAlberghiTerminaDicendoPerche();
    void albergoSenzaTableauTerminaDicendoPerche();
    void archivioMancanteDuranteLaRichiesta();
    void tableauDiTipoInattesoSegnalato();
    void erroreDellaStampaSegnalato();

  private:
    // Shows the window as the program starts it, and waits until it is active.
    void apri();

    std::optional<CartellaDiProva> cartella;
    std::optional<RisposteDiProva> risposte;
    std::optional<SetDesk> desk;
    std::vector<Richiesta> richieste;
    std::function<void()> menuDiStampa;
};

void TestSetDesk::init() {
    FissaOrologio(QDateTime(QDate(2026, 1, 5), QTime(9, 30)));
    cartella.emplace();
    risposte.emplace();
    richieste.clear();
    menuDiStampa = {};
}

void TestSetDesk::cleanup() {
    desk.reset();
    QCOMPARE(risposte->InAttesa(), 0);
    risposte.reset();
    cartella.reset();
    FissaOrologio(std::nullopt);
}

void TestSetDesk::apri() {
    desk.emplace([this](std::int16_t hotel, std::int16_t tableau, const QString& prima,
                        const QString& ultima, const QString& data) {
        richieste.push_back({hotel, tableau, prima, ultima, data});
        if (menuDiStampa)
            menuDiStampa();
    });
    desk->Show();
    QVERIFY(QTest::qWaitForWindowActive(desk->widget()));
}

void TestSetDesk::alberghiETableauInOrdineDeiRecord() {
    ScriviArchiviDiProva();
    apri();
    QCOMPARE(desk->Caption(), QStringLiteral("Tableau Settimanale"));
    QCOMPARE(Voci(desk->Combo1(SetDesk::Elenco::Hotel)),
             (QStringList{"  1 Hotel Uno", " 12 Hotel Dodici"}));
    QCOMPARE(desk->Combo1(SetDesk::Elenco::Hotel).Text(), QStringLiteral("  1 Hotel Uno"));
    QCOMPARE(Voci(desk->Combo1(SetDesk::Elenco::Tableau)),
             (QStringList{"  7 Piano primo", "  2 Appartamenti"}));
    QCOMPARE(desk->Combo1(SetDesk::Elenco::Tableau).Text(), QStringLiteral("  7 Piano primo"));
    QCOMPARE(desk->HotelScelto(), std::int16_t{1});
    QCOMPARE(desk->TableauScelto(), std::int16_t{7});
    // Lowest and highest bedroom in text order: 101 comes before 99.
    QCOMPARE(desk->Text1(SetDesk::Campo::PrimaCamera).Text(), QStringLiteral("101"));
    QCOMPARE(desk->Text1(SetDesk::Campo::UltimaCamera).Text(), QStringLiteral("99"));
    QCOMPARE(desk->Text1(SetDesk::Campo::DataInizio).Text(), Oggi);
    // The focus is in the first room field, whose text typing replaces.
    QVERIFY(desk->Text1(SetDesk::Campo::PrimaCamera).HaIlFuoco());
    QCOMPARE(desk->Text1(SetDesk::Campo::PrimaCamera).SelLength(), 3);
    QTest::keyClicks(desk->Text1(SetDesk::Campo::PrimaCamera).widget(), QStringLiteral("2"));
    QCOMPARE(desk->Text1(SetDesk::Campo::PrimaCamera).Text(), QStringLiteral("2"));
}

void TestSetDesk::sceltaDelSecondoAlbergo() {
    ScriviArchiviDiProva();
    apri();
    // The user opens the list and moves down to the second hotel.
    desk->Combo1(SetDesk::Elenco::Hotel).SetFocus();
    QTest::keyClick(desk->Combo1(SetDesk::Elenco::Hotel).widget(), Qt::Key_Down);
    QCOMPARE(desk->HotelScelto(), std::int16_t{12});
    QCOMPARE(Voci(desk->Combo1(SetDesk::Elenco::Tableau)), QStringList{"  3 Dodici"});
    QCOMPARE(desk->TableauScelto(), std::int16_t{3});
    QCOMPARE(desk->Text1(SetDesk::Campo::PrimaCamera).Text(), QStringLiteral("12"));
    QCOMPARE(desk->Text1(SetDesk::Campo::UltimaCamera).Text(), QStringLiteral("12"));
    QVERIFY(desk->Tasto(SetDesk::Comando::Stampa).HaIlFuoco());
}

void TestSetDesk::tableauSenzaCamereDaLetto() {
    ScriviArchiviDiProva();
    apri();
    desk->Combo1(SetDesk::Elenco::Tableau).setText(desk->Combo1(SetDesk::Elenco::Tableau).List(1));
    QCOMPARE(desk->TableauScelto(), std::int16_t{2});
    QCOMPARE(desk->Text1(SetDesk::Campo::PrimaCamera).Text(), QString(QChar(255)));
    QCOMPARE(desk->Text1(SetDesk::Campo::UltimaCamera).Text(), QString());
    QVERIFY(desk->Tasto(SetDesk::Comando::Stampa).HaIlFuoco());
}

void TestSetDesk::ordineDiTabulazione() {
    ScriviArchiviDiProva();
    apri();
    const std::vector<const Controllo*> ordine = {
        &desk->Text1(SetDesk::Campo::UltimaCamera), &desk->Text1(SetDesk::Campo::DataInizio),
        &desk->Tasto(SetDesk::Comando::Stampa),     &desk->Tasto(SetDesk::Comando::Esci),
        &desk->Combo1(SetDesk::Elenco::Tableau),    &desk->Combo1(SetDesk::Elenco::Hotel),
        &desk->Text1(SetDesk::Campo::PrimaCamera)};
    for (const Controllo* prossimo : ordine) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), prossimo->widget());
    }
    // Entering a field by Tab selects its whole text.
    QCOMPARE(desk->Text1(SetDesk::Campo::PrimaCamera).SelLength(), 3);
    QCOMPARE(SenzaNomeAccessibile(*desk->widget()), QStringList());
}

void TestSetDesk::intervalloPredefinitoAccettatoDaStampa() {
    ScriviArchiviDiProva();
    apri();
    Clic(desk->Tasto(SetDesk::Comando::Stampa));
    QCOMPARE(richieste.size(), std::size_t{1});
    QCOMPARE(richieste.front(), (Richiesta{1, 7, "101", "99", Oggi}));
    QVERIFY(risposte->Mostrati().empty());
}

void TestSetDesk::invioPulisceECompleta() {
    ScriviArchiviDiProva();
    apri();
    // An empty room field becomes a single blank; Enter moves on.
    QTest::keyClick(desk->Text1(SetDesk::Campo::PrimaCamera).widget(), Qt::Key_Delete);
    Invio(desk->Text1(SetDesk::Campo::PrimaCamera));
    QCOMPARE(desk->Text1(SetDesk::Campo::PrimaCamera).Text(), QStringLiteral(" "));
    QVERIFY(desk->Text1(SetDesk::Campo::UltimaCamera).HaIlFuoco());

    QTest::keyClicks(desk->Text1(SetDesk::Campo::UltimaCamera).widget(), QStringLiteral("a'2"));
    Invio(desk->Text1(SetDesk::Campo::UltimaCamera));
    QCOMPARE(desk->Text1(SetDesk::Campo::UltimaCamera).Text(), QStringLiteral("A2"));
    QVERIFY(desk->Text1(SetDesk::Campo::DataInizio).HaIlFuoco());

    QTest::keyClicks(desk->Text1(SetDesk::Campo::DataInizio).widget(), QStringLiteral("070126"));
    Invio(desk->Text1(SetDesk::Campo::DataInizio));
    QCOMPARE(desk->Text1(SetDesk::Campo::DataInizio).Text(), QStringLiteral("07/01/2026"));
    QVERIFY(desk->Tasto(SetDesk::Comando::Stampa).HaIlFuoco());

    // Enter on the focused Stampa button asks for the tableau.
    QTest::keyClick(desk->Tasto(SetDesk::Comando::Stampa).widget(), Qt::Key_Return);
    QCOMPARE(richieste.size(), std::size_t{1});
    QCOMPARE(richieste.front(), (Richiesta{1, 7, " ", "A2", "07/01/2026"}));
    QVERIFY(risposte->Mostrati().empty());
}

void TestSetDesk::dataCortaSenzaInvioRifiutata() {
    ScriviArchiviDiProva();
    apri();
    Scrivi(desk->Text1(SetDesk::Campo::DataInizio), QStringLiteral("070126"));
    risposte->Accoda(Risposta::Ok);
    Clic(desk->Tasto(SetDesk::Comando::Stampa));
    QVERIFY(richieste.empty());
    QCOMPARE(risposte->Mostrati().size(), std::size_t{1});
    const MessaggioMostrato& avviso = risposte->Mostrati().front();
    QCOMPARE(avviso.testo, TestoData);
    QCOMPARE(avviso.titolo, QStringLiteral("Data errata!"));
    QCOMPARE(avviso.stile, Stile::Avviso);
    QCOMPARE(desk->Text1(SetDesk::Campo::DataInizio).Text(), Oggi);
    QVERIFY(desk->Text1(SetDesk::Campo::DataInizio).HaIlFuoco());
}

void TestSetDesk::dataImpossibileRimetteOggi() {
    ScriviArchiviDiProva();
    apri();
    Scrivi(desk->Text1(SetDesk::Campo::DataInizio), QStringLiteral("31/02/2026"));
    risposte->Accoda(Risposta::Ok);
    Invio(desk->Text1(SetDesk::Campo::DataInizio));
    QCOMPARE(risposte->Mostrati().size(), std::size_t{1});
    QCOMPARE(risposte->Mostrati().front().titolo, QStringLiteral("Data errata!"));
    QCOMPARE(desk->Text1(SetDesk::Campo::DataInizio).Text(), Oggi);
    QVERIFY(!desk->Tasto(SetDesk::Comando::Stampa).HaIlFuoco());
}

void TestSetDesk::camereUgualiStampaSiInvioNo() {
    ScriviArchiviDiProva();
    apri();
    desk->Combo1(SetDesk::Elenco::Hotel).setText(desk->Combo1(SetDesk::Elenco::Hotel).List(1));
    QCOMPARE(desk->Text1(SetDesk::Campo::PrimaCamera).Text(),
             desk->Text1(SetDesk::Campo::UltimaCamera).Text());

    risposte->Accoda(Risposta::Ok);
    Invio(desk->Text1(SetDesk::Campo::UltimaCamera));
    QCOMPARE(risposte->Mostrati().size(), std::size_t{1});
    QCOMPARE(risposte->Mostrati().front().testo, TestoCamere);
    QCOMPARE(risposte->Mostrati().front().titolo, QStringLiteral("Camere errate!"));
    // Closing the warning started the choice afresh, from the first hotel.
    QCOMPARE(desk->HotelScelto(), std::int16_t{1});

    desk->Combo1(SetDesk::Elenco::Hotel).setText(desk->Combo1(SetDesk::Elenco::Hotel).List(1));
    Clic(desk->Tasto(SetDesk::Comando::Stampa));
    QCOMPARE(richieste.size(), std::size_t{1});
    QCOMPARE(richieste.front(), (Richiesta{12, 3, "12", "12", Oggi}));
}

void TestSetDesk::intervalloRovesciatoRifiutato() {
    ScriviArchiviDiProva();
    apri();
    Scrivi(desk->Text1(SetDesk::Campo::PrimaCamera), QStringLiteral("200"));
    Scrivi(desk->Text1(SetDesk::Campo::UltimaCamera), QStringLiteral("100"));
    risposte->Accoda(Risposta::Ok);
    Clic(desk->Tasto(SetDesk::Comando::Stampa));
    QVERIFY(richieste.empty());
    QCOMPARE(risposte->Mostrati().size(), std::size_t{1});
    QCOMPARE(risposte->Mostrati().front().titolo, QStringLiteral("Camere errate!"));
    QVERIFY(desk->Text1(SetDesk::Campo::PrimaCamera).HaIlFuoco());
}

void TestSetDesk::dopoIlMenuDiStampaRicominciaDaCapo() {
    ScriviArchiviDiProva();
    apri();
    // A print menu that the user closes at once.
    Finestra menu(QStringLiteral("Menu"), 1440, 1440);
    SostituisciUtente(menu, [&] { menu.Unload(); });
    menuDiStampa = [&] { menu.Show(Modo::Modale); };

    desk->Combo1(SetDesk::Elenco::Hotel).setText(desk->Combo1(SetDesk::Elenco::Hotel).List(1));
    Scrivi(desk->Text1(SetDesk::Campo::DataInizio), QStringLiteral("10/01/2026"));
    Clic(desk->Tasto(SetDesk::Comando::Stampa));
    QCOMPARE(richieste.size(), std::size_t{1});
    QCOMPARE(richieste.front(), (Richiesta{12, 3, "12", "12", "10/01/2026"}));
    QCOMPARE(desk->Combo1(SetDesk::Elenco::Hotel).Text(), QStringLiteral("  1 Hotel Uno"));
    QCOMPARE(desk->Text1(SetDesk::Campo::PrimaCamera).Text(), QStringLiteral("101"));
    QCOMPARE(desk->Text1(SetDesk::Campo::DataInizio).Text(), Oggi);
    QVERIFY(desk->Caricata());
}

// Another program of the suite adds a hotel, a tableau and a room while the
// window is open: the next activation shows them.
void TestSetDesk::archiviCambiatiRilettiAllaRiattivazione() {
    ScriviArchiviDiProva();
    apri();
    Finestra menu(QStringLiteral("Menu"), 1440, 1440);
    SostituisciUtente(menu, [&] { menu.Unload(); });
    menuDiStampa = [&] { menu.Show(Modo::Modale); };
    QCOMPARE(Voci(desk->Combo1(SetDesk::Elenco::Hotel)),
             (QStringList{"  1 Hotel Uno", " 12 Hotel Dodici"}));

    ScriviArchiviDiProva([](ArchiviDemo& archivi) {
        archivi.tabella("AnagraficaHotels")
            .riga({5, QString("Hotel Cinque"), QString(), QString()});
        archivi.tabella("Tableau").riga({1, 9, QString("Piano nono")});
        archivi.tabella("NumeriCamere").riga({1, 7, QString("1000"), QString("DBL"), 2});
    });
    Clic(desk->Tasto(SetDesk::Comando::Stampa));
    QCOMPARE(richieste.size(), std::size_t{1});
    QCOMPARE(Voci(desk->Combo1(SetDesk::Elenco::Hotel)),
             (QStringList{"  1 Hotel Uno", " 12 Hotel Dodici", "  5 Hotel Cinque"}));
    QCOMPARE(Voci(desk->Combo1(SetDesk::Elenco::Tableau)),
             (QStringList{"  7 Piano primo", "  2 Appartamenti", "  9 Piano nono"}));
    QCOMPARE(desk->Text1(SetDesk::Campo::PrimaCamera).Text(), QStringLiteral("1000"));
}

void TestSetDesk::esciTerminaIlProgramma() {
    ScriviArchiviDiProva();
    SetDesk finestra;
    QMetaObject::invokeMethod(
        qApp, [&] { Clic(finestra.Tasto(SetDesk::Comando::Esci)); }, Qt::QueuedConnection);
    QCOMPARE(AvviaProgramma(finestra), 0);
    QVERIFY(!finestra.Caricata());
    // The databases are released: the files can be replaced.
    QVERIFY(QFile::remove(QStringLiteral("Tableau.mdb")));
}

void TestSetDesk::archiviMancantiUnMessaggioEUscita() {
    CatturaErrori errori;
    SetDesk finestra;
    risposte->Accoda(Risposta::Ok);
    QCOMPARE(AvviaProgramma(finestra), 1);
    QVERIFY(!finestra.widget()->isVisible());
    QCOMPARE(risposte->Mostrati().size(), std::size_t{1});
    const MessaggioMostrato& avviso = risposte->Mostrati().front();
    QVERIFY2(avviso.testo.contains(QStringLiteral("Tableau.mdb")), qPrintable(avviso.testo));
    QVERIFY2(avviso.testo.contains(QDir::toNativeSeparators(QDir::currentPath())),
             qPrintable(avviso.testo));
    // How the folder is chosen, for a program started from the desktop in the wrong one.
    QVERIFY2(avviso.testo.contains(QStringLiteral("riga Path=")), qPrintable(avviso.testo));
    QCOMPARE(avviso.stile, Stile::Avviso);
    QVERIFY(errori.testo().contains("Tableau.mdb"));
}

void TestSetDesk::senzaAlberghiTerminaDicendoPerche() {
    ScriviArchiviSenzaAlberghi();
    CatturaErrori errori;
    SetDesk finestra;
    QCOMPARE(AvviaProgramma(finestra), 1);
    QVERIFY(!finestra.Caricata());
    QVERIFY(risposte->Mostrati().empty());
    QVERIFY2(errori.testo().contains("nessun albergo"), errori.testo().constData());
}

void TestSetDesk::albergoSenzaTableauTerminaDicendoPerche() {
    ScriviArchiviDiProva([](ArchiviDemo& archivi) {
        archivi.tabella("AnagraficaHotels")
            .riga({5, QString("Senza tableau"), QString(), QString()});
    });
    CatturaErrori errori;
    SetDesk finestra;
    QMetaObject::invokeMethod(
        qApp,
        [&] {
            finestra.Combo1(SetDesk::Elenco::Hotel)
                .setText(finestra.Combo1(SetDesk::Elenco::Hotel).List(2));
        },
        Qt::QueuedConnection);
    QCOMPARE(AvviaProgramma(finestra), 1);
    QVERIFY(!finestra.Caricata());
    QVERIFY(risposte->Mostrati().empty());
    QVERIFY2(errori.testo().contains("albergo 5"), errori.testo().constData());
}

// TipiCamere.mdb is opened afresh for each tableau chosen: when it is
// missing, each choice is reported once and the window goes on working.
void TestSetDesk::archivioMancanteDuranteLaRichiesta() {
    ScriviArchiviDiProva();
    QVERIFY(QFile::remove(QStringLiteral("TipiCamere.mdb")));
    risposte->Accoda(Risposta::Ok);
    apri();
    QCOMPARE(risposte->Mostrati().size(), std::size_t{1});
    QVERIFY(risposte->Mostrati().back().testo.contains(QStringLiteral("TipiCamere.mdb")));
    QVERIFY(desk->Caricata());

    risposte->Accoda(Risposta::Ok);
    desk->Combo1(SetDesk::Elenco::Tableau).setText(desk->Combo1(SetDesk::Elenco::Tableau).List(1));
    QCOMPARE(risposte->Mostrati().size(), std::size_t{2});

    Scrivi(desk->Text1(SetDesk::Campo::PrimaCamera), QStringLiteral("101"));
    Scrivi(desk->Text1(SetDesk::Campo::UltimaCamera), QStringLiteral("102"));
    Clic(desk->Tasto(SetDesk::Comando::Stampa));
    QCOMPARE(richieste.size(), std::size_t{1});
    QCOMPARE(richieste.front(), (Richiesta{1, 7, "101", "102", Oggi}));
}

// The rooms' tableau numbers kept as text: the search for the chosen
// tableau's rooms is refused with a message naming the field, rather than
// giving a range of no rooms; the window goes on working.
void TestSetDesk::tableauDiTipoInattesoSegnalato() {
    ScriviArchiviDiProva();
    ScrittoreMdb scrittore;
    TabellaMdb& camere = scrittore.tabella(QStringLiteral("NumeriCamere"));
    camere.colonna(QStringLiteral("NumeroHotel"), TipoJet::Intero)
        .colonna(QStringLiteral("NumeroTableau"), TipoJet::Testo, 5)
        .colonna(QStringLiteral("NumeroCamera"), TipoJet::Testo, 10)
        .colonna(QStringLiteral("TipoCamera"), TipoJet::Testo, 5)
        .colonna(QStringLiteral("PostiLetto"), TipoJet::Intero);
    camere.riga({1, QString("7"), QString("101"), QString("DBL"), 2});
    camere.riga({12, QString("3"), QString("12"), QString("DBL"), 2});
    scrittore.salva(QStringLiteral("NumeriCamere.mdb"));

    CatturaErrori errori;
    risposte->Accoda(Risposta::Ok);
    apri();
    QCOMPARE(risposte->Mostrati().size(), std::size_t{1});
    const MessaggioMostrato& avviso = risposte->Mostrati().front();
    QCOMPARE(avviso.testo,
             QStringLiteral("Tipo di dati non corrispondente: il campo NumeroTableau della "
                            "tabella NumeriCamere dell'archivio NumeriCamere.mdb contiene "
                            "testo ed è confrontato con un numero"));
    QCOMPARE(avviso.titolo, QStringLiteral("Archivio non disponibile"));
    QVERIFY(errori.testo().contains("NumeroTableau"));
    QVERIFY(desk->Caricata());
    QCOMPARE(Voci(desk->Combo1(SetDesk::Elenco::Tableau)),
             (QStringList{"  7 Piano primo", "  2 Appartamenti"}));
}

void TestSetDesk::erroreDellaStampaSegnalato() {
    ScriviArchiviDiProva();
    apri();
    menuDiStampa = [] {
        throw Errore(GenereErrore::FileStampa,
                     QStringLiteral("Impossibile scrivere il file di stampa FD1"));
    };
    risposte->Accoda(Risposta::Ok);
    Clic(desk->Tasto(SetDesk::Comando::Stampa));
    QCOMPARE(risposte->Mostrati().size(), std::size_t{1});
    QCOMPARE(risposte->Mostrati().front().testo,
             QStringLiteral("Impossibile scrivere il file di stampa FD1"));
    QCOMPARE(risposte->Mostrati().front().titolo, QStringLiteral("Stampa non eseguita"));
    QVERIFY(desk->Caricata());

    menuDiStampa = {};
    Clic(desk->Tasto(SetDesk::Comando::Stampa));
    QCOMPARE(richieste.size(), std::size_t{2});
}

QTEST_MAIN(TestSetDesk)
#include "test_setdesk.moc"
