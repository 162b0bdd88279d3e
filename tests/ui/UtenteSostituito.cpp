#include "prove/ui/UtenteSostituito.h"

#include "ui/Finestra.h"
#include "ui/Utente.h"

#include <QPointer>
#include <QWidget>

namespace {

// Acts in the user's place for one window, and goes with it.
class UtenteSostituito : public Utente {
  public:
    UtenteSostituito(Finestra& finestra, std::function<void()> utente)
        : finestra_(finestra.widget()), utente_(std::move(utente)) {
        QObject::connect(finestra_, &QObject::destroyed, this, &QObject::deleteLater);
    }

    bool Incontra(Finestra& finestra) override {
        if (!finestra_ || finestra.widget() != finestra_)
            return false;
        utente_();
        return true;
    }

  private:
    QPointer<QWidget> finestra_;
    std::function<void()> utente_;
};

} // namespace

void SostituisciUtente(Finestra& finestra, std::function<void()> utente) {
    new UtenteSostituito(finestra, std::move(utente));
}
