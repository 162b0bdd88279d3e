#include "ui/Finestra.h"

#include "ui/Colora.h"
#include "ui/Controllo.h"
#include "ui/Misure.h"
#include "ui/Programma.h"
#include "ui/Pulsante.h"
#include "ui/Utente.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

#include <algorithm>

// The toolkit's window: a close request from the window system (title bar,
// Alt+F4) unloads the window as the program's own Unload does; Esc, when no
// control has used it, presses the window's cancel button.
class Finestra::Widget : public QWidget {
  public:
    explicit Widget(Finestra& finestra) : finestra_(finestra) {}

    Finestra& finestra() const { return finestra_; }

    // Set on the window the program activated last.
    bool attivata = false;

  protected:
    void closeEvent(QCloseEvent* evento) override {
        evento->ignore();
        finestra_.Unload();
    }

    void keyPressEvent(QKeyEvent* evento) override {
        if (evento->key() == Qt::Key_Escape && evento->modifiers() == Qt::NoModifier) {
            for (Controllo* controllo : finestra_.controlli_) {
                auto* pulsante = dynamic_cast<Pulsante*>(controllo);
                if (pulsante && pulsante->Cancel() && pulsante->Visible() && pulsante->Enabled()) {
                    pulsante->Premi();
                    return;
                }
            }
        }
        QWidget::keyPressEvent(evento);
    }

  private:
    Finestra& finestra_;
};

namespace {
Qt::WindowFlags Cornice(Bordo bordo) {
    switch (bordo) {
    case Bordo::Dialogo:
        return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
               Qt::WindowCloseButtonHint;
    case Bordo::Nessuno:
        return Qt::Dialog | Qt::FramelessWindowHint;
    case Bordo::Ridimensionabile:
        break;
    }
    return Qt::Window;
}

// A stored length in twips, unless the window system changed the window since
// (the user moved or resized it): then the length it has now.
int Attuale(int twips, int pixel) {
    return InPixel(twips) == pixel ? twips : InTwips(pixel);
}
} // namespace

Finestra::Finestra(const QString& caption, int width, int height, Bordo bordo)
    : widget_(std::make_unique<Widget>(*this)), bordo_(bordo), larghezza_(width), altezza_(height) {
    widget_->setWindowFlags(Cornice(bordo));
    widget_->setWindowTitle(caption);
    applicaDimensioni();
}

Finestra::~Finestra() {
    widget_->attivata = false;
    if (ciclo_)
        ciclo_->quit();
}

// The window the program activated last is marked on its toolkit window: the
// toolkit's list of the windows that exist is where it is found, and a window
// destroyed leaves that list. A modal display hands the activation back to
// the window that was active when it began.
Finestra* Finestra::ultimaAttivata() {
    for (const QWidget* widget : QApplication::topLevelWidgets()) {
        const auto* nostra = dynamic_cast<const Widget*>(widget);
        if (nostra && nostra->attivata)
            return &nostra->finestra();
    }
    return nullptr;
}

void Finestra::segnaAttivata(Finestra* finestra) {
    if (Finestra* prima = ultimaAttivata())
        prima->widget_->attivata = false;
    if (finestra)
        finestra->widget_->attivata = true;
}

Finestra* Finestra::di(const QWidget* widget) {
    const auto* nostra = dynamic_cast<const Widget*>(widget);
    return nostra ? &nostra->finestra() : nullptr;
}

void Finestra::Load() {
    if (stato_ != Stato::NonCaricata)
        return;
    stato_ = Stato::Caricata;
    applicaOrdineTab();
    Form_Load();
}

void Finestra::Show(Modo modo) {
    Load();
    if (stato_ != Stato::Caricata)
        return;
    Finestra* const attivaPrima = ultimaAttivata();
    const QPointer<QWidget> apritore =
        attivaPrima && attivaPrima != this ? attivaPrima->widget() : nullptr;
    apritore_ = apritore;
    const bool modale = modo == Modo::Modale;
    if (!widget_->isVisible())
        widget_->setWindowModality(modale ? Qt::ApplicationModal : Qt::NonModal);

    // The activation runs before the window appears, so that it shows at
    // once with the size, position and stacking the activation gives it.
    attiva();
    if (Caricata() && !(modale && IncontrataDaUnUtente(*this))) {
        if (apritore && apritore->windowHandle()) {
            widget_->winId();
            widget_->windowHandle()->setTransientParent(apritore->windowHandle());
        }
        widget_->show();
        widget_->activateWindow();
        if (modale)
            attendiChiusura();
    }
    if (modale && apritore)
        di(apritore)->attiva();
}

void Finestra::Hide() {
    widget_->hide();
    if (ciclo_)
        ciclo_->quit();
}

void Finestra::Unload() {
    if (stato_ != Stato::Caricata || inScaricamento_)
        return;
    inScaricamento_ = true;
    Form_Unload();
    inScaricamento_ = false;
    stato_ = Stato::Scaricata;
    widget_->hide();
    if (widget_->attivata)
        segnaAttivata(di(apritore_));
    if (ciclo_)
        ciclo_->quit();
}

bool Finestra::Caricata() const {
    return stato_ == Stato::Caricata;
}

QString Finestra::Caption() const {
    return widget_->windowTitle();
}
void Finestra::setCaption(const QString& caption) {
    widget_->setWindowTitle(caption);
}

int Finestra::Left() const {
    return Attuale(sinistra_, widget_->x());
}
int Finestra::Top() const {
    return Attuale(alto_, widget_->y());
}
int Finestra::Width() const {
    return Attuale(larghezza_, widget_->width());
}
int Finestra::Height() const {
    return Attuale(altezza_, widget_->height());
}
void Finestra::setLeft(int twips) {
    sinistra_ = twips;
    widget_->move(InPixel(twips), widget_->y());
}

void Finestra::setTop(int twips) {
    alto_ = twips;
    widget_->move(widget_->x(), InPixel(twips));
}

void Finestra::setWidth(int twips) {
    larghezza_ = twips;
    altezza_ = Height();
    applicaDimensioni();
}

void Finestra::setHeight(int twips) {
    larghezza_ = Width();
    altezza_ = twips;
    applicaDimensioni();
}

void Finestra::setBackColor(Colore colore) {
    Colora(*widget_, {QPalette::Window}, colore);
    widget_->setAutoFillBackground(true);
}

void Finestra::InPrimoPiano() {
    // A window that is not on the screen yet comes to the front when shown.
    if (!widget_->isVisible()) {
        widget_->setWindowFlag(Qt::WindowStaysOnTopHint, true);
        return;
    }
    if (!widget_->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
        // Changing the flags takes a window off the screen; put it back.
        widget_->setWindowFlag(Qt::WindowStaysOnTopHint, true);
        widget_->show();
    }
    widget_->raise();
}

void Finestra::ImpostaEsito(int esito) {
    esito_ = esito;
}

QWidget* Finestra::widget() const {
    return widget_.get();
}

void Finestra::registra(Controllo* controllo) {
    controlli_.push_back(controllo);
}

void Finestra::rimuovi(Controllo* controllo) {
    std::erase(controlli_, controllo);
}

void Finestra::attiva() {
    // An activation never runs inside itself: a message shown by the
    // activation would otherwise start it again when it closes.
    if (inAttivazione_ || !Caricata())
        return;
    segnaAttivata(this);
    inAttivazione_ = true;
    Form_Activate();
    inAttivazione_ = false;
}

void Finestra::attendiChiusura() {
    QEventLoop ciclo;
    ciclo_ = &ciclo;
    ciclo.exec(QEventLoop::DialogExec);
    ciclo_ = nullptr;
}

void Finestra::applicaOrdineTab() {
    std::vector<Controllo*> ordine;
    std::copy_if(controlli_.begin(), controlli_.end(), std::back_inserter(ordine),
                 [](const Controllo* c) { return c->TabIndex() >= 0; });
    std::stable_sort(ordine.begin(), ordine.end(), [](const Controllo* a, const Controllo* b) {
        return a->TabIndex() < b->TabIndex();
    });
    for (std::size_t i = 1; i < ordine.size(); ++i)
        QWidget::setTabOrder(ordine[i - 1]->widget(), ordine[i]->widget());
    // The window opens with the focus on the first control of the tab order
    // that can take it.
    const auto primo = std::find_if(ordine.begin(), ordine.end(), [](const Controllo* c) {
        return c->Visible() && c->Enabled() && (c->widget()->focusPolicy() & Qt::TabFocus);
    });
    if (primo != ordine.end())
        (*primo)->SetFocus();
}

void Finestra::applicaDimensioni() {
    const QSize dimensioni(InPixel(larghezza_), InPixel(altezza_));
    if (bordo_ == Bordo::Ridimensionabile)
        widget_->resize(dimensioni);
    else
        widget_->setFixedSize(dimensioni);
}

int AvviaProgramma(Finestra& avvio) {
    avvio.Show();
    while (avvio.Caricata())
        avvio.attendiChiusura();
    return avvio.esito_;
}
