// Window events, modal display and the program's run, as the windows rely on them.
#include "prove/ui/FinestraDiProva.h"

#include "prove/ui/UtenteSostituito.h"
#include "ui/Programma.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

class TestFinestra : public QObject {
    Q_OBJECT

  private slots:
    void caricamentoAttivazioneScaricamento();
    void scaricataDuranteIlCaricamento();
    void chiusuraDalSistemaScarica();
    void modaleAttendeERiattivaChiLaApre();
    void modaleFinisceAncheNascosta();
    void modaleChiusaNellaSuaAttivazioneRiattivaChiLaApre();
    void attivazioneNonRientra();
    void utenteSostituitoNonMostraLaFinestra();
    void programmaFinisceQuandoLaFinestraIniziale();
    void programmaFinitoNellAttivazioneNonAttende();
    void inPrimoPianoResta();
    void ordineDiTabulazione();
};

void TestFinestra::caricamentoAttivazioneScaricamento() {
    FinestraDiProva finestra(QStringLiteral("A"));
    QVERIFY(!finestra.Caricata());
    finestra.Load();
    finestra.Load();
    QCOMPARE(finestra.eventi, QStringList{"Load"});

    finestra.Show();
    QVERIFY(finestra.widget()->isVisible());
    QCOMPARE(finestra.eventi, (QStringList{"Load", "Activate"}));

    finestra.Unload();
    QVERIFY(!finestra.Caricata());
    QVERIFY(!finestra.widget()->isVisible());
    finestra.Unload();
    finestra.Show();
    QCOMPARE(finestra.eventi, (QStringList{"Load", "Activate", "Unload"}));
    QVERIFY(!finestra.widget()->isVisible());
}

void TestFinestra::scaricataDuranteIlCaricamento() {
    FinestraDiProva finestra(QStringLiteral("A"));
    finestra.alCaricamento = [&] { finestra.Unload(); };
    finestra.Show();
    QCOMPARE(finestra.eventi, (QStringList{"Load", "Unload"}));
    QVERIFY(!finestra.widget()->isVisible());
}

void TestFinestra::chiusuraDalSistemaScarica() {
    FinestraDiProva finestra(QStringLiteral("A"));
    finestra.Show();
    finestra.widget()->close();
    QVERIFY(!finestra.Caricata());
    QCOMPARE(finestra.eventi.last(), QStringLiteral("Unload"));
}

// The real modal display: its own event loop runs until the window goes, and
// only then does the code after Show go on.
void TestFinestra::modaleAttendeERiattivaChiLaApre() {
    FinestraDiProva apritore(QStringLiteral("A"));
    FinestraDiProva modale(QStringLiteral("M"));
    QStringList ordine;
    modale.allAttivazione = [&] {
        QCOMPARE(modale.widget()->windowModality(), Qt::ApplicationModal);
        QMetaObject::invokeMethod(
            qApp, [&] { QTest::mouseClick(modale.Tasto(1).widget(), Qt::LeftButton); },
            Qt::QueuedConnection);
    };
    modale.premuto = [&](int) {
        ordine.append(QStringLiteral("premuto"));
        modale.Unload();
    };
    apritore.allAttivazione = [&] { ordine.append(QStringLiteral("riattivata")); };
    apritore.premuto = [&](int) {
        modale.Show(Modo::Modale);
        ordine.append(QStringLiteral("dopo Show"));
    };
    apritore.Show();
    apritore.Tasto(0).Premi();

    QCOMPARE(modale.eventi, (QStringList{"Load", "Activate", "Click 1", "Unload"}));
    QCOMPARE(ordine, (QStringList{"riattivata", "premuto", "riattivata", "dopo Show"}));
    QVERIFY(apritore.Caricata());
}

void TestFinestra::modaleFinisceAncheNascosta() {
    FinestraDiProva modale(QStringLiteral("M"));
    modale.allAttivazione = [&] {
        QMetaObject::invokeMethod(
            qApp, [&] { modale.Hide(); }, Qt::QueuedConnection);
    };
    modale.Show(Modo::Modale);
    QVERIFY(modale.Caricata());
    QVERIFY(!modale.widget()->isVisible());
}

void TestFinestra::modaleChiusaNellaSuaAttivazioneRiattivaChiLaApre() {
    FinestraDiProva apritore(QStringLiteral("A"));
    FinestraDiProva modale(QStringLiteral("M"));
    modale.allAttivazione = [&] { modale.Unload(); };
    apritore.premuto = [&](int) { modale.Show(Modo::Modale); };
    apritore.Show();
    apritore.Tasto(0).Premi();
    QVERIFY(!modale.widget()->isVisible());
    QCOMPARE(apritore.attivazioni(), 2);
}

// A message shown by an activation must not start that activation again when
// it closes.
void TestFinestra::attivazioneNonRientra() {
    FinestraDiProva apritore(QStringLiteral("A"));
    FinestraDiProva modale(QStringLiteral("M"));
    SostituisciUtente(modale, [&] { modale.Unload(); });
    apritore.allAttivazione = [&] {
        if (modale.Caricata() || !modale.eventi.isEmpty())
            return;
        modale.Show(Modo::Modale);
    };
    apritore.Show();
    QCOMPARE(apritore.attivazioni(), 1);
    QCOMPARE(modale.eventi, (QStringList{"Load", "Activate", "Unload"}));
}

void TestFinestra::utenteSostituitoNonMostraLaFinestra() {
    FinestraDiProva apritore(QStringLiteral("A"));
    FinestraDiProva modale(QStringLiteral("M"));
    bool visibile = true;
    SostituisciUtente(modale, [&] {
        visibile = modale.widget()->isVisible();
        modale.Tasto(1).Premi();
    });
    modale.premuto = [&](int) { modale.Unload(); };
    apritore.premuto = [&](int) { modale.Show(Modo::Modale); };
    apritore.Show();
    apritore.Tasto(0).Premi();
    QVERIFY(!visibile);
    QCOMPARE(modale.eventi, (QStringList{"Load", "Activate", "Click 1", "Unload"}));
    QCOMPARE(apritore.attivazioni(), 2);
}

void TestFinestra::programmaFinisceQuandoLaFinestraIniziale() {
    FinestraDiProva avvio(QStringLiteral("A"));
    avvio.premuto = [&](int) {
        avvio.ImpostaEsito(3);
        avvio.Unload();
    };
    QMetaObject::invokeMethod(
        qApp, [&] { avvio.Tasto(1).Premi(); }, Qt::QueuedConnection);
    QCOMPARE(AvviaProgramma(avvio), 3);
    QCOMPARE(avvio.eventi, (QStringList{"Load", "Activate", "Click 1", "Unload"}));
}

void TestFinestra::programmaFinitoNellAttivazioneNonAttende() {
    FinestraDiProva avvio(QStringLiteral("A"));
    avvio.allAttivazione = [&] { avvio.Unload(); };
    QCOMPARE(AvviaProgramma(avvio), 0);
    QVERIFY(!avvio.widget()->isVisible());
}

void TestFinestra::inPrimoPianoResta() {
    FinestraDiProva finestra(QStringLiteral("A"));
    finestra.allAttivazione = [&] { finestra.InPrimoPiano(); };
    finestra.Show();
    QVERIFY(finestra.widget()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(finestra.widget()->isVisible());
    // Made topmost again while on the screen, it stays there.
    finestra.InPrimoPiano();
    QVERIFY(finestra.widget()->isVisible());
    QVERIFY(finestra.widget()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

void TestFinestra::ordineDiTabulazione() {
    FinestraDiProva finestra(QStringLiteral("A"));
    finestra.Show();
    QVERIFY(QTest::qWaitForWindowActive(finestra.widget()));
    // Button 1 comes first in the tab order, although it was created second.
    QVERIFY(finestra.Tasto(1).HaIlFuoco());
    QTest::keyClick(finestra.widget()->focusWidget(), Qt::Key_Tab);
    QVERIFY(finestra.Tasto(0).HaIlFuoco());
    QTest::keyClick(finestra.widget()->focusWidget(), Qt::Key_Return);
    QCOMPARE(finestra.eventi.last(), QStringLiteral("Click 0"));
}

QTEST_MAIN(TestFinestra)
#include "test_finestra.moc"
