// The print menu on fixture databases, with the desktop's printers, opener
// and warning box in the test's hands: layout, the load steps and their
// failures, the activation, and each of the six buttons.
#include "prove/menu/AllApparire.h"
#include "prove/menu/ArchiviDelMenu.h"

#include "prove/output/DatiDiProva.h"
#include "prove/print/VariabiliDiProva.h"

#include "menu/MenuStampa.h"
#include "msgbox/Stili.h"
#include "prove/msgbox/RisposteDiProva.h"
#include "prove/ui/UtenteSostituito.h"
#include "prove/util/CartellaDiProva.h"
#include "prove/util/NomiAccessibili.h"
#include "routines/Orologio.h"
#include "ui/Schermo.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <memory>
#include <optional>

namespace {

const std::vector<DestinazioneDiProva> kTreDestinazioni = {
    {1, "Ufficio", "ufficio.prn"},
    {1, "Archivio PDF", "archivio.prn"},
    {2, "Portineria", "portineria.prn"},
    {1, "Stampante PDF", "stampantepdf.prn"},
};
const QString kAnteprima = QStringLiteral("Anteprima di Stampa");

QStringList Voci(const ElencoATendina& elenco) {
    QStringList voci;
    for (int i = 0; i < elenco.ListCount(); ++i)
        voci << elenco.List(i);
    return voci;
}

QColor ColoreDi(const QWidget* widget, QPalette::ColorRole ruolo) {
    return widget->palette().color(ruolo);
}

QStringList CopieDelDocumento() {
    return QDir(QStringLiteral("doc")).entryList(QDir::Files, QDir::Name);
}

// The file names of the current folder that end in ".prn": the targets that
// received a print.
QStringList Stampati() {
    return QDir().entryList({QStringLiteral("*.prn")}, QDir::Files, QDir::Name);
}

} // namespace

class TestMenuStampa : public QObject {
    Q_OBJECT

    struct Avviso {
        QString testo;
        QString titolo;
        bool operator==(const Avviso&) const = default;
    };

    std::optional<CartellaDiProva> cartella;
    std::optional<VariabiliDiProva> variabili;
    std::optional<RisposteDiProva> risposte;
    QStringList stampanti;
    QStringList aperti;
    // Why the desktop opens no file, when the test wants it so.
    QString nonApre;
    std::vector<Avviso> avvisi;
    std::unique_ptr<MenuStampa> menu;
    // The hotel the selection window hands the menu.
    std::int16_t hotel = 1;

    ServiziDelDesktop Servizi() {
        ServiziDelDesktop servizi;
        servizi.stampanti = [this] { return stampanti; };
        servizi.apri = [this](const QString& percorso, const SeNonAperto& nonAperto) {
            aperti << percorso;
            if (!nonApre.isEmpty())
                nonAperto(nonApre);
        };
        servizi.avviso = [this](QWidget*, const QString& testo, const QString& titolo) {
            avvisi.push_back({testo, titolo});
        };
        return servizi;
    }

    // A new menu, shown as a window of its own.
    MenuStampa& Apri() {
        menu = std::make_unique<MenuStampa>(hotel, Servizi());
        menu->Show();
        return *menu;
    }

    // Presses button 4 and closes the preview as soon as it is shown; the
    // text the preview showed.
    QString AnteprimaChiusa() {
        QString vista;
        AllApparire(kAnteprima, [&](QWidget& finestra) {
            vista = finestra.findChild<QPlainTextEdit*>()->toPlainText();
            finestra.close();
        });
        menu->Tst(MenuStampa::Comando::Anteprima).Premi();
        return vista;
    }

  private slots:
    void init();
    void cleanup();

    void controlliInVistaSenzaSovrapporsi();
    void caricamentoCopiaIlFileDiStampa();
    void caricamentoIgnoraOgniPassoFallito_data();
    void caricamentoIgnoraOgniPassoFallito();
    void copieDelDocumentoAlMinuto();
    void stampantiInstallate();
    void attivazioneRileggeDestinazioniEOpzioni();
    void soloDestinazioniDiAltriAlberghiChiude();
    void pdfUltimaDestinazioneInMaiuscolo();
    void pdfNonTrovatoSenzaMaiuscole();
    void stampanteSceltaPrevaleSulPdf();
    void nessunaStampanteNonEUnBersaglio();
    void stampaConCaselleEOpzioni_data();
    void stampaConCaselleEOpzioni();
    void documentoEFoglioDiCalcoloAperti();
    void senzaFileDiStampaNienteDaAprire();
    void erroriSegnalatiIlMenuResta();
    void fileNonApertoSegnalatoEscChiude();
    void chiudi();
};

void TestMenuStampa::init() {
    FissaOrologio(QDateTime(QDate(2026, 3, 7), QTime(14, 5, 10)));
    cartella.emplace();
    variabili.emplace();
    variabili->togli("PCLocal");
    variabili->imposta("PCLocal", "2");
    risposte.emplace();
    hotel = 1;
    stampanti = {QStringLiteral("Laser ufficio")};
    aperti.clear();
    nonApre.clear();
    avvisi.clear();
    cartella->scrivi(QStringLiteral("FD2"), TableauDiProva());
}

void TestMenuStampa::cleanup() {
    menu.reset();
    QCOMPARE(risposte->InAttesa(), 0);
    risposte.reset();
    variabili.reset();
    cartella.reset();
    FissaOrologio(std::nullopt);
}

void TestMenuStampa::controlliInVistaSenzaSovrapporsi() {
    ScriviArchiviDelMenu(kTreDestinazioni);
    MenuStampa& m = Apri();
    QCOMPARE(m.Caption(), QStringLiteral("Stampe non modificabili"));
    // Centred on the screen.
    QCOMPARE(m.Left(), std::max(0, (Schermo::Width() - m.Width()) / 2));
    QCOMPARE(m.Top(), std::max(0, (Schermo::Height() - m.Height()) / 2));

    // The two lists one above the other, lined up, within the window.
    QCOMPARE(m.Combo1.Left(), m.Combo2.Left());
    QCOMPARE(m.Combo1.Width(), m.Combo2.Width());
    QVERIFY(m.Combo1.Top() + m.Combo1.Height() <= m.Combo2.Top());
    QVERIFY(m.Combo1.Left() >= 0 && m.Combo1.Left() + m.Combo1.Width() <= m.Width());

    const std::vector<std::pair<const Casella*, QString>> caselle = {
        {&m.Chk, "Stampa Compressa"},
        {&m.Chk2, "Stampa orizzontale"},
        {&m.Chk3, "Stampa fronte / retro"}};
    for (const auto& [casella, caption] : caselle) {
        QCOMPARE(casella->Caption(), caption);
        QCOMPARE(casella->Value(), 0);
        // Legible on the window's colour, and whole in its box whatever face
        // stands in for the one designed.
        QVERIFY(ColoreDi(casella->widget(), QPalette::WindowText) !=
                ColoreDi(m.widget(), QPalette::Window));
        const auto* spunta = casella->widget();
        QVERIFY2(spunta->sizeHint().width() <= spunta->width() + 2, qPrintable(caption));
    }

    // One row of square pictures of one size without captions, left to
    // right: print, preview, document, spreadsheet, PDF, exit.
    using C = MenuStampa::Comando;
    const Pulsante* prima = nullptr;
    for (const C comando :
         {C::Stampa, C::Anteprima, C::Documento, C::FoglioDiCalcolo, C::Pdf, C::Chiudi}) {
        const Pulsante& tasto = m.Tst(comando);
        const auto* vista = static_cast<const QPushButton*>(tasto.widget());
        QCOMPARE(tasto.Top(), m.Tst(C::Stampa).Top());
        QCOMPARE(tasto.Width(), m.Tst(C::Stampa).Width());
        QCOMPARE(tasto.Height(), tasto.Width());
        QVERIFY(!prima || prima->Left() + prima->Width() <= tasto.Left());
        QVERIFY(tasto.Left() + tasto.Width() <= m.Width());
        QVERIFY(vista->text().isEmpty());
        QVERIFY2(!vista->icon().pixmap(64).isNull(), qPrintable(vista->toolTip()));
        prima = &tasto;
    }
}

void TestMenuStampa::caricamentoCopiaIlFileDiStampa() {
    ScriviArchiviDelMenu(kTreDestinazioni);
    hotel = 0;
    MenuStampa& m = Apri();
    QCOMPARE(m.Hotel(), std::int16_t{1});
    QCOMPARE(m.NomeDocumento(), QStringLiteral("doc/fd2202603071405.doc"));
    QCOMPARE(CopieDelDocumento(), QStringList{"fd2202603071405.doc"});
    QCOMPARE(cartella->leggi(m.NomeDocumento()), TableauDiProva());
}

void TestMenuStampa::caricamentoIgnoraOgniPassoFallito_data() {
    QTest::addColumn<int>("guasto");
    QTest::newRow("nessun file di stampa") << 0;
    QTest::newRow("doc e' un file") << 1;
    QTest::newRow("PCLocal rifiutato") << 2;
}

void TestMenuStampa::caricamentoIgnoraOgniPassoFallito() {
    QFETCH(int, guasto);
    ScriviArchiviDelMenu(kTreDestinazioni);
    switch (guasto) {
    case 0:
        QVERIFY(QFile::remove(QStringLiteral("FD2")));
        break;
    case 1:
        cartella->scrivi(QStringLiteral("doc"), "non una cartella");
        break;
    default:
        variabili->imposta("PCLocal", "../2");
        break;
    }
    MenuStampa& m = Apri();
    QVERIFY(m.Caricata());
    QVERIFY(CopieDelDocumento().isEmpty());
    QCOMPARE(m.NomeDocumento().isEmpty(), guasto == 2);
    // The later steps ran: printers and destinations are listed.
    QCOMPARE(Voci(m.Combo2), QStringList{"Laser ufficio"});
    QCOMPARE(m.Combo1.Text(), QStringLiteral("Ufficio"));
}

void TestMenuStampa::copieDelDocumentoAlMinuto() {
    ScriviArchiviDelMenu(kTreDestinazioni);
    Apri();
    menu->Tst(MenuStampa::Comando::Chiudi).Premi();
    // A second showing in the same minute replaces the copy with the report
    // written since.
    cartella->scrivi(QStringLiteral("FD2"), "seconda stampa\r\n");
    FissaOrologio(QDateTime(QDate(2026, 3, 7), QTime(14, 5, 50)));
    Apri();
    QCOMPARE(CopieDelDocumento(), QStringList{"fd2202603071405.doc"});
    QCOMPARE(cartella->leggi(QStringLiteral("doc/fd2202603071405.doc")),
             QByteArray("seconda stampa\r\n"));

    FissaOrologio(QDateTime(QDate(2026, 3, 7), QTime(14, 6, 0)));
    Apri();
    QCOMPARE(CopieDelDocumento(), (QStringList{"fd2202603071405.doc", "fd2202603071406.doc"}));
}

void TestMenuStampa::stampantiInstallate() {
    ScriviArchiviDelMenu(kTreDestinazioni);
    stampanti = {QStringLiteral("Laser ufficio"), QStringLiteral("PDF"), QStringLiteral("Aghi")};
    MenuStampa& m = Apri();
    QCOMPARE(Voci(m.Combo2), stampanti);
    QCOMPARE(m.Combo2.Text(), QString());

    stampanti.clear();
    MenuStampa& senza = Apri();
    QCOMPARE(Voci(senza.Combo2), QStringList{"<nessuna stampante>"});
}

void TestMenuStampa::attivazioneRileggeDestinazioniEOpzioni() {
    ScriviArchiviDelMenu(kTreDestinazioni, QStringLiteral("K"));
    MenuStampa& m = Apri();
    QCOMPARE(Voci(m.Combo1), (QStringList{"Ufficio", "Archivio PDF", "Stampante PDF"}));
    QCOMPARE(m.Combo1.Text(), QStringLiteral("Ufficio"));
    QCOMPARE(m.Opzioni().testo(), QStringLiteral("K"));

    // The user picks a destination, a printer and a tick, looks at the
    // preview; meanwhile the settings change.
    m.Combo1.setText(QStringLiteral("Stampante PDF"));
    m.Combo2.setText(QStringLiteral("Laser ufficio"));
    m.Chk2.setValue(1);
    std::vector<DestinazioneDiProva> nuove = kTreDestinazioni;
    nuove.push_back({1, "Cassa", "cassa.prn"});
    ScriviArchiviDelMenu(nuove, QStringLiteral("U"));
    QVERIFY(AnteprimaChiusa().contains(QStringLiteral("Hotel Bellavista")));

    QVERIFY(m.Caricata());
    QCOMPARE(Voci(m.Combo1), (QStringList{"Ufficio", "Archivio PDF", "Stampante PDF", "Cassa"}));
    QCOMPARE(m.Combo1.Text(), QStringLiteral("Ufficio"));
    QCOMPARE(m.Opzioni().testo(), QStringLiteral("U"));
    QCOMPARE(m.Combo2.Text(), QStringLiteral("Laser ufficio"));
    QCOMPARE(m.Chk2.Value(), 1);
}

void TestMenuStampa::soloDestinazioniDiAltriAlberghiChiude() {
    ScriviArchiviDelMenu({{2, "Portineria", "portineria.prn"}});
    MenuStampa m(hotel, Servizi());
    bool utente = false;
    SostituisciUtente(m, [&] { utente = true; });
    m.Show(Modo::Modale);
    QVERIFY(!utente);
    QVERIFY(!m.Caricata());
    QVERIFY(!m.widget()->isVisible());
    QVERIFY(risposte->Mostrati().empty());
}

void TestMenuStampa::pdfUltimaDestinazioneInMaiuscolo() {
    ScriviArchiviDelMenu(kTreDestinazioni);
    MenuStampa& m = Apri();
    m.Tst(MenuStampa::Comando::Pdf).Premi();
    QCOMPARE(m.Combo1.Text(), QStringLiteral("Stampante PDF"));
    QCOMPARE(Stampati(), QStringList{"stampantepdf.prn"});
    QVERIFY(cartella->leggi(QStringLiteral("stampantepdf.prn")).startsWith(kAvvioNormale));
    QVERIFY(avvisi.empty());
}

void TestMenuStampa::pdfNonTrovatoSenzaMaiuscole() {
    ScriviArchiviDelMenu(
        {{1, "Ufficio", "ufficio.prn"}, {1, "Stampante Pdf", "pdf.prn"}, {2, "PDF", "altro.prn"}});
    MenuStampa& m = Apri();
    m.Combo1.setText(QStringLiteral("Stampante Pdf"));
    m.Tst(MenuStampa::Comando::Pdf).Premi();
    QCOMPARE(avvisi, (std::vector<Avviso>{{"Nessuna stampante PDF impostata!", "Stampa"}}));
    QCOMPARE(m.Combo1.Text(), QStringLiteral("Stampante Pdf"));
    QVERIFY(Stampati().isEmpty());
}

void TestMenuStampa::stampanteSceltaPrevaleSulPdf() {
    ScriviArchiviDelMenu(kTreDestinazioni);
    stampanti = {QStringLiteral("Laser ufficio"), QStringLiteral("scelta.prn")};
    MenuStampa& m = Apri();
    m.Combo2.setText(QStringLiteral("scelta.prn"));
    m.Tst(MenuStampa::Comando::Pdf).Premi();
    QCOMPARE(m.Combo1.Text(), QStringLiteral("Stampante PDF"));
    QCOMPARE(Stampati(), QStringList{"scelta.prn"});
}

void TestMenuStampa::nessunaStampanteNonEUnBersaglio() {
    ScriviArchiviDelMenu(kTreDestinazioni);
    stampanti.clear();
    MenuStampa& m = Apri();
    m.Combo2.setText(MenuStampa::kNessunaStampante);
    QCOMPARE(m.Combo2.Text(), QStringLiteral("<nessuna stampante>"));
    m.Tst(MenuStampa::Comando::Stampa).Premi();
    QCOMPARE(QDir().entryList(QDir::Files).filter(QStringLiteral("nessuna")), QStringList());
    QCOMPARE(Stampati(), QStringList{"ufficio.prn"});
}

void TestMenuStampa::stampaConCaselleEOpzioni_data() {
    QTest::addColumn<QString>("opzioni");
    QTest::addColumn<bool>("compressa");
    QTest::addColumn<QByteArray>("avvio");
    QTest::addColumn<bool>("corniciIntatte");
    QTest::newRow("normale, cornici convertite") << QString() << false << kAvvioNormale << false;
    QTest::newRow("compressa, cornici della stampante")
        << QStringLiteral("K") << true << kAvvioCompresso << true;
}

void TestMenuStampa::stampaConCaselleEOpzioni() {
    QFETCH(QString, opzioni);
    QFETCH(bool, compressa);
    QFETCH(QByteArray, avvio);
    QFETCH(bool, corniciIntatte);
    ScriviArchiviDelMenu(kTreDestinazioni, opzioni);
    MenuStampa& m = Apri();
    m.Chk.setValue(compressa ? 1 : 0);
    m.Combo1.setText(QStringLiteral("Archivio PDF"));
    m.Tst(MenuStampa::Comando::Stampa).Premi();
    QVERIFY(m.Caricata());
    const QByteArray stampato = cartella->leggi(QStringLiteral("archivio.prn"));
    QVERIFY(stampato.startsWith(avvio));
    // Byte 179, the vertical frame line of the print file.
    QCOMPARE(stampato.contains('\xb3'), corniciIntatte);
    QVERIFY(stampato.contains("Hotel Bellavista"));
}

void TestMenuStampa::documentoEFoglioDiCalcoloAperti() {
    ScriviArchiviDelMenu(kTreDestinazioni);
    MenuStampa& m = Apri();
    m.Tst(MenuStampa::Comando::Documento).Premi();
    m.Tst(MenuStampa::Comando::FoglioDiCalcolo).Premi();
    QCOMPARE(aperti.size(), 2);
    QCOMPARE(aperti[0], m.NomeDocumento());
    QCOMPARE(QFileInfo(aperti[1]).fileName(), QStringLiteral("fd2.csv"));
    QVERIFY(QFileInfo(aperti[1]).isFile());
    QVERIFY(m.Caricata());
}

void TestMenuStampa::senzaFileDiStampaNienteDaAprire() {
    ScriviArchiviDelMenu(kTreDestinazioni);
    QVERIFY(QFile::remove(QStringLiteral("FD2")));
    MenuStampa& m = Apri();
    m.Tst(MenuStampa::Comando::Documento).Premi();
    risposte->Accoda(Risposta::Ok);
    m.Tst(MenuStampa::Comando::FoglioDiCalcolo).Premi();
    QVERIFY(aperti.isEmpty());
    QCOMPARE(risposte->Mostrati().size(), std::size_t{1});
    QCOMPARE(risposte->Mostrati()[0].titolo, QStringLiteral("Foglio di calcolo non creato"));
    QVERIFY(risposte->Mostrati()[0].testo.contains(QStringLiteral("FD2")));
    QVERIFY(!QFile::exists(QStringLiteral("fd2.csv")));
    QVERIFY(m.Caricata());
}

void TestMenuStampa::erroriSegnalatiIlMenuResta() {
    // A target that cannot be written.
    ScriviArchiviDelMenu({{1, "Ufficio", "manca/ufficio.prn"}});
    MenuStampa& m = Apri();
    risposte->Accoda(Risposta::Ok);
    m.Tst(MenuStampa::Comando::Stampa).Premi();
    QVERIFY(m.Caricata());
    QCOMPARE(risposte->Mostrati().back().titolo, QStringLiteral("Stampa non eseguita"));
    QVERIFY(risposte->Mostrati().back().testo.contains(QStringLiteral("manca/ufficio.prn")));

    // A workstation number that names no file, met by the preview.
    variabili->imposta("PCLocal", "2/3");
    risposte->Accoda(Risposta::Ok);
    m.Tst(MenuStampa::Comando::Anteprima).Premi();
    QVERIFY(m.Caricata());
    QCOMPARE(risposte->Mostrati().back().titolo, QStringLiteral("Anteprima non disponibile"));
    m.Tst(MenuStampa::Comando::Chiudi).Premi();

    // The destinations' database is missing: the activation says so, and
    // the menu stays open for what needs no database.
    variabili->imposta("PCLocal", "2");
    QVERIFY(QFile::remove(QStringLiteral("Stampanti.mdb")));
    risposte->Accoda(Risposta::Ok);
    MenuStampa& senza = Apri();
    QVERIFY(senza.Caricata());
    QCOMPARE(risposte->Mostrati().back().titolo, QStringLiteral("Archivio non disponibile"));
    QVERIFY(risposte->Mostrati().back().testo.contains(QStringLiteral("Stampanti.mdb")));
    QCOMPARE(senza.Combo1.ListCount(), 0);
    senza.Tst(MenuStampa::Comando::Documento).Premi();
    QCOMPARE(aperti, QStringList{senza.NomeDocumento()});
}

void TestMenuStampa::fileNonApertoSegnalatoEscChiude() {
    ScriviArchiviDelMenu(kTreDestinazioni);
    nonApre = QStringLiteral("nessun programma adatto a questo tipo di file");
    MenuStampa& m = Apri();
    QCOMPARE(SenzaNomeAccessibile(*m.widget()), QStringList());
    risposte->Accoda(Risposta::Ok);
    m.Tst(MenuStampa::Comando::FoglioDiCalcolo).Premi();
    risposte->Accoda(Risposta::Ok);
    m.Tst(MenuStampa::Comando::Documento).Premi();
    QCOMPARE(risposte->Mostrati().size(), std::size_t{2});
    const QString cartellaScritta = QDir::toNativeSeparators(QDir::currentPath());
    const QString documento = QFileInfo(m.NomeDocumento()).fileName();
    for (const QString& file : {QStringLiteral("fd2.csv"), documento}) {
        const auto& mostrato =
            risposte->Mostrati()[file == documento ? std::size_t{1} : std::size_t{0}];
        QCOMPARE(mostrato.titolo, QStringLiteral("File non aperto"));
        QVERIFY2(mostrato.testo.contains(QStringLiteral(" file ") + file + QStringLiteral("\r\n")),
                 qPrintable(mostrato.testo));
        QVERIFY(mostrato.testo.contains(
            QStringLiteral("cartella %1")
                .arg(file == documento ? cartellaScritta + QDir::separator() + QStringLiteral("doc")
                                       : cartellaScritta)));
        QVERIFY(mostrato.testo.contains(nonApre));
    }
    QVERIFY(QFile::exists(QStringLiteral("fd2.csv")));
    QVERIFY(m.Caricata());

    // Esc closes the menu as its exit button does, wherever the focus is.
    QVERIFY(QTest::qWaitForWindowActive(m.widget()));
    m.Combo1.SetFocus();
    QTest::keyClick(m.Combo1.widget(), Qt::Key_Escape);
    QVERIFY(!m.Caricata());
}

void TestMenuStampa::chiudi() {
    ScriviArchiviDelMenu(kTreDestinazioni);
    MenuStampa m(hotel, Servizi());
    SostituisciUtente(m, [&] { m.Tst(MenuStampa::Comando::Chiudi).Premi(); });
    m.Show(Modo::Modale);
    QVERIFY(!m.Caricata());
    QVERIFY(Stampati().isEmpty());
}

QTEST_MAIN(TestMenuStampa)
#include "test_menustampa.moc"
