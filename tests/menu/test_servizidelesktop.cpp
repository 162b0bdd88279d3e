// The desktop's own services as the print menu uses them: the warning box
// and the opener, here a stand-in xdg-open that notes what it was given.
#include "prove/menu/AllApparire.h"
#include "prove/menu/XdgOpenDiProva.h"

#include "prove/print/VariabiliDiProva.h"

#include "menu/ServiziDelDesktop.h"
#include "prove/util/CartellaDiProva.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

class TestServiziDelDesktop : public QObject {
    Q_OBJECT

  private slots:
    void avvisoConIconaETastoOk();
    void fileApertiDalProgrammaAssociato_data();
    void fileApertiDalProgrammaAssociato();
    void senzaXdgOpenNonAperto();
};

namespace {
// The opener has ended and its process is gone.
bool OpenerFinito() {
    return QCoreApplication::instance()->findChildren<QProcess*>().isEmpty();
}
} // namespace

void TestServiziDelDesktop::avvisoConIconaETastoOk() {
    QString testo, titolo;
    QMessageBox::Icon icona = QMessageBox::NoIcon;
    QStringList tasti;
    AllApparire(QStringLiteral("Stampa"), [&](QWidget& finestra) {
        auto& scatola = static_cast<QMessageBox&>(finestra);
        testo = scatola.text();
        titolo = scatola.windowTitle();
        icona = scatola.icon();
        for (const QAbstractButton* tasto : scatola.buttons())
            tasti << tasto->text();
        scatola.button(QMessageBox::Ok)->click();
    });
    AvvisoDiSistema(nullptr, QStringLiteral("Nessuna stampante PDF impostata!"),
                    QStringLiteral("Stampa"));
    QCOMPARE(testo, QStringLiteral("Nessuna stampante PDF impostata!"));
    QCOMPARE(titolo, QStringLiteral("Stampa"));
    QCOMPARE(icona, QMessageBox::Warning);
    QCOMPARE(tasti.size(), 1);
}

void TestServiziDelDesktop::fileApertiDalProgrammaAssociato_data() {
    QTest::addColumn<int>("esito");
    QTest::addColumn<QStringList>("motivi");
    QTest::newRow("aperto") << 0 << QStringList();
    QTest::newRow("nessun programma per il tipo")
        << 3 << QStringList{QStringLiteral("nessun programma adatto a questo tipo di file")};
    QTest::newRow("opener fallito")
        << 4 << QStringList{QStringLiteral("xdg-open è terminato con il codice 4")};
}

void TestServiziDelDesktop::fileApertiDalProgrammaAssociato() {
    QFETCH(int, esito);
    QFETCH(QStringList, motivi);
    CartellaDiProva cartella;
    XdgOpenDiProva opener(esito);
    QDir().mkdir(QStringLiteral("doc"));
    cartella.scrivi(QStringLiteral("doc/fd2 copia.doc"), "testo");
    QStringList detti;
    ApriConProgrammaAssociato(QStringLiteral("doc/fd2 copia.doc"),
                              [&](const QString& motivo) { detti << motivo; });
    // Returns at once, before the opener has finished.
    QCOMPARE(opener.aperti(1), QStringList{cartella.percorso(QStringLiteral("doc/fd2 copia.doc"))});
    QTRY_VERIFY(OpenerFinito());
    QCOMPARE(detti, motivi);
}

void TestServiziDelDesktop::senzaXdgOpenNonAperto() {
    CartellaDiProva cartella;
    cartella.scrivi(QStringLiteral("fd2.csv"), "a,b");
    const QTemporaryDir vuota;
    VariabiliDiProva variabili;
    variabili.imposta("PATH", vuota.path().toUtf8());
    QStringList detti;
    ApriConProgrammaAssociato(QStringLiteral("fd2.csv"),
                              [&](const QString& motivo) { detti << motivo; });
    QTRY_COMPARE(detti, QStringList{QStringLiteral("il comando xdg-open non si avvia")});
    QTRY_VERIFY(OpenerFinito());
}

QTEST_MAIN(TestServiziDelDesktop)
#include "test_servizidelesktop.moc"
