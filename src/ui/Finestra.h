#pragma once

#include "ui/Aspetto.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>
#include <vector>

class Controllo;
class QEventLoop;

enum class Bordo {
    Dialogo,          // title bar and close button, fixed size
    Nessuno,          // no border and no title bar, fixed size
    Ridimensionabile, // an ordinary window the user can resize
};

enum class Modo { NonModale, Modale };

// A window of the program. A window class derives from this one, creates its
// controls in its constructor (its design values) and overrides the events it
// handles:
//   Form_Load      once, when the window is first used, before it is shown;
//   Form_Activate  when it is shown, and again whenever it becomes the
//                  program's active window after a modal window that it
//                  opened (a message box, a menu) has closed;
//   Form_Unload    when it is unloaded, before it leaves the screen.
// Geometry is in twips and refers to the client area.
class Finestra {
  public:
    Finestra(const QString& caption, int width, int height, Bordo bordo = Bordo::Dialogo);
    virtual ~Finestra();
    Finestra(const Finestra&) = delete;
    Finestra& operator=(const Finestra&) = delete;

    // Runs the load event, once; Show() loads a window that is not loaded yet.
    void Load();
    // Shows the window and raises its activation event. A modal display
    // returns when the window has been unloaded or hidden, or when an Utente
    // in place has met it (ui/Utente.h); the window that was active before
    // it is then activated again.
    void Show(Modo modo = Modo::NonModale);
    void Hide();
    // Runs the unload event and takes the window off the screen. An unloaded
    // window stays unloaded: to use it again make a new one, which starts from
    // its design values.
    void Unload();
    bool Caricata() const;

    QString Caption() const;
    void setCaption(const QString& caption);
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void setLeft(int twips);
    void setTop(int twips);
    void setWidth(int twips);
    void setHeight(int twips);
    void setBackColor(Colore colore);

    // Keeps the window above every window that is not kept on top itself and
    // brings it to the front; meant to be called at each activation.
    void InPrimoPiano();

    // The exit status the program ends with when this is the window it
    // started with (AvviaProgramma); 0 unless set.
    void ImpostaEsito(int esito);

    // The toolkit's window, for tests.
    QWidget* widget() const;

  protected:
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Unload() {}

  private:
    friend class Controllo;
    friend int AvviaProgramma(Finestra& avvio);
    class Widget;
    enum class Stato { NonCaricata, Caricata, Scaricata };

    static Finestra* ultimaAttivata();
    static void segnaAttivata(Finestra* finestra);
    static Finestra* di(const QWidget* widget);

    void registra(Controllo* controllo);
    void rimuovi(Controllo* controllo);
    void attiva();
    void attendiChiusura();
    void applicaOrdineTab();
    void applicaDimensioni();

    std::unique_ptr<Widget> widget_;
    Bordo bordo_;
    int sinistra_ = 0;
    int alto_ = 0;
    int larghezza_;
    int altezza_;
    Stato stato_ = Stato::NonCaricata;
    bool inAttivazione_ = false;
    bool inScaricamento_ = false;
    // The window that was active when this one was shown, while it exists.
    QPointer<QWidget> apritore_;
    QEventLoop* ciclo_ = nullptr;
    int esito_ = 0;
    std::vector<Controllo*> controlli_;
};
