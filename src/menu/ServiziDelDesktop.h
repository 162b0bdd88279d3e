#pragma once

#include "output/StampanteCorrente.h"

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

// Why a file was not opened, for the user.
using SeNonAperto = std::function<void(const QString& motivo)>;

// Opens a file with the program the desktop associates with its type (by
// xdg-open) and returns at once, without waiting for that program. When no
// program takes the file (xdg-open is missing, or finds none for its type),
// `nonAperto` is called later, from the event loop, with the reason.
void ApriConProgrammaAssociato(const QString& percorso, const SeNonAperto& nonAperto);

// The desktop's own warning box over `sopra`: the text, the title, the
// exclamation icon and an OK button; returns when the user has pressed OK.
void AvvisoDiSistema(QWidget* sopra, const QString& testo, const QString& titolo);

// What the print menu asks of the desktop it runs on: the installed
// printers, opening a file, the warning box. The program uses the desktop's
// own; a test puts its own in their place, so that it chooses the printers
// and sees what would have been opened or shown.
struct ServiziDelDesktop {
    // Device names of the installed printers, in the print system's order.
    std::function<QStringList()> stampanti = StampantiInstallate;
    std::function<void(const QString& percorso, const SeNonAperto& nonAperto)> apri =
        ApriConProgrammaAssociato;
    std::function<void(QWidget* sopra, const QString& testo, const QString& titolo)> avviso =
        AvvisoDiSistema;
};
