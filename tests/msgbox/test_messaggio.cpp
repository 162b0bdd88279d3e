// The message window: sizes for known texts, every style's buttons and
// answers, messages too large for the screen, and the real modal window.
#include "msgbox/MsgBox_Form.h"
#include "msgbox/MsgBox_Routine.h"
#include "prove/msgbox/RisposteDiProva.h"
#include "prove/util/NomiAccessibili.h"
#include "ui/Schermo.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <cmath>
#include <optional>

namespace {
const QString Camere = QStringLiteral("Controllare l'intervallo di camere richiesto!");
const QString Data = QStringLiteral("La data deve essere inserita \r\nnel formato gg/mm/aaaa");

// Lines of 400 characters, separated by CR LF.
QString MessaggioEnorme(int righe) {
    QStringList testo;
    for (int i = 0; i < righe; ++i)
        testo.append(QStringLiteral("riga %1 ").arg(i, 3).leftJustified(400, u'x'));
    return testo.join(QStringLiteral("\r\n"));
}

// Presses, as the user would, the button with this caption of the modal
// window that will be on the screen when the event loop next runs.
void PremiNellaFinestraModale(const QString& caption) {
    QMetaObject::invokeMethod(
        qApp,
        [caption] {
            QWidget* finestra = QApplication::activeModalWidget();
            if (!finestra)
                qFatal("nessuna finestra modale sullo schermo");
            for (QPushButton* pulsante : finestra->findChildren<QPushButton*>()) {
                if (pulsante->isVisible() && pulsante->text() == caption) {
                    QTest::mouseClick(pulsante, Qt::LeftButton);
                    return;
                }
            }
            qFatal("nessun pulsante \"%s\" visibile", qUtf8Printable(caption));
        },
        Qt::QueuedConnection);
}
} // namespace

class TestMessaggio : public QObject {
    Q_OBJECT

  private slots:
    void righeEColonne_data();
    void righeEColonne();
    void dimensioniPerTestiNoti();
    void pulsantiERisposte_data();
    void pulsantiERisposte();
    void pulsantiAlCentroDiUnaFinestraAllargata_data();
    void pulsantiAlCentroDiUnaFinestraAllargata();
    void messaggioEnormeStaNelloSchermoEScorre();
    void conteggiOltreISedicibitSiFermano();
    void finestraVeraSenzaBordoInPrimoPiano();
    void chiusaSenzaPulsanteNonRipeteLaRispostaPrecedente();
};

void TestMessaggio::righeEColonne_data() {
    QTest::addColumn<QString>("testo");
    QTest::addColumn<int>("righe");
    QTest::addColumn<int>("colonne");
    QTest::newRow("camere") << Camere << 2 << 51;
    // The line feed opens the second line's 23 characters.
    QTest::newRow("data") << Data << 3 << 51;
    QTest::newRow("vuoto") << QString() << 2 << 51;
    QTest::newRow("riga di 60") << QString(60, u'a') << 2 << 61;
    QTest::newRow("ultima riga la piu' lunga")
        << QStringLiteral("a\r\n") + QString(70, u'b') << 3 << 72;
    QTest::newRow("solo CR") << QStringLiteral("a\rb\rc") << 4 << 51;
}

void TestMessaggio::righeEColonne() {
    QFETCH(QString, testo);
    const MsgBox_Form box;
    QTEST(static_cast<int>(box.CalcolaRighe(testo)), "righe");
    QTEST(static_cast<int>(box.CalcolaColonne(testo)), "colonne");
}

void TestMessaggio::dimensioniPerTestiNoti() {
    RisposteDiProva prova;
    prova.Accoda(Risposta::Ok);
    prova.Accoda(Risposta::Ok);
    Messaggio(Camere, Stile::Avviso, QStringLiteral("Camere errate!"));
    Messaggio(Data, Stile::Avviso, QStringLiteral("Data errata!"));

    const MessaggioMostrato& camere = prova.Mostrati().at(0);
    QCOMPARE(camere.testo, Camere);
    QCOMPARE(camere.titolo, QStringLiteral("Camere errate!"));
    QCOMPARE(camere.Width, 4590);
    QCOMPARE(camere.altezzaTesto, 600);
    QCOMPARE(camere.Height, 1890);
    QCOMPARE(camere.pulsanti.at(0).Top, 1180);
    // Centred on the screen for the design size, and not moved after.
    QCOMPARE(camere.Left, static_cast<int>(std::floor((Schermo::Width() - 4695) / 2.0)));
    QCOMPARE(camere.Top, static_cast<int>(std::floor((Schermo::Height() - 3135) / 2.0)));

    const MessaggioMostrato& data = prova.Mostrati().at(1);
    QCOMPARE(data.testo, Data);
    QCOMPARE(data.altezzaTesto, 900);
    QCOMPARE(data.Height, 2190);
    QCOMPARE(prova.InAttesa(), 0);
}

void TestMessaggio::pulsantiERisposte_data() {
    QTest::addColumn<int>("stile");
    QTest::addColumn<int>("risposta");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QList<int>>("sinistre");
    QTest::addColumn<bool>("fuocoSuSi");
    const QStringList ok{"Ok"}, siNo{"Si", "No"}, siNoAnnulla{"Si", "No", "Annulla"};
    const QList<int> uno{1860}, due{1337, 2382}, tre{815, 1860, 2905};
    QTest::newRow("48 Ok") << 48 << 0 << ok << uno << false;
    QTest::newRow("0 Ok") << 0 << 0 << ok << uno << false;
    QTest::newRow("4 Si") << 4 << 6 << siNo << due << true;
    QTest::newRow("4 No") << 4 << 7 << siNo << due << true;
    QTest::newRow("36 No") << 36 << 7 << siNo << due << true;
    QTest::newRow("51 Annulla") << 51 << 2 << siNoAnnulla << tre << true;
    QTest::newRow("35 Si") << 35 << 6 << siNoAnnulla << tre << true;
    QTest::newRow("200 Si") << 200 << 6 << siNo << due << false;
    QTest::newRow("292 No") << 292 << 7 << siNo << due << false;
    QTest::newRow("400 No") << 400 << 7 << siNo << due << false;
    // Any other style keeps the buttons as designed; each of them closes.
    QTest::newRow("401 Annulla") << 401 << 2 << QStringList{"Ok", "Ok", "Annulla"}
                                 << QList<int>{120, 1200, 2280} << false;
}

void TestMessaggio::pulsantiERisposte() {
    QFETCH(int, stile);
    QFETCH(int, risposta);
    QFETCH(QStringList, captions);
    QFETCH(QList<int>, sinistre);
    QFETCH(bool, fuocoSuSi);
    RisposteDiProva prova;
    prova.Accoda(static_cast<Risposta>(risposta));
    QCOMPARE(
        static_cast<int>(Messaggio(Camere, static_cast<Stile>(stile), QStringLiteral("Prova"))),
        risposta);

    const MessaggioMostrato& mostrato = prova.Mostrati().at(0);
    QCOMPARE(static_cast<int>(mostrato.stile), stile);
    QStringList visti;
    QList<int> posti;
    for (const auto& pulsante : mostrato.pulsanti) {
        visti.append(pulsante.Caption);
        posti.append(pulsante.Left);
    }
    QCOMPARE(visti, captions);
    QCOMPARE(posti, sinistre);
    if (fuocoSuSi)
        QVERIFY(mostrato.pulsanti.at(0).fuoco);
}

// Lines of 400 characters and more than 107 lines made the window's size
// overflow; now the window stops at the screen's edges and the text scrolls.
void TestMessaggio::messaggioEnormeStaNelloSchermoEScorre() {
    const QString testo = MessaggioEnorme(100);
    {
        RisposteDiProva prova;
        prova.Accoda(Risposta::Ok);
        QCOMPARE(Messaggio(testo, Stile::Avviso, QStringLiteral("Enorme")), Risposta::Ok);
        const MessaggioMostrato& mostrato = prova.Mostrati().at(0);
        QCOMPARE(mostrato.Width, Schermo::Width());
        QVERIFY(mostrato.Left >= 0 && mostrato.Top >= 0);
        QVERIFY(mostrato.Left + mostrato.Width <= Schermo::Width());
        QVERIFY(mostrato.Top + mostrato.Height <= Schermo::Height());
        QVERIFY(mostrato.altezzaTesto < 101 * 300);
        const auto& ok = mostrato.pulsanti.at(0);
        QVERIFY(ok.Top + 615 <= mostrato.Height);
    }

    MsgBox_Form box;
    box.Prepara(testo, Stile::Avviso, QStringLiteral("Enorme"));
    box.Show();
    QVERIFY(QTest::qWaitForWindowExposed(box.widget()));
    const QRect schermo = box.widget()->screen()->geometry();
    QVERIFY(schermo.contains(box.widget()->frameGeometry()));
    const auto* area = static_cast<QPlainTextEdit*>(box.Text1.widget());
    QVERIFY(area->verticalScrollBar()->isVisible());
    QVERIFY(area->verticalScrollBar()->maximum() > 0);
    QCOMPARE(area->toPlainText().size(), testo.size() - 99);
}

void TestMessaggio::conteggiOltreISedicibitSiFermano() {
    const MsgBox_Form box;
    QCOMPARE(box.CalcolaColonne(QString(40000, u'a')), std::int16_t{32767});
    QCOMPARE(box.CalcolaRighe(QString(40000, u'\r')), std::int16_t{32767});

    RisposteDiProva prova;
    prova.Accoda(Risposta::Ok);
    QCOMPARE(Messaggio(QString(40000, u'a'), Stile::Avviso, QStringLiteral("Lunga")), Risposta::Ok);
    QVERIFY(prova.Mostrati().at(0).Width <= Schermo::Width());
}

void TestMessaggio::finestraVeraSenzaBordoInPrimoPiano() {
    // Read while the window is on the screen: it is gone once Messaggio returns.
    std::optional<Qt::WindowFlags> aspetto;
    QStringList senzaNome;
    QMetaObject::invokeMethod(
        qApp,
        [&] {
            if (QWidget* vista = QApplication::activeModalWidget()) {
                aspetto = vista->windowFlags();
                senzaNome = SenzaNomeAccessibile(*vista);
            }
        },
        Qt::QueuedConnection);
    PremiNellaFinestraModale(QStringLiteral("No"));
    QCOMPARE(Messaggio(QStringLiteral("Continuare?"), Stile::SiNo, QStringLiteral("Domanda")),
             Risposta::No);
    QVERIFY(aspetto);
    QVERIFY(aspetto->testFlag(Qt::FramelessWindowHint));
    QVERIFY(aspetto->testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(senzaNome, QStringList());
    QVERIFY(!QApplication::activeModalWidget());
}

// A message the window system closes, with no button pressed, answers Ok:
// never the answer given to the message before it.
void TestMessaggio::chiusaSenzaPulsanteNonRipeteLaRispostaPrecedente() {
    {
        RisposteDiProva prova;
        prova.Accoda(Risposta::Si);
        QCOMPARE(Messaggio(QStringLiteral("Continuare?"), Stile::SiNo, QStringLiteral("Domanda")),
                 Risposta::Si);
    }
    QMetaObject::invokeMethod(
        qApp,
        [] {
            if (QWidget* vista = QApplication::activeModalWidget())
                vista->close();
        },
        Qt::QueuedConnection);
    QCOMPARE(Messaggio(QStringLiteral("Continuare?"), Stile::SiNo, QStringLiteral("Domanda")),
             Risposta::Ok);
    QVERIFY(!QApplication::activeModalWidget());
}

void TestMessaggio::pulsantiAlCentroDiUnaFinestraAllargata_data() {
    QTest::addColumn<int>("stile");
    QTest::addColumn<int>("risposta");
    QTest::newRow("Ok") << 48 << 0;
    QTest::newRow("Si No Annulla") << 51 << 2;
}

// A line longer than the design width makes the window wider; the buttons
// stay in its middle.
void TestMessaggio::pulsantiAlCentroDiUnaFinestraAllargata() {
    QFETCH(int, stile);
    QFETCH(int, risposta);
    RisposteDiProva prova;
    prova.Accoda(static_cast<Risposta>(risposta));
    const QString lunga =
        QStringLiteral("Archivio non trovato: Tableau.mdb (cartella %1)").arg(QString(60, u'x'));
    Messaggio(lunga, static_cast<Stile>(stile), QStringLiteral("Archivio"));
    const MessaggioMostrato& mostrato = prova.Mostrati().at(0);
    QVERIFY(mostrato.Width > 4695);
    const int sinistra = mostrato.pulsanti.front().Left;
    const int destra = mostrato.pulsanti.back().Left + 975;
    QVERIFY2(
        std::abs(sinistra - (mostrato.Width - destra)) <= 2,
        qPrintable(QStringLiteral("%1 | %2 | %3").arg(sinistra).arg(destra).arg(mostrato.Width)));
}

QTEST_MAIN(TestMessaggio)
#include "test_messaggio.moc"
