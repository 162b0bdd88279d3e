// Takes the README's pictures of the program's windows. Run in a folder of
// demo databases, on a real X server (scripts/schermate runs it under
// xvfb-run): each window is shown as a user sees it, photographed, closed.
//   schermate CARTELLA_IMMAGINI

#include "front/SetDesk.h"
#include "msgbox/MsgBox_Routine.h"
#include "preview/Anteprima.h"
#include "print/PostoDiLavoro.h"
#include "print/menu/MenuStampa.h"
#include "routines/Orologio.h"
#include "tableau/StampaTableau.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

QString cartella;

void fotografa(QWidget* finestra, const QString& nome) {
    QApplication::processEvents();
    const QString percorso = QDir(cartella).filePath(nome + QStringLiteral(".png"));
    if (!finestra || !finestra->grab().save(percorso))
        std::fprintf(stderr, "schermate: %s non salvata\n", qPrintable(percorso));
    else
        std::printf("%s\n", qPrintable(percorso));
}

// While a modal window is up: photograph the active window, then close it.
void fotografaEChiudi(const QString& nome) {
    QTimer::singleShot(600, [nome] {
        QWidget* attiva = QApplication::activeModalWidget();
        if (!attiva)
            attiva = QApplication::activeWindow();
        fotografa(attiva, nome);
        if (attiva)
            attiva->close();
    });
}

} // namespace

int main(int argc, char** argv) {
    QApplication applicazione(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Uso: schermate CARTELLA_IMMAGINI\n");
        return 2;
    }
    cartella = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(cartella);

    SetDesk scelta;
    scelta.Show();
    QTimer::singleShot(600, [&] {
        fotografa(scelta.widget(), QStringLiteral("selezione"));

        fotografaEChiudi(QStringLiteral("messaggio"));
        Messaggio(QStringLiteral("La data deve essere inserita \r\nnel formato gg/mm/aaaa"), 48,
                  QStringLiteral("Data errata!"));

        StampaTableau(1, 1, QStringLiteral("101"), QStringLiteral("120"),
                      Adesso().date().toString(QStringLiteral("dd/MM/yyyy")));
        {
            MenuStampa menu;
            fotografaEChiudi(QStringLiteral("menu"));
            menu.Show(Modo::Modale);
        }
        {
            Anteprima anteprima(PostoDiLavoro::corrente());
            fotografaEChiudi(QStringLiteral("anteprima"));
            anteprima.Show(Modo::Modale);
        }
        scelta.Unload();
        QApplication::quit();
    });
    return QApplication::exec();
}
