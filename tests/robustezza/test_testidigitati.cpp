// What a user can type or paste into the windows: 100,000 characters,
// control characters, letters outside Latin-1, emoji, several lines at once.
// The selection window keeps each field to its length and answers a request
// it cannot take with its Italian message; the preview saves what it was
// given without breaking the print file. Nothing crashes, the database files
// stay byte for byte, and a print file is only ever replaced by a tableau.
#include "front/SetDesk.h"
#include "msgbox/MsgBox_Routine.h"
#include "preview/Anteprima.h"
#include "print/FileStampa.h"
#include "prove/front/ArchiviDiProva.h"
#include "prove/msgbox/RisposteDiProva.h"
#include "prove/print/VariabiliDiProva.h"
#include "prove/robustezza/Impronte.h"
#include "prove/util/CartellaDiProva.h"
#include "routines/Orologio.h"
#include "routines/TestoAnsi.h"
#include "tableau/StampaTableau.h"
#include "ui/Programma.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QTest>

#include <optional>

namespace {

const QByteArray kPrecedente = "tableau precedente\r\n";
const QString kOggi = QStringLiteral("05/01/2026");

// The hostile texts, each once typed and once pasted.
QStringList TestiOstili() {
    return {QString(100000, u'7'),
            QStringLiteral("1\x01\x1b[2J\x7f"),
            QStringLiteral("東京"),
            QStringLiteral("😀😀😀😀"),
            QStringLiteral("101\r\n102\n103"),
            QStringLiteral("\t \u00a0\u2028\ufeff")};
}

void Incolla(Controllo& campo, const QString& testo) {
    campo.SetFocus();
    QTest::keyClick(campo.widget(), Qt::Key_A, Qt::ControlModifier);
    QGuiApplication::clipboard()->setText(testo);
    QTest::keyClick(campo.widget(), Qt::Key_V, Qt::ControlModifier);
}

void Digita(Controllo& campo, const QString& testo) {
    campo.SetFocus();
    QTest::keyClick(campo.widget(), Qt::Key_A, Qt::ControlModifier);
    // Typing a hundred thousand keys adds nothing to what pasting shows; a
    // control character typed is a key (Enter, Tab, Esc) with its own
    // meaning, so only pasting brings those in.
    // QTest types Latin-1 only: other characters go as key events carrying
    // their text, as an input method delivers them (a pair of surrogates in
    // one event).
    const QString testoBreve = testo.left(200);
    for (qsizetype i = 0; i < testoBreve.size(); ++i) {
        QString tasto(testoBreve[i]);
        if (testoBreve[i].isHighSurrogate() && i + 1 < testoBreve.size())
            tasto += testoBreve[++i];
        if (tasto.front().unicode() < 0x20 || tasto.front().unicode() == 0x7f)
            continue;
        QKeyEvent premuto(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, tasto);
        QKeyEvent lasciato(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, tasto);
        QApplication::sendEvent(campo.widget(), &premuto);
        QApplication::sendEvent(campo.widget(), &lasciato);
    }
}

bool SenzaSurrogatiSpaiati(const QString& testo) {
    for (qsizetype i = 0; i < testo.size(); ++i) {
        if (testo[i].isHighSurrogate() && (i + 1 == testo.size() || !testo[i + 1].isLowSurrogate()))
            return false;
        if (testo[i].isLowSurrogate() && (i == 0 || !testo[i - 1].isHighSurrogate()))
            return false;
    }
    return true;
}

} // namespace

class TestTestiDigitati : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void campiDelleCamereEDellaData();
    void dataOstileRifiutataConIlSuoMessaggio();
    void camereOstiliConfrontateComeTesto();
    void elenchiNonSiScrivono();
    void testoDellAnteprima();

  private:
    void apri();
    // Presses Stampa; when the window passes the request on, the tableau is
    // written and the print file must be one.
    void stampa();

    std::optional<CartellaDiProva> cartella;
    std::optional<VariabiliDiProva> ambiente;
    std::optional<RisposteDiProva> risposte;
    std::optional<SetDesk> desk;
    QMap<QString, QByteArray> archivi;
    int richieste = 0;
};

void TestTestiDigitati::init() {
    FissaOrologio(QDateTime(QDate(2026, 1, 5), QTime(9, 30)));
    cartella.emplace();
    ambiente.emplace();
    ambiente->togli("PCLocal");
    ambiente->imposta("PCLocal", "1");
    risposte.emplace();
    ScriviArchiviDiProva();
    cartella->scrivi("FD1", kPrecedente);
    archivi = ImpronteArchivi(cartella->percorso());
    richieste = 0;
}

void TestTestiDigitati::cleanup() {
    desk.reset();
    QCOMPARE(risposte->InAttesa(), 0);
    QCOMPARE(ImpronteArchivi(cartella->percorso()), archivi);
    risposte.reset();
    ambiente.reset();
    cartella.reset();
    FissaOrologio(std::nullopt);
}

void TestTestiDigitati::apri() {
    desk.emplace([this](std::int16_t hotel, std::int16_t tableau, const QString& prima,
                        const QString& ultima, const QString& data) {
        ++richieste;
        StampaTableau(hotel, tableau, prima, ultima, data);
    });
    desk->Show();
    QVERIFY(QTest::qWaitForWindowActive(desk->widget()));
}

void TestTestiDigitati::stampa() {
    const int prima = richieste;
    const QByteArray precedente = cartella->leggi("FD1");
    QTest::mouseClick(desk->Tasto(SetDesk::Comando::Stampa).widget(), Qt::LeftButton);
    const QByteArray fileStampa = cartella->leggi("FD1");
    if (richieste == prima) {
        QCOMPARE(fileStampa, precedente);
        return;
    }
    // A tableau: the title with the hotel, then lines ending in CR LF.
    QVERIFY(fileStampa.contains("Hotel Uno"));
    QVERIFY(fileStampa.endsWith("\r\n"));
    QCOMPARE(fileStampa.count('\r'), fileStampa.count('\n'));
}

// Each field keeps to its length, however much is pasted, and never holds
// half of a character; Enter then cleans, completes or refuses as for any
// text.
void TestTestiDigitati::campiDelleCamereEDellaData() {
    apri();
    const int lunghezze[] = {6, 6, 10};
    for (int campo = 0; campo < 3; ++campo) {
        for (const QString& testo : TestiOstili()) {
            for (const auto& inserisci : {&Incolla, &Digita}) {
                inserisci(desk->Text1(campo), testo);
                const QString dentro = desk->Text1(campo).Text();
                QVERIFY2(dentro.size() <= lunghezze[campo], qPrintable(dentro.left(20)));
                QVERIFY(SenzaSurrogatiSpaiati(dentro));
                for (const QChar c : dentro)
                    QVERIFY(c.category() != QChar::Other_Control);
            }
        }
    }
}

// A date field holding any of the texts is refused with the date message,
// by Enter and by Stampa, and today's date comes back; the print file is
// not touched.
void TestTestiDigitati::dataOstileRifiutataConIlSuoMessaggio() {
    apri();
    for (const QString& testo : TestiOstili()) {
        Incolla(desk->Text1(SetDesk::Campo::DataInizio), testo);
        risposte->Accoda(Risposta::Ok);
        QTest::keyClick(desk->Text1(SetDesk::Campo::DataInizio).widget(), Qt::Key_Return);
        QCOMPARE(risposte->Mostrati().back().titolo, QStringLiteral("Data errata!"));
        QCOMPARE(desk->Text1(SetDesk::Campo::DataInizio).Text(), kOggi);

        Incolla(desk->Text1(SetDesk::Campo::DataInizio), testo);
        risposte->Accoda(Risposta::Ok);
        stampa();
        QCOMPARE(risposte->Mostrati().back().titolo, QStringLiteral("Data errata!"));
        QCOMPARE(desk->Text1(SetDesk::Campo::DataInizio).Text(), kOggi);
    }
    QCOMPARE(richieste, 0);
    QCOMPARE(risposte->Mostrati().size(), std::size_t(2 * TestiOstili().size()));
}

// Room fields are compared as text, whatever they hold: a reversed range is
// refused with the rooms message, any other gives a tableau of the rooms
// that lie between as text ("東京" comes after every number).
void TestTestiDigitati::camereOstiliConfrontateComeTesto() {
    apri();
    for (const QString& testo : TestiOstili()) {
        for (int campo = 0; campo < 2; ++campo) {
            Incolla(desk->Text1(SetDesk::Campo::PrimaCamera), QStringLiteral("101"));
            Incolla(desk->Text1(SetDesk::Campo::UltimaCamera), QStringLiteral("99"));
            Incolla(desk->Text1(campo), testo);
            const bool rovesciato = desk->Text1(SetDesk::Campo::UltimaCamera).Text() <
                                    desk->Text1(SetDesk::Campo::PrimaCamera).Text();
            const std::size_t messaggi = risposte->Mostrati().size();
            if (rovesciato)
                risposte->Accoda(Risposta::Ok);
            stampa();
            QCOMPARE(risposte->Mostrati().size(), messaggi + (rovesciato ? 1 : 0));
            if (rovesciato)
                QCOMPARE(risposte->Mostrati().back().titolo, QStringLiteral("Camere errate!"));
        }
    }
    Incolla(desk->Text1(SetDesk::Campo::PrimaCamera), QStringLiteral("101"));
    Incolla(desk->Text1(SetDesk::Campo::UltimaCamera), QStringLiteral("東京"));
    stampa();
    const QByteArray fileStampa = cartella->leggi("FD1");
    for (const char* camera : {"101", "102", "99"})
        QVERIFY2(fileStampa.contains(camera), camera);
}

// The lists only ever hold one of their entries, whatever is typed on them.
void TestTestiDigitati::elenchiNonSiScrivono() {
    apri();
    for (int elenco = 0; elenco < 2; ++elenco) {
        QStringList voci;
        for (int i = 0; i < desk->Combo1(elenco).ListCount(); ++i)
            voci.append(desk->Combo1(elenco).List(i));
        for (const QString& testo : TestiOstili()) {
            Digita(desk->Combo1(elenco), testo);
            QVERIFY(voci.contains(desk->Combo1(elenco).Text()));
            desk->Combo1(elenco).setText(testo);
            QVERIFY(voci.contains(desk->Combo1(elenco).Text()));
        }
    }
    stampa();
}

// The preview's text box takes any text; closed without saving, the print
// file is as it was; saved, it holds the text as the print file can (a
// character Windows-1252 lacks becomes "?"), and reads back as lines.
void TestTestiDigitati::testoDellAnteprima() {
    const QByteArray originale = "\xDA\xC4\xBF\r\n\xB3 101 \xB3\r\n\xC0\xC4\xD9\r\n";
    for (const QString& testo : TestiOstili()) {
        cartella->scrivi("FD1", originale);
        {
            Anteprima anteprima{PostoDiLavoro(QStringLiteral("1"))};
            anteprima.Show();
            Incolla(anteprima.Text1, testo);
            QTest::mouseClick(anteprima.Tasto(Anteprima::Comando::Esci).widget(), Qt::LeftButton);
        }
        QCOMPARE(cartella->leggi("FD1"), originale);

        Anteprima anteprima{PostoDiLavoro(QStringLiteral("1"))};
        anteprima.Show();
        Incolla(anteprima.Text1, testo);
        const QString mostrato = anteprima.Text1.Text();
        QTest::mouseClick(anteprima.Tasto(Anteprima::Comando::Salva).widget(), Qt::LeftButton);
        const std::optional<QStringList> righe =
            LeggiFileStampa(PostoDiLavoro(QStringLiteral("1")));
        QVERIFY(righe);
        QByteArray atteso;
        for (const QChar c : mostrato) {
            if (c != u'\r' && c != u'\n' && c != QChar(0x2028) && c != QChar(0x2029))
                atteso += InAnsi(QString(c));
        }
        QByteArray salvato = cartella->leggi("FD1");
        salvato.replace("\r", "").replace("\n", "");
        QCOMPARE(salvato, atteso);
        QVERIFY(risposte->Mostrati().empty());
    }
}

QTEST_MAIN(TestTestiDigitati)
#include "test_testidigitati.moc"
