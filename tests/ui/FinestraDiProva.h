#pragma once

#include "ui/Finestra.h"
#include "ui/Matrice.h"
#include "ui/Pulsante.h"

#include <QString>
#include <QStringList>

#include <functional>

// A window that records its events, with two buttons whose presses run what
// the test asks for.
class FinestraDiProva : public Finestra {
  public:
    explicit FinestraDiProva(const QString& nome) : Finestra(nome, 2880, 1440) {
        Tasto.Aggiungi(*this, 0, {120, 120, 1200, 400}).setTabIndex(1);
        Tasto.Aggiungi(*this, 1, {1440, 120, 1200, 400}).setTabIndex(0);
        Tasto.Click = [this](int Index) {
            eventi.append(QStringLiteral("Click %1").arg(Index));
            if (premuto)
                premuto(Index);
        };
    }

    Matrice<Pulsante> Tasto;
    QStringList eventi;
    std::function<void()> alCaricamento;
    std::function<void()> allAttivazione;
    std::function<void(int)> premuto;

    int attivazioni() const { return static_cast<int>(eventi.count(QStringLiteral("Activate"))); }

  protected:
    void Form_Load() override {
        eventi.append(QStringLiteral("Load"));
        if (alCaricamento)
            alCaricamento();
    }
    void Form_Activate() override {
        eventi.append(QStringLiteral("Activate"));
        if (allAttivazione)
            allAttivazione();
    }
    void Form_Unload() override { eventi.append(QStringLiteral("Unload")); }
};
