#include "preview/Anteprima.h"

#include "SpedixDiProva.h"

#include "util/CartellaDiProva.h"

#include <QElapsedTimer>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

// The window with its messages collected instead of shown.
class AnteprimaDiProva : public Anteprima {
  public:
    using Anteprima::Anteprima;
    QStringList messaggi;

  protected:
    void Avvisa(const QString& testo) override { messaggi.append(testo); }
};

QByteArray Righe(int prima, int quante, char lettera = 'x') {
    QByteArray byte;
    for (int i = prima; i < prima + quante; ++i)
        byte += QByteArray::number(i).rightJustified(5, '0') + QByteArray(95, lettera) + "\r\n";
    return byte;
}

int Linee(const QString& testo) {
    return static_cast<int>(testo.count(u'\n'));
}

double Twips(int pixel) {
    return pixel * 1440.0 / QGuiApplication::primaryScreen()->logicalDotsPerInch();
}

} // namespace

class TestAnteprima : public QObject {
    Q_OBJECT

    std::unique_ptr<CartellaDiProva> cartella;
    std::unique_ptr<AnteprimaDiProva> finestra;

    // Opens the preview on a print file with the given bytes, as the menu
    // does, and waits for its first activation.
    AnteprimaDiProva& Apri(const QByteArray& contenuto, const QString& nomeFile = "FD3",
                           const QString& posto = "3") {
        cartella->scrivi(nomeFile, contenuto);
        finestra = std::make_unique<AnteprimaDiProva>(PostoDiLavoro(posto));
        finestra->show();
        if (!QTest::qWaitForWindowActive(finestra.get()))
            qFatal("the preview never became active");
        return *finestra;
    }
    void Premi(int indice) {
        QTest::mouseClick(finestra->Tasto[static_cast<std::size_t>(indice)], Qt::LeftButton);
    }

  private slots:
    void init() { cartella = std::make_unique<CartellaDiProva>(); }
    void cleanup() {
        finestra.reset();
        cartella.reset();
    }

    void closesAtOnceWithoutAPrintFile() {
        AnteprimaDiProva anteprima(PostoDiLavoro("3"));
        bool scaduto = false;
        QTimer::singleShot(5000, &anteprima, [&] {
            scaduto = true;
            anteprima.reject();
        });
        QElapsedTimer tempo;
        tempo.start();
        anteprima.Mostra();
        QVERIFY(!scaduto);
        QVERIFY(tempo.elapsed() < 2000);
        QVERIFY(!anteprima.isVisible());
        QVERIFY(anteprima.messaggi.isEmpty());
        QVERIFY(!QFile::exists(cartella->percorso("FD3")));
    }

    void findsThePrintFileByTheReportsOwnName() {
        // Workstation 03 writes FD03, and that is the file shown.
        Apri("di FD03\r\n", "FD03", "03");
        QCOMPARE(finestra->TestoInVista(), "di FD03\n");
        // The name is matched without regard to case, and a save keeps the
        // file under its own spelling.
        AnteprimaDiProva& a = Apri("minuscolo\r\n", "fd7", "7");
        QCOMPARE(a.TestoInVista(), "minuscolo\n");
        QTest::keyClicks(a.Text1, "+");
        Premi(6);
        QCOMPARE(cartella->leggi("fd7"), QByteArray("+minuscolo\r\n"));
        QVERIFY(!QDir(cartella->percorso()).entryList().contains("FD7"));
    }

    void captionControlsAndTabOrder() {
        Anteprima& a = Apri("riga\r\n");
        QCOMPARE(a.windowTitle(), "Anteprima di Stampa");
        const QStringList attese = {"&Esci",   "&Riduci", "E&spandi", "&Avanti",
                                    "&Inizio", "E-&mail", "Sa&lva"};
        for (std::size_t i = 0; i < a.Tasto.size(); ++i)
            QCOMPARE(a.Tasto[i]->text(), attese[static_cast<qsizetype>(i)]);
        QVERIFY(a.Tasto[0]->font().bold());
        QVERIFY(a.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(a.Text1->isReadOnly() == false);

        // Tab moves on from the text box, as in a form, instead of typing.
        a.Text1->setFocus();
        QList<QWidget*> ordine = {QApplication::focusWidget()};
        for (int i = 0; i < 7; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            ordine.append(QApplication::focusWidget());
        }
        const QList<QWidget*> attesa = {a.Text1,    a.Tasto[1], a.Tasto[2], a.Tasto[0],
                                        a.Tasto[3], a.Tasto[4], a.Tasto[5], a.Tasto[6]};
        QCOMPARE(ordine, attesa);
    }

    void layoutFollowsTheWindowSize() {
        Anteprima& a = Apri("riga\r\n");
        // The window takes the screen; the text box fills it above one row
        // of buttons, and "&Esci" reaches to 150 twips from the right edge.
        QCOMPARE(a.frameGeometry().size(),
                 QGuiApplication::primaryScreen()->availableGeometry().size());
        const double larghezza = Twips(a.frameGeometry().width());
        const double altezza = Twips(a.frameGeometry().height());
        QVERIFY(std::abs(Twips(a.Text1->width()) - (larghezza - 200)) < 20);
        QVERIFY(std::abs(Twips(a.Text1->height()) - (altezza - 1837.5)) < 20);
        QVERIFY(std::abs(larghezza - Twips(a.Tasto[0]->geometry().right() + 1) - 150) < 20);
        for (QPushButton* tasto : a.Tasto) {
            QCOMPARE(tasto->y(), a.Tasto[0]->y());
            QVERIFY(tasto->geometry().bottom() < a.height());
            QVERIFY(tasto->y() > a.Text1->geometry().bottom());
        }
        for (std::size_t i = 1; i < 6; ++i)
            QVERIFY(a.Tasto[i]->geometry().right() < a.Tasto[i + 1]->x());
        QVERIFY(a.Tasto[6]->geometry().right() < a.Tasto[0]->x());

        a.resize(a.width() / 2, a.height() / 2);
        QVERIFY(std::abs(Twips(a.Text1->width()) - (Twips(a.frameGeometry().width()) - 200)) < 20);
    }

    void aFixedPitchFontLinesUpTheColumns() {
        Anteprima& a = Apri("x\r\n");
        QVERIFY(QFontInfo(a.Text1->font()).fixedPitch());
        QCOMPARE(a.Text1->font().pointSizeF(), 11.25);
        const QFontMetrics misure(a.Text1->font());
        for (const QChar c : QStringLiteral("-|W i.1"))
            QCOMPARE(misure.horizontalAdvance(c), misure.horizontalAdvance(u'M'));
        QCOMPARE(a.Text1->lineWrapMode(), QPlainTextEdit::NoWrap);
    }

    void emptyPrintFile() {
        Anteprima& a = Apri("");
        QCOMPARE(a.TestoInVista(), "");
        QCOMPARE(a.Vista().Altro(), std::int16_t(0));
        a.Tasto[3]->setFocus();
        Premi(3);
        QCOMPARE(a.TestoInVista(), "");
        QVERIFY(a.Text1->hasFocus());
    }

    void twentyFiveThousandCharactersThenNextThenFirst() {
        Anteprima& a = Apri(Righe(0, 250));
        QCOMPARE(Linee(a.TestoInVista()), 200);
        QCOMPARE(a.Vista().Altro(), std::int16_t(1));
        Premi(3);
        QCOMPARE(Linee(a.TestoInVista()), 50);
        QVERIFY(a.TestoInVista().startsWith("00200"));
        QCOMPARE(a.Vista().Altro(), std::int16_t(0));
        QVERIFY(a.Text1->hasFocus());
        Premi(4);
        QCOMPARE(Linee(a.TestoInVista()), 250);
        QVERIFY(a.TestoInVista().startsWith("00000"));
        QVERIFY(a.Text1->hasFocus());
    }

    void aLineLongerThanTheBudgetIsShownWhole() {
        Anteprima& a = Apri(QByteArray(27000, 'L') + "\r\ncoda\r\n");
        QCOMPARE(a.TestoInVista(), QString(27000, u'L') + "\n");
        QVERIFY(a.Text1->horizontalScrollBar()->maximum() > 0);
        Premi(3);
        QCOMPARE(a.TestoInVista(), "coda\n");
    }

    void zoomLimits() {
        Anteprima& a = Apri("x\r\n");
        for (int i = 0; i < 10; ++i)
            Premi(1);
        QCOMPARE(a.Text1->font().pointSizeF(), 1.25);
        Premi(1);
        QCOMPARE(a.Text1->font().pointSizeF(), 0.25);
        Premi(1);
        QCOMPARE(a.Text1->font().pointSizeF(), 0.25);
        Premi(2);
        QCOMPARE(a.Text1->font().pointSizeF(), 1.25);
        for (int i = 0; i < 100; ++i)
            Premi(2);
        QCOMPARE(a.Text1->font().pointSizeF(), Anteprima::kPuntiMassimi);
    }

    void savingAnEditInTheFirstOfThreeBlocksKeepsTheOthers() {
        const QByteArray resto = Righe(200, 260, 'y') + Righe(460, 260, 'z');
        Anteprima& a = Apri(Righe(0, 200) + resto);
        a.Text1->moveCursor(QTextCursor::Start);
        QTest::keyClick(a.Text1, Qt::Key_Delete);
        QTest::keyClicks(a.Text1, "A");
        Premi(6);
        QByteArray atteso = Righe(0, 200);
        atteso[0] = 'A';
        QCOMPARE(cartella->leggi("FD3"), atteso + resto);
        QVERIFY(a.TestoInVista().startsWith("A0000"));
        Premi(3);
        QVERIFY(a.TestoInVista().startsWith("00200y"));
    }

    void anUnchangedSaveLeavesEveryByte() {
        // Every byte value, frames and no-break spaces included, survives a
        // trip through the text box.
        QByteArray contenuto = Righe(0, 3);
        for (int b = 0; b < 256; ++b) {
            if (b != '\r' && b != '\n')
                contenuto.append(static_cast<char>(b));
        }
        contenuto += "\r\n\xB3\xA0\xB3\r\n";
        Apri(contenuto);
        Premi(6);
        QCOMPARE(cartella->leggi("FD3"), contenuto);
        Premi(4);
        Premi(6);
        QCOMPARE(cartella->leggi("FD3"), contenuto);
    }

    void eMailHandsTheTextInViewToTheProgram() {
        SpedixDiProva spedix(*cartella, true);
        AnteprimaDiProva& a = Apri("\xB3"
                                   "101\xB3 Citt\xE0\r\n");
        QTest::keyClicks(a.Text1, "!");
        Premi(5);
        QVERIFY(!spedix.AttendiAvvio().isEmpty());
        QCOMPARE(cartella->leggi("e-mail3.txt"), QByteArray("OGGETTO\r\n!|101| Citt\xE0\r\n\r\n"));
        QVERIFY(a.messaggi.isEmpty());
        QVERIFY(a.isVisible());
    }

    void aMissingEMailProgramIsReportedAndThePreviewStays() {
        SpedixDiProva spedix(*cartella, false);
        AnteprimaDiProva& a = Apri("riga\r\n");
        Premi(5);
        QCOMPARE(a.messaggi.size(), 1);
        QVERIFY(a.messaggi[0].contains("Spedix.exe"));
        QVERIFY(a.isVisible());
        QCOMPARE(cartella->leggi("e-mail3.txt"), QByteArray("OGGETTO\r\nriga\r\n\r\n"));
        // A later activation (after the message) keeps the view.
        QCOMPARE(a.TestoInVista(), "riga\n");
    }

    void aFailedSaveIsReportedAndTheViewStays() {
        AnteprimaDiProva& a = Apri("riga\r\n");
        QTest::keyClicks(a.Text1, "nuova ");
        cartella->scrivi("FD3", "un altro report\r\n");
        Premi(6);
        QCOMPARE(a.messaggi.size(), 1);
        QCOMPARE(cartella->leggi("FD3"), QByteArray("un altro report\r\n"));
        QCOMPARE(a.TestoInVista(), "nuova riga\n");
    }

    void exitClosesTheWindowAndThePrintFile() {
        Anteprima& a = Apri("riga\r\n");
        Premi(0);
        QVERIFY(!a.isVisible());
        QVERIFY(!a.Vista().Aperto());
    }
};

QTEST_MAIN(TestAnteprima)
#include "test_anteprima.moc"
