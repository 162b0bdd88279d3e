// One request from start to end on the demo databases, as a user makes it:
// the program's run loop with the selection window, a date typed and
// "&Stampa", the weekly tableau, the print menu with its buttons pressed
// (print on a device file, spreadsheet, preview, document copy, and the PDF
// destination through a real CUPS server), back to the selection window,
// and "&Esci". The desktop's opener is a stand-in on PATH that notes what
// it was asked to open.
#include "prove/menu/AllApparire.h"
#include "prove/menu/XdgOpenDiProva.h"
#include "prove/output/ServerCups.h"
#include "prove/output/StrumentiPdf.h"
#include "prove/print/VariabiliDiProva.h"

#include "app/StampaTableauEMenu.h"
#include "demo/GeneraDemo.h"
#include "menu/MenuStampa.h"
#include "output/StampanteCorrente.h"
#include "prove/msgbox/RisposteDiProva.h"
#include "prove/util/CartellaDiProva.h"
#include "routines/Orologio.h"
#include "ui/Programma.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QSet>
#include <QTest>
#include <QThread>

#include <functional>
#include <optional>

namespace {

const QDate kGiorno(2026, 3, 2);

// Runs `fine` when the scope ends, also when a failed check leaves it early.
struct Infine {
    std::function<void()> fine;
    ~Infine() { fine(); }
};

void Clic(Controllo& controllo) {
    QTest::mouseClick(controllo.widget(), Qt::LeftButton);
}

QSet<QString> PdfDellaDestinazione(const QString& cartella) {
    const QStringList nomi =
        QDir(cartella).entryList({QStringLiteral("*Stampante_PDF*.pdf")}, QDir::Files);
    return {nomi.begin(), nomi.end()};
}

// A PDF of the destination that was not in `prima`, once cups-pdf has
// finished writing it; empty when none came within `secondi`.
QString NuovoPdf(const QString& cartella, const QSet<QString>& prima, int secondi) {
    const QDeadlineTimer scadenza(secondi * 1000);
    while (!scadenza.hasExpired()) {
        const QSet<QString> nuovi = PdfDellaDestinazione(cartella) - prima;
        if (!nuovi.isEmpty())
            return AttendiPdf(cartella, QFileInfo(*nuovi.begin()).completeBaseName(), secondi);
        QThread::msleep(250);
    }
    return {};
}

} // namespace

class TestRichiestaCompleta : public QObject {
    Q_OBJECT

    std::optional<CartellaDiProva> cartella;
    std::optional<VariabiliDiProva> variabili;
    std::optional<XdgOpenDiProva> opener;
    std::optional<RisposteDiProva> risposte;

    // Runs the program on the demo data. The user types the start date in
    // the selection window, presses "&Stampa", does `nelMenu` in the print
    // menu, closes it, and ends the program with "&Esci". The program's
    // exit status.
    int Esegui(const std::function<void(MenuStampa&)>& nelMenu) {
        MenuStampa* menu = nullptr;
        SetDesk desk(StampaTableauEMenu([&](MenuStampa& aperto) { menu = &aperto; }));
        bool menuChiuso = false;
        AllApparire(QStringLiteral("Tableau Settimanale"), [&](QWidget&) {
            // "&Esci" ends the program, also when a check below fails.
            const Infine esci{[&] { Clic(desk.Tasto(SetDesk::Comando::Esci)); }};
            QVERIFY(QTest::qWaitForWindowActive(desk.widget()));
            desk.Text1(SetDesk::Campo::DataInizio).SetFocus();
            QTest::keyClicks(desk.Text1(SetDesk::Campo::DataInizio).widget(),
                             QStringLiteral("020326"));
            QTest::keyClick(desk.Text1(SetDesk::Campo::DataInizio).widget(), Qt::Key_Return);
            QCOMPARE(desk.Text1(SetDesk::Campo::DataInizio).Text(), QStringLiteral("02/03/2026"));
            AllApparire(QStringLiteral("Stampe non modificabili"), [&](QWidget&) {
                const Infine chiudi{[&] { Clic(menu->Tst(MenuStampa::Comando::Chiudi)); }};
                nelMenu(*menu);
                menuChiuso = true;
            });
            Clic(desk.Tasto(SetDesk::Comando::Stampa));
            // Back in the selection window, which starts afresh.
            QVERIFY(menuChiuso);
            QCOMPARE(desk.Text1(SetDesk::Campo::DataInizio).Text(), QStringLiteral("09/03/2026"));
        });
        return AvviaProgramma(desk);
    }

  private slots:
    void init() {
        FissaOrologio(QDateTime(QDate(2026, 3, 9), QTime(10, 30)));
        cartella.emplace();
        OpzioniDemo demo;
        demo.cartella = cartella->percorso();
        demo.riferimento = kGiorno;
        GeneraDemo(demo);
        variabili.emplace();
        variabili->togli("PCLocal");
        variabili->imposta("PCLocal", "5");
        opener.emplace();
        risposte.emplace();
    }

    void cleanup() {
        QCOMPARE(risposte->InAttesa(), 0);
        risposte.reset();
        opener.reset();
        variabili.reset();
        cartella.reset();
        FissaOrologio(std::nullopt);
    }

    void stampaFoglioAnteprimaEDocumento() {
        QString vista;
        const int esito = Esegui([&](MenuStampa& menu) {
            QCOMPARE(menu.Combo1.Text(), QStringLiteral("Ufficio"));
            // The dot-matrix printer of the front desk, written to a file.
            menu.Combo1.setText(QStringLiteral("Aghi ricevimento"));
            Clic(menu.Tst(MenuStampa::Comando::Stampa));
            Clic(menu.Tst(MenuStampa::Comando::FoglioDiCalcolo));
            AllApparire(QStringLiteral("Anteprima di Stampa"), [&](QWidget& anteprima) {
                vista = anteprima.findChild<QPlainTextEdit*>()->toPlainText();
                anteprima.close();
            });
            Clic(menu.Tst(MenuStampa::Comando::Anteprima));
            QCOMPARE(menu.Combo1.Text(), QStringLiteral("Ufficio"));
            Clic(menu.Tst(MenuStampa::Comando::Documento));
        });
        QCOMPARE(esito, 0);
        QVERIFY(risposte->Mostrati().empty());

        const QByteArray tableau = cartella->leggi(QStringLiteral("FD5"));
        QVERIFY(tableau.contains("Hotel Bellavista Riviera"));
        QVERIFY(tableau.contains("02/03/2026"));
        // Direct output: the normal-print setup bytes, then the lines with
        // their frames in printable characters.
        const QByteArray stampato = cartella->leggi(QStringLiteral("ricevimento.prn"));
        QVERIFY(stampato.startsWith(QByteArray("\x1b\x12\0\0\0", 5)));
        QVERIFY(stampato.contains("Hotel Bellavista Riviera"));
        QVERIFY(!stampato.contains('\xb3'));
        QVERIFY(vista.contains(QStringLiteral("Hotel Bellavista Riviera")));

        const QString copia = cartella->percorso(QStringLiteral("doc/fd5202603091030.doc"));
        QCOMPARE(cartella->leggi(QStringLiteral("doc/fd5202603091030.doc")), tableau);
        QVERIFY(cartella->leggi(QStringLiteral("fd5.csv")).contains("Hotel Bellavista Riviera"));
        QCOMPARE(opener->aperti(2),
                 (QStringList{cartella->percorso(QStringLiteral("fd5.csv")), copia}));
    }

    void pdfSulServerCups() {
        QString motivo;
        if (!ServerCupsPronto(motivo))
            QSKIP(qPrintable(QStringLiteral("Prova saltata: ") + motivo));
        if (!StampantiInstallate().contains(QStringLiteral("PDF")))
            QSKIP("Prova saltata: nessuna coda cups-pdf \"PDF\" (scripts/cups-privato la crea)");
        const QString uscita = CartellaCupsPdf();
        const QSet<QString> prima = PdfDellaDestinazione(uscita);
        const int esito = Esegui([&](MenuStampa& menu) {
            // No printer picked: the destination's own queue prints.
            QCOMPARE(menu.Combo2.Text(), QString());
            QVERIFY(menu.Combo2.ListCount() > 0);
            Clic(menu.Tst(MenuStampa::Comando::Pdf));
            QCOMPARE(menu.Combo1.Text(), QStringLiteral("Stampante PDF"));
        });
        QCOMPARE(esito, 0);
        QVERIFY(risposte->Mostrati().empty());
        const QString pdf = NuovoPdf(uscita, prima, 90);
        QVERIFY2(!pdf.isEmpty(), qPrintable(QStringLiteral("nessun PDF in ") + uscita));
        if (StrumentiPdfPresenti())
            QVERIFY(PaginePdf(pdf) >= 1);
        QFile::remove(pdf);
    }
};

QTEST_MAIN(TestRichiestaCompleta)
#include "test_richiestacompleta.moc"
