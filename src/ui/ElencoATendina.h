#pragma once

#include "ui/Controllo.h"

#include <QString>

#include <functional>

struct EventiElenco {
    // An entry has been chosen, by the user or by setText().
    std::function<void(int Index)> Click;
};

// A drop-down list whose text can only be one of its entries. An entry too
// long for the field shows its beginning and "…"; the open list shows it whole.
class ElencoATendina : public Controllo, public EventiElenco {
  public:
    using Eventi = EventiElenco;

    ElencoATendina(Finestra& finestra, const Riquadro& riquadro, int Index = 0,
                   const Eventi* eventi = nullptr);

    // Shown, dimmed, while no entry is chosen: what the list is for.
    void setSegnaposto(const QString& testo);

    void Clear();
    // Adds an entry at the end; the chosen entry does not change.
    void AddItem(const QString& voce);
    QString List(int indice) const;
    int ListCount() const;
    // The chosen entry, -1 when there is none.
    int ListIndex() const;

    // The chosen entry's text, empty when there is none.
    QString Text() const;
    // Chooses the first entry with this text and raises Click, as a choice by
    // the user does. A text that is no entry changes nothing.
    void setText(const QString& testo);

  private:
    class Tendina;
    void scelta() const;

    const Eventi& eventi_;
};
