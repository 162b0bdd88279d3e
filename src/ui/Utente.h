#pragma once

#include <QObject>

class Finestra;

// Whoever meets the windows shown modally in place of the person at the
// screen. While an object of a derived class lives, each modal display is
// offered to it, after the window's load and activation: if it takes the
// window, it acts on it as the person would (and is expected to unload or
// hide it), and the display ends when it returns, the window never on the
// screen. The objects in place are asked newest first; a window none takes
// appears on the screen, and the display waits until it is unloaded or
// hidden. They are children of the application object, which keeps them
// for the window layer.
class Utente : public QObject {
    Q_OBJECT

  public:
    Utente();

    // Meets `finestra` when it is one this object acts on; false otherwise.
    virtual bool Incontra(Finestra& finestra) = 0;
};

// Offers `finestra` to the objects in place, newest first; true when one
// has met it.
bool IncontrataDaUnUtente(Finestra& finestra);
