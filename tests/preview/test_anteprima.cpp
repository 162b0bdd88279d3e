// The preview window driven as a user does: blocks, zoom, paging, saving,
// the e-mail hand-off and its failures, the layout and the font.
#include "preview/Anteprima.h"

#include "prove/vistastampa/SpedixDiProva.h"

#include "msgbox/Stili.h"
#include "prove/msgbox/RisposteDiProva.h"
#include "prove/ui/UtenteSostituito.h"
#include "prove/util/CartellaDiProva.h"
#include "prove/util/NomiAccessibili.h"
#include "prove/vistastampa/RigheNumerate.h"
#include "ui/Schermo.h"

#include <QApplication>
#include <QDir>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QtTest>

#include <memory>

namespace {

int Linee(const QString& testo) {
    return static_cast<int>(testo.count(QStringLiteral("\r\n")));
}

QPlainTextEdit* Area(const Anteprima& a) {
    return static_cast<QPlainTextEdit*>(a.Text1.widget());
}

} // namespace

class TestAnteprima : public QObject {
    Q_OBJECT

    std::unique_ptr<CartellaDiProva> cartella;
    std::unique_ptr<Anteprima> finestra;

    // Opens the preview on a print file with the given bytes and name.
    Anteprima& Apri(const QByteArray& contenuto, const QString& nomeFile = "FD3",
                    const QString& posto = "3") {
        cartella->scrivi(nomeFile, contenuto);
        finestra = std::make_unique<Anteprima>(PostoDiLavoro(posto));
        finestra->Show();
        return *finestra;
    }
    void Premi(Anteprima::Comando comando) {
        QTest::mouseClick(finestra->Tasto(comando).widget(), Qt::LeftButton);
    }

  private slots:
    void init() { cartella = std::make_unique<CartellaDiProva>(); }
    void cleanup() {
        finestra.reset();
        cartella.reset();
    }

    void closesAtOnceWithoutAPrintFile() {
        Anteprima anteprima{PostoDiLavoro("3")};
        bool utente = false;
        SostituisciUtente(anteprima, [&] { utente = true; });
        anteprima.Show(Modo::Modale);
        QVERIFY(!utente);
        QVERIFY(!anteprima.Caricata());
        QVERIFY(!anteprima.widget()->isVisible());
        QVERIFY(!QFile::exists(cartella->percorso("FD3")));
    }

    void aModalDisplayEndsWithExit() {
        cartella->scrivi("FD3", "riga\r\n");
        Anteprima anteprima{PostoDiLavoro("3")};
        QString visto;
        SostituisciUtente(anteprima, [&] {
            visto = anteprima.Text1.Text();
            anteprima.Tasto(Anteprima::Comando::Esci).Premi();
        });
        anteprima.Show(Modo::Modale);
        QCOMPARE(visto, "riga\r\n");
        QVERIFY(!anteprima.Caricata());
        QVERIFY(!anteprima.Vista().Aperto());
    }

    void findsThePrintFileByTheReportsOwnName() {
        // Workstation 03 writes FD03, and that is the file shown.
        Apri("di FD03\r\n", "FD03", "03");
        QCOMPARE(finestra->Text1.Text(), "di FD03\r\n");
        // The name is matched without regard to case, and a save keeps the
        // file under its own spelling.
        Anteprima& a = Apri("minuscolo\r\n", "fd7", "7");
        QCOMPARE(a.Text1.Text(), "minuscolo\r\n");
        QTest::keyClicks(a.Text1.widget(), "+");
        Premi(Anteprima::Comando::Salva);
        QCOMPARE(cartella->leggi("fd7"), QByteArray("+minuscolo\r\n"));
        QVERIFY(!QDir(cartella->percorso()).entryList().contains("FD7"));
    }

    void captionControlsAndTabOrder() {
        Anteprima& a = Apri("riga\r\n");
        QCOMPARE(a.Caption(), "Anteprima di Stampa");
        const QStringList attese = {"&Esci",   "&Riduci", "E&spandi", "&Avanti",
                                    "&Inizio", "E-&mail", "Sa&lva"};
        QCOMPARE(a.Tasto.Count(), 7);
        for (int i = 0; i < 7; ++i)
            QCOMPARE(a.Tasto(i).Caption(), attese[i]);
        QVERIFY(a.Tasto(Anteprima::Comando::Esci).widget()->font().bold());
        QVERIFY(!a.Tasto(Anteprima::Comando::Riduci).widget()->font().bold());
        QVERIFY(a.widget()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(!Area(a)->isReadOnly());
        QVERIFY(a.Text1.HaIlFuoco());

        QList<QWidget*> ordine = {a.Text1.widget()};
        for (QWidget* w = a.Text1.widget()->nextInFocusChain(); ordine.size() < 8;
             w = w->nextInFocusChain()) {
            if (w->focusPolicy() & Qt::TabFocus)
                ordine.append(w);
        }
        const QList<QWidget*> attesa = {a.Text1.widget(),
                                        a.Tasto(Anteprima::Comando::Riduci).widget(),
                                        a.Tasto(Anteprima::Comando::Espandi).widget(),
                                        a.Tasto(Anteprima::Comando::Esci).widget(),
                                        a.Tasto(Anteprima::Comando::Avanti).widget(),
                                        a.Tasto(Anteprima::Comando::Inizio).widget(),
                                        a.Tasto(Anteprima::Comando::EMail).widget(),
                                        a.Tasto(Anteprima::Comando::Salva).widget()};
        QCOMPARE(ordine, attesa);
        QCOMPARE(SenzaNomeAccessibile(*a.widget()), QStringList());

        // Esc closes the window as "&Esci" does, also from the text.
        QTest::keyClick(a.Text1.widget(), Qt::Key_Escape);
        QVERIFY(!a.Caricata());
    }

    void textAboveOneRowOfButtonsAllOnTheScreen() {
        Anteprima& a = Apri("riga\r\n");
        // The window lies whole on the screen, so that the buttons stay in
        // sight.
        QVERIFY(a.Left() >= 0 && a.Top() >= 0);
        QVERIFY(a.Left() + a.Width() <= Schermo::Width());
        QVERIFY(a.Top() + a.Height() <= Schermo::Height());
        // The text fills the window's width; the buttons stand in one row
        // below it, within the window, "&Esci" reaching nearly to its right.
        QVERIFY(a.Text1.Left() >= 0 && a.Text1.Left() + a.Text1.Width() <= a.Width());
        QVERIFY(a.Text1.Width() > a.Width() * 9 / 10);
        const Pulsante& esci = a.Tasto(Anteprima::Comando::Esci);
        for (int i = 0; i < 7; ++i) {
            QCOMPARE(a.Tasto(i).Top(), esci.Top());
            QVERIFY(a.Tasto(i).Top() + a.Tasto(i).Height() <= a.Height());
        }
        QVERIFY(esci.Left() + esci.Width() <= a.Width());
        QVERIFY(esci.Left() + esci.Width() > a.Text1.Left() + a.Text1.Width() * 9 / 10);
        // Left to right in index order, "&Esci" last.
        for (int i = 1; i < 6; ++i)
            QVERIFY(a.Tasto(i).Left() + a.Tasto(i).Width() < a.Tasto(i + 1).Left());
        QVERIFY(a.Tasto(Anteprima::Comando::Salva).Left() +
                    a.Tasto(Anteprima::Comando::Salva).Width() <
                a.Tasto(Anteprima::Comando::Esci).Left());
        QVERIFY(a.Text1.Top() + a.Text1.Height() < a.Tasto(Anteprima::Comando::Esci).Top());
    }

    void aFixedPitchFontLinesUpTheColumns() {
        Anteprima& a = Apri("x\r\n");
        QVERIFY(QFontInfo(Area(a)->font()).fixedPitch());
        QCOMPARE(a.Text1.FontSize(), 11.25);
        const QFontMetrics misure(Area(a)->font());
        for (const QChar c : QStringLiteral("-|W i.1à"))
            QCOMPARE(misure.horizontalAdvance(c), misure.horizontalAdvance(u'M'));
        QCOMPARE(Area(a)->lineWrapMode(), QPlainTextEdit::NoWrap);
    }

    void emptyPrintFile() {
        Anteprima& a = Apri("");
        QCOMPARE(a.Text1.Text(), "");
        QCOMPARE(a.Vista().Altro(), std::int16_t(0));
        a.Tasto(Anteprima::Comando::Avanti).SetFocus();
        Premi(Anteprima::Comando::Avanti);
        QCOMPARE(a.Text1.Text(), "");
        QVERIFY(a.Text1.HaIlFuoco());
    }

    void twentyFiveThousandCharactersThenNextThenFirst() {
        Anteprima& a = Apri(RigheNumerate(0, 250));
        QCOMPARE(Linee(a.Text1.Text()), 200);
        QCOMPARE(a.Vista().Caratteri(), 20000);
        QCOMPARE(a.Vista().Altro(), std::int16_t(1));
        Premi(Anteprima::Comando::Avanti);
        QCOMPARE(Linee(a.Text1.Text()), 50);
        QVERIFY(a.Text1.Text().startsWith("00200"));
        QCOMPARE(a.Vista().Altro(), std::int16_t(0));
        QVERIFY(a.Text1.HaIlFuoco());
        Premi(Anteprima::Comando::Inizio);
        QCOMPARE(Linee(a.Text1.Text()), 250);
        QVERIFY(a.Text1.Text().startsWith("00000"));
        QCOMPARE(a.Vista().Altro(), std::int16_t(0));
        QVERIFY(a.Text1.HaIlFuoco());
    }

    void aLineLongerThanTheBudgetIsShownWhole() {
        Anteprima& a = Apri(QByteArray(27000, 'L') + "\r\ncoda\r\n");
        QCOMPARE(a.Text1.Text(), QString(27000, u'L') + "\r\n");
        QVERIFY(Area(a)->horizontalScrollBar()->maximum() > 0);
        Premi(Anteprima::Comando::Avanti);
        QCOMPARE(a.Text1.Text(), "coda\r\n");
    }

    void zoomLimits() {
        Anteprima& a = Apri("x\r\n");
        for (int i = 0; i < 10; ++i)
            Premi(Anteprima::Comando::Riduci);
        QCOMPARE(a.Text1.FontSize(), 1.25);
        Premi(Anteprima::Comando::Riduci);
        QCOMPARE(a.Text1.FontSize(), 0.25);
        Premi(Anteprima::Comando::Riduci);
        QCOMPARE(a.Text1.FontSize(), 0.25);
        Premi(Anteprima::Comando::Espandi);
        QCOMPARE(a.Text1.FontSize(), 1.25);
        for (int i = 0; i < 100; ++i)
            Premi(Anteprima::Comando::Espandi);
        QCOMPARE(a.Text1.FontSize(), Anteprima::kPuntiMassimi);
    }

    void savingAnEditInTheFirstOfThreeBlocksKeepsTheOthers() {
        const QByteArray resto = RigheNumerate(200, 260, 'y') + RigheNumerate(460, 260, 'z');
        Anteprima& a = Apri(RigheNumerate(0, 200) + resto);
        Area(a)->moveCursor(QTextCursor::Start);
        QTest::keyClick(a.Text1.widget(), Qt::Key_Delete);
        QTest::keyClicks(a.Text1.widget(), "A");
        Premi(Anteprima::Comando::Salva);
        QByteArray atteso = RigheNumerate(0, 200);
        atteso[0] = 'A';
        QCOMPARE(cartella->leggi("FD3"), atteso + resto);
        QVERIFY(a.Text1.Text().startsWith("A0000"));
        // Paging goes on after the saved block.
        Premi(Anteprima::Comando::Avanti);
        QVERIFY(a.Text1.Text().startsWith("00200y"));
        Premi(Anteprima::Comando::Avanti);
        QVERIFY(a.Text1.Text().startsWith("00460z"));
    }

    void savesLeaveEveryByteTheUserDidNotChange() {
        // Every byte value, frames and no-break spaces included.
        QByteArray tutti;
        for (int b = 0; b < 256; ++b) {
            if (b != '\r' && b != '\n')
                tutti.append(static_cast<char>(b));
        }
        const QByteArray contenuto = RigheNumerate(0, 3) + tutti + "\r\n\xB3\xA0\xB3\r\n";
        Anteprima& a = Apri(contenuto);
        Premi(Anteprima::Comando::Salva);
        QCOMPARE(cartella->leggi("FD3"), contenuto);
        // An edit of the first line leaves the others as they were.
        Area(a)->moveCursor(QTextCursor::Start);
        QTest::keyClick(a.Text1.widget(), Qt::Key_Delete);
        Premi(Anteprima::Comando::Salva);
        QCOMPARE(cartella->leggi("FD3"), contenuto.mid(1));
    }

    void eMailHandsTheTextInViewToTheProgram() {
        SpedixDiProva spedix(*cartella, true);
        Anteprima& a = Apri("\xB3"
                            "101\xB3 Citt\xE0\r\n");
        QTest::keyClicks(a.Text1.widget(), "!");
        cartella->scrivi("e-mail3.txt", "un messaggio precedente, piu lungo del nuovo\r\n");
        Premi(Anteprima::Comando::EMail);
        // Started in the current folder, without arguments.
        QCOMPARE(spedix.AttendiAvvio(),
                 QFile::encodeName(QDir(cartella->percorso()).canonicalPath()) + " 0");
        QCOMPARE(cartella->leggi("e-mail3.txt"), QByteArray("OGGETTO\r\n!|101| Citt\xE0\r\n\r\n"));
        QVERIFY(a.widget()->isVisible());
    }

    void aMissingEMailProgramIsReportedAndThePreviewStays() {
        SpedixDiProva spedix(*cartella, false);
        RisposteDiProva risposte;
        risposte.Accoda(Risposta::Ok);
        Anteprima& a = Apri("riga\r\n");
        Premi(Anteprima::Comando::EMail);
        QCOMPARE(risposte.Mostrati().size(), 1u);
        const MessaggioMostrato& messaggio = risposte.Mostrati().front();
        QVERIFY(messaggio.testo.contains("Spedix.exe"));
        QVERIFY(messaggio.testo.contains("e-mail3.txt"));
        QCOMPARE(messaggio.stile, Stile::Avviso);
        QCOMPARE(messaggio.titolo, "Anteprima di Stampa");
        QVERIFY(a.Caricata());
        QVERIFY(a.widget()->isVisible());
        QCOMPARE(cartella->leggi("e-mail3.txt"), QByteArray("OGGETTO\r\nriga\r\n\r\n"));
        // The activation after the message keeps the view.
        QCOMPARE(a.Text1.Text(), "riga\r\n");
        QVERIFY(a.widget()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    }

    void aFailedSaveIsReportedAndTheViewStays() {
        RisposteDiProva risposte;
        risposte.Accoda(Risposta::Ok);
        Anteprima& a = Apri("riga\r\n");
        QTest::keyClicks(a.Text1.widget(), "nuova ");
        cartella->scrivi("FD3", "un altro report\r\n");
        Premi(Anteprima::Comando::Salva);
        QCOMPARE(risposte.Mostrati().size(), 1u);
        QVERIFY(risposte.Mostrati().front().testo.contains("FD3"));
        QCOMPARE(cartella->leggi("FD3"), QByteArray("un altro report\r\n"));
        QCOMPARE(a.Text1.Text(), "nuova riga\r\n");
    }
};

QTEST_MAIN(TestAnteprima)
#include "test_anteprima.moc"
