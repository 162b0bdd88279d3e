// Controls and control arrays: events with the index, lists, text fields,
// geometry in twips.
#include "prove/ui/FinestraDiProva.h"

#include "ui/AreaTesto.h"
#include "ui/CampoTesto.h"
#include "ui/ElencoATendina.h"
#include "ui/Misure.h"
#include "ui/Schermo.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTest>

#include <stdexcept>

namespace {
int Atteso(int twips) {
    return qRound(twips * QGuiApplication::primaryScreen()->logicalDotsPerInch() / 1440.0);
}

class FinestraConCampi : public FinestraDiProva {
  public:
    FinestraConCampi()
        : FinestraDiProva(QStringLiteral("Campi")), Area(*this, {120, 1000, 2600, 400}) {
        for (int i = 0; i < 2; ++i) {
            Elenco.Aggiungi(*this, i, {120, 600 + 200 * i, 1200, 180});
            Testo.Aggiungi(*this, i, {1440, 600 + 200 * i, 1200, 180}).setTabIndex(2 + i);
        }
        Elenco.Click = [this](int Index) {
            eventi.append(QStringLiteral("Scelta %1 %2").arg(Index).arg(Elenco(Index).Text()));
        };
        Testo.KeyPress = [this](int Index, int KeyAscii) {
            eventi.append(QStringLiteral("Tasto %1 %2").arg(Index).arg(KeyAscii));
        };
        Testo.GotFocus = [this](int Index) {
            eventi.append(QStringLiteral("Fuoco %1").arg(Index));
        };
    }

    Matrice<ElencoATendina> Elenco;
    Matrice<CampoTesto> Testo;
    AreaTesto Area;
};
} // namespace

class TestControlli : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        finestra = std::make_unique<FinestraConCampi>();
        finestra->Show();
        QVERIFY(QTest::qWaitForWindowActive(finestra->widget()));
        finestra->eventi.clear();
    }
    void cleanup() { finestra.reset(); }

    void matriceDaIlSuoIndiceAlGestore();
    void geometriaInTwips();
    void elencoSceltoSoloDaTestoOUtente();
    void campoTestoTastiEFuoco();
    void campoTestoLunghezzaESelezione();
    void areaTestoRendeIlTestoComeImpostato();

  private:
    std::unique_ptr<FinestraConCampi> finestra;
};

void TestControlli::matriceDaIlSuoIndiceAlGestore() {
    QTest::mouseClick(finestra->Tasto(1).widget(), Qt::LeftButton);
    finestra->Tasto(0).Premi();
    QCOMPARE(finestra->eventi, (QStringList{"Click 1", "Click 0"}));
    QCOMPARE(finestra->Tasto.Count(), 2);
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, finestra->Tasto(2));
}

void TestControlli::geometriaInTwips() {
    Pulsante& tasto = finestra->Tasto(1);
    tasto.setLeft(1337);
    tasto.setWidth(975);
    // The twips set are the twips read back, whatever the pixels became.
    QCOMPARE(tasto.Left(), 1337);
    QCOMPARE(tasto.Width(), 975);
    QCOMPARE(tasto.widget()->geometry(),
             QRect(Atteso(1337), Atteso(120), Atteso(975), Atteso(400)));
    QCOMPARE(finestra->widget()->size(), QSize(Atteso(2880), Atteso(1440)));
    QCOMPARE(finestra->Width(), 2880);
    finestra->setWidth(4695);
    QCOMPARE(finestra->widget()->width(), Atteso(4695));
    QCOMPARE(finestra->Height(), 1440);

    const QSize schermo = QGuiApplication::primaryScreen()->geometry().size();
    QCOMPARE(InPixel(Schermo::Width()), schermo.width());
    QCOMPARE(InPixel(Schermo::Height()), schermo.height());
    QCOMPARE(InPixel(kTwipsPerPollice),
             qRound(QGuiApplication::primaryScreen()->logicalDotsPerInch()));
}

void TestControlli::elencoSceltoSoloDaTestoOUtente() {
    ElencoATendina& elenco = finestra->Elenco(1);
    elenco.AddItem(QStringLiteral("  1 Uno"));
    elenco.AddItem(QStringLiteral(" 12 Dodici"));
    // Adding entries chooses none and raises nothing.
    QCOMPARE(elenco.ListCount(), 2);
    QCOMPARE(elenco.ListIndex(), -1);
    QCOMPARE(elenco.Text(), QString());
    QVERIFY(finestra->eventi.isEmpty());

    elenco.setText(elenco.List(1));
    elenco.setText(QStringLiteral("nessuna voce"));
    QCOMPARE(elenco.ListIndex(), 1);
    QCOMPARE(finestra->eventi, QStringList{"Scelta 1  12 Dodici"});

    // The user moving through the list chooses as well.
    elenco.SetFocus();
    QTest::keyClick(elenco.widget(), Qt::Key_Up);
    QCOMPARE(finestra->eventi.last(), QStringLiteral("Scelta 1   1 Uno"));

    elenco.Clear();
    QCOMPARE(elenco.ListCount(), 0);
    QCOMPARE(elenco.Text(), QString());
    QCOMPARE(finestra->eventi.size(), 2);
}

void TestControlli::campoTestoTastiEFuoco() {
    CampoTesto& campo = finestra->Testo(1);
    campo.SetFocus();
    QVERIFY(campo.HaIlFuoco());
    QTest::keyClicks(campo.widget(), QStringLiteral("a1"));
    QTest::keyClick(campo.widget(), Qt::Key_Return);
    QTest::keyClick(campo.widget(), Qt::Key_Left);
    QCOMPARE(finestra->eventi, (QStringList{"Fuoco 1", "Tasto 1 97", "Tasto 1 49", "Tasto 1 13"}));
    // Enter reaches the handler only: the text and the window are untouched.
    QCOMPARE(campo.Text(), QStringLiteral("a1"));

    QTest::keyClick(campo.widget(), Qt::Key_Tab);
    QCOMPARE(finestra->eventi.size(), 4);
    QVERIFY(!campo.HaIlFuoco());
}

void TestControlli::campoTestoLunghezzaESelezione() {
    CampoTesto& campo = finestra->Testo(0);
    campo.setMaxLength(6);
    campo.SetFocus();
    QTest::keyClicks(campo.widget(), QStringLiteral("12345678"));
    QCOMPARE(campo.Text(), QStringLiteral("123456"));
    QCOMPARE(campo.MaxLength(), 6);

    campo.setSelStart(1);
    campo.setSelLength(3);
    QCOMPARE(campo.SelStart(), 1);
    QCOMPARE(campo.SelLength(), 3);
    QTest::keyClicks(campo.widget(), QStringLiteral("x"));
    QCOMPARE(campo.Text(), QStringLiteral("1x56"));

    campo.setMaxLength(0);
    QCOMPARE(campo.MaxLength(), 0);
}

void TestControlli::areaTestoRendeIlTestoComeImpostato() {
    AreaTesto& area = finestra->Area;
    const QString testo = QStringLiteral("uno\r\ndue\nLF solo\r\n");
    area.setText(testo);
    QCOMPARE(area.Text(), testo);
    QCOMPARE(static_cast<QPlainTextEdit*>(area.widget())->blockCount(), 4);

    // Edited by the user, the lines come back separated by CR LF.
    area.setText(QStringLiteral("a\r\nb"));
    area.SetFocus();
    QTest::keyClick(area.widget(), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(area.widget(), QStringLiteral("c"));
    QCOMPARE(area.Text(), QStringLiteral("a\r\nbc"));

    area.setFontSize(11.25);
    QCOMPARE(area.FontSize(), 11.25);
    area.setLocked(true);
    QTest::keyClicks(area.widget(), QStringLiteral("d"));
    QCOMPARE(area.Text(), QStringLiteral("a\r\nbc"));
}

QTEST_MAIN(TestControlli)
#include "test_controlli.moc"
