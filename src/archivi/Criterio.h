#pragma once

#include "archivi/GenereCampo.h"
#include "archivi/Valore.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

enum class Confronto { Uguale, Diverso, Minore, MinoreUguale, Maggiore, MaggioreUguale };

// A search condition as typed values: comparisons of a field with a value,
// joined by and / or. Values are never spliced into a text, so a value
// holding a quote is matched exactly. A null field makes its comparison false.
//
//     Campo(u"NumeroHotel") == 1 && Campo(u"Codice") > 0
class Criterio {
  public:
    Criterio(QString campo, Confronto confronto, Valore valore);
    // True when the field equals one of the values. `genere`, when known, is
    // the kind of the values' own field (the key of a join), checked against
    // the field even when there are no values.
    static Criterio tra(QString campo, const std::vector<Valore>& valori,
                        GenereCampo genere = GenereCampo::Ignoto);

    friend Criterio operator&&(Criterio a, Criterio b);
    friend Criterio operator||(Criterio a, Criterio b);

    // Names of the fields the condition reads, each once, in first-use order.
    std::vector<QString> campi() const;

    // Each comparison the condition makes, as the index in campi() of its
    // field and the kind of value the field is compared with: once for a
    // comparison with a value, once for each kind an "in" list holds. Null
    // values are left out: they make a comparison false, never an error.
    void perOgniConfronto(const std::function<void(std::size_t, GenereCampo)>& visita) const;

    // Evaluates the condition; `valoreDi` gives the value of the i-th name of campi().
    bool vale(const std::function<const Valore&(std::size_t)>& valoreDi) const;

    struct Nodo;

  private:
    static Criterio unisci(Criterio a, const Criterio& b, bool tutteDue);
    std::vector<QString> campi_;
    std::shared_ptr<const Nodo> radice_;
};

// The left side of a comparison: Campo(u"Sigla") == Valore(tipo).
class Campo {
  public:
    explicit Campo(QString nome) : nome_(std::move(nome)) {}
    Criterio operator==(const Valore& v) const { return {nome_, Confronto::Uguale, v}; }
    Criterio operator!=(const Valore& v) const { return {nome_, Confronto::Diverso, v}; }
    Criterio operator<(const Valore& v) const { return {nome_, Confronto::Minore, v}; }
    Criterio operator<=(const Valore& v) const { return {nome_, Confronto::MinoreUguale, v}; }
    Criterio operator>(const Valore& v) const { return {nome_, Confronto::Maggiore, v}; }
    Criterio operator>=(const Valore& v) const { return {nome_, Confronto::MaggioreUguale, v}; }
    Criterio in(const std::vector<Valore>& valori, GenereCampo genere = GenereCampo::Ignoto) const {
        return Criterio::tra(nome_, valori, genere);
    }

  private:
    QString nome_;
};
