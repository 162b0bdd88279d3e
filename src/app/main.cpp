// Tableau Settimanale: the program starts with the selection window and ends
// when that window closes; its "&Stampa" writes the tableau and shows the
// print menu. It reads no command-line arguments; its databases
// are found in the current directory.
#include "app/StampaTableauEMenu.h"
#include "front/SetDesk.h"
#include "ui/Programma.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv) {
    QApplication applicazione(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tableau Settimanale"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("tableau-settimanale")));
    SetDesk finestra(StampaTableauEMenu());
    return AvviaProgramma(finestra);
}
