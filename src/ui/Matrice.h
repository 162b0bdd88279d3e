#pragma once

#include "ui/Controllo.h"

#include <map>
#include <memory>
#include <type_traits>

// A control array: controls of one kind that share a name and their event
// handlers and are told apart by an index; a handler receives the index of
// the control that raised the event. A window whose indices have names
// gives them as an enumeration, whose values are the indices.
//
//     Matrice<Pulsante> Tasto;
//     Tasto.Aggiungi(*this, 0, {600, 3120, 1215, 495}).setCaption(QStringLiteral("&Stampa"));
//     Tasto.Click = [this](int Index) { Tasto_Click(Index); };
//     Tasto(0).SetFocus();
//     Tasto(Comando::Stampa).SetFocus();
template <class C> class Matrice : public C::Eventi {
  public:
    Matrice() = default;
    Matrice(const Matrice&) = delete;
    Matrice& operator=(const Matrice&) = delete;

    // Creates the element `Index` with its design geometry.
    C& Aggiungi(Finestra& finestra, int Index, const Riquadro& riquadro) {
        auto& elemento = elementi_[Index];
        elemento = std::make_unique<C>(finestra, riquadro, Index,
                                       static_cast<const typename C::Eventi*>(this));
        return *elemento;
    }

    // The element `Index`; std::out_of_range when the array has none.
    C& operator()(int Index) { return *elementi_.at(Index); }
    const C& operator()(int Index) const { return *elementi_.at(Index); }
    template <class E>
    requires std::is_enum_v<E> C& operator()(E Index) { return (*this)(static_cast<int>(Index)); }
    template <class E>
    requires std::is_enum_v<E>
    const C& operator()(E Index) const { return (*this)(static_cast<int>(Index)); }
    int Count() const { return static_cast<int>(elementi_.size()); }

  private:
    std::map<int, std::unique_ptr<C>> elementi_;
};
