// Takes the README's pictures of the program's windows. Run in a folder of
// demo databases, on a real X server (scripts/schermate runs it under
// xvfb-run): each window is shown as a user sees it, photographed, closed.
//   schermate [--stati] CARTELLA_IMMAGINI
// With --stati it also photographs the states worth a look when the windows
// change: a name too long for its list, a ticked box and the keyboard focus
// on a picture button, a message wider than designed, a file no program
// opened; and it closes the print menu and the preview with Esc.

#include "archivi/DBEngine.h"
#include "front/SetDesk.h"
#include "front/VoceElenco.h"
#include "menu/MenuStampa.h"
#include "msgbox/MsgBox_Routine.h"
#include "msgbox/TitoloErrore.h"
#include "preview/Anteprima.h"
#include "print/PostoDiLavoro.h"
#include "routines/Errore.h"
#include "routines/Orologio.h"
#include "routines/TestoInFinestra.h"
#include "tableau/ControlloRichiesta.h"
#include "tableau/StampaTableau.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QPixmap>
#include <QScreen>
#include <QSignalBlocker>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

QString cartella;
constexpr int kPausa = 600;

void fotografa(QWidget* finestra, const QString& nome) {
    QApplication::processEvents();
    const QString percorso = QDir(cartella).filePath(nome + QStringLiteral(".png"));
    if (!finestra || !finestra->grab().save(percorso))
        std::fprintf(stderr, "schermate: %s non salvata\n", qPrintable(percorso));
    else
        std::printf("%s\n", qPrintable(percorso));
}

QWidget* Attiva() {
    QWidget* attiva = QApplication::activeModalWidget();
    return attiva ? attiva : QApplication::activeWindow();
}

// While a modal window is up: photograph the active window, then close it.
void fotografaEChiudi(const QString& nome) {
    QTimer::singleShot(kPausa, [nome] {
        QWidget* attiva = Attiva();
        fotografa(attiva, nome);
        if (attiva)
            attiva->close();
    });
}

// While a modal window is up: press Esc in it, as a user closing it does.
void premiEsc() {
    QTimer::singleShot(kPausa, [] {
        if (QWidget* attiva = Attiva()) {
            QWidget* bersaglio = attiva->focusWidget() ? attiva->focusWidget() : attiva;
            QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(bersaglio, &esc);
        }
    });
}

// The hotel list showing a name longer than the list is wide; the list is
// put back as it was.
void fotografaNomeLungo(SetDesk& scelta) {
    auto* elenco = static_cast<QComboBox*>(scelta.Combo1(SetDesk::Elenco::Hotel).widget());
    const QSignalBlocker blocco(elenco);
    const int scelto = elenco->currentIndex();
    elenco->addItem(
        VoceElenco(3, QStringLiteral("Grand Hotel delle Terme e dei Congressi di Montecatini")));
    elenco->setCurrentIndex(elenco->count() - 1);
    fotografa(scelta.widget(), QStringLiteral("selezione-nome-lungo"));
    elenco->removeItem(elenco->count() - 1);
    elenco->setCurrentIndex(scelto);
}

void fotografaMessaggioArchivio() {
    try {
        DBEngine::istanza().OpenDatabase(QStringLiteral("ArchivioCheNonCe.mdb"));
    } catch (const Errore& errore) {
        fotografaEChiudi(QStringLiteral("messaggio-archivio"));
        Messaggio(TestoInFinestra(errore.righe()), Stile::Avviso, TitoloArchivio());
    }
}

// The menu with a ticked box and the focus on the print button, then its
// message for a spreadsheet file no program opened; Esc closes it.
void fotografaStatiDelMenu() {
    ServiziDelDesktop servizi;
    servizi.apri = [](const QString&, const SeNonAperto& nonAperto) {
        nonAperto(QStringLiteral("nessun programma adatto a questo tipo di file"));
    };
    MenuStampa menu(1, std::move(servizi));
    QTimer::singleShot(kPausa, [&menu] {
        menu.Chk.setValue(1);
        menu.Tst(MenuStampa::Comando::Stampa).widget()->setFocus(Qt::TabFocusReason);
        fotografa(menu.widget(), QStringLiteral("menu-spunta-e-fuoco"));
        fotografaEChiudi(QStringLiteral("messaggio-non-aperto"));
        menu.Tst(MenuStampa::Comando::FoglioDiCalcolo).Premi();
        premiEsc();
    });
    menu.Show(Modo::Modale);
    if (menu.Caricata())
        std::fprintf(stderr, "schermate: Esc non ha chiuso il menu\n");
}

void fotografaAnteprimaChiusaConEsc() {
    Anteprima anteprima(PostoDiLavoro::corrente());
    premiEsc();
    anteprima.Show(Modo::Modale);
    if (anteprima.Caricata())
        std::fprintf(stderr, "schermate: Esc non ha chiuso l'anteprima\n");
}

} // namespace

int main(int argc, char** argv) {
    QApplication applicazione(argc, argv);
    const bool stati = argc == 3 && QByteArray(argv[1]) == "--stati";
    if (argc != 2 && !stati) {
        std::fprintf(stderr, "Uso: schermate [--stati] CARTELLA_IMMAGINI\n");
        return 2;
    }
    cartella = QString::fromLocal8Bit(argv[argc - 1]);
    QDir().mkpath(cartella);

    SetDesk scelta;
    scelta.Show();
    QTimer::singleShot(kPausa, [&] {
        fotografa(scelta.widget(), QStringLiteral("selezione"));
        if (stati)
            fotografaNomeLungo(scelta);

        fotografaEChiudi(QStringLiteral("messaggio"));
        Messaggio(TestoInFinestra(TestoRifiuto(Rifiuto::DataErrata)), Stile::Avviso,
                  TitoloRifiuto(Rifiuto::DataErrata));
        if (stati)
            fotografaMessaggioArchivio();

        StampaTableau(1, 1, QStringLiteral("101"), QStringLiteral("120"),
                      Adesso().date().toString(QStringLiteral("dd/MM/yyyy")));
        {
            MenuStampa menu(1);
            fotografaEChiudi(QStringLiteral("menu"));
            menu.Show(Modo::Modale);
        }
        if (stati)
            fotografaStatiDelMenu();
        {
            Anteprima anteprima(PostoDiLavoro::corrente());
            fotografaEChiudi(QStringLiteral("anteprima"));
            anteprima.Show(Modo::Modale);
        }
        if (stati)
            fotografaAnteprimaChiusaConEsc();
        scelta.Unload();
        QApplication::quit();
    });
    return QApplication::exec();
}
