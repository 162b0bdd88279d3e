// The desktop's own services as the print menu uses them: the warning box
// and the opener, here a stand-in xdg-open that notes what it was given.
#include "AllApparire.h"
#include "XdgOpenDiProva.h"

#include "print/menu/ServiziDelDesktop.h"
#include "util/CartellaDiProva.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

class TestServiziDelDesktop : public QObject {
    Q_OBJECT

  private slots:
    void avvisoConIconaETastoOk();
    void fileApertiDalProgrammaAssociato();
};

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

void TestServiziDelDesktop::fileApertiDalProgrammaAssociato() {
    CartellaDiProva cartella;
    XdgOpenDiProva opener;
    QDir().mkdir(QStringLiteral("doc"));
    cartella.scrivi(QStringLiteral("doc/fd2 copia.doc"), "testo");
    ApriConProgrammaAssociato(QStringLiteral("doc/fd2 copia.doc"));
    // Returns at once, before the opener has finished.
    QCOMPARE(opener.aperti(1), QStringList{cartella.percorso(QStringLiteral("doc/fd2 copia.doc"))});
}

QTEST_MAIN(TestServiziDelDesktop)
#include "test_servizidelesktop.moc"
