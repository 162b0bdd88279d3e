#pragma once

#include "front/data/Valore.h"

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
    // True when the field equals one of the values.
    static Criterio tra(QString campo, const std::vector<Valore>& valori);

    friend Criterio operator&&(Criterio a, Criterio b);
    friend Criterio operator||(Criterio a, Criterio b);

    // Names of the fields the condition reads, each once, in first-use order.
    std::vector<QString> campi() const;

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
    Criterio in(const std::vector<Valore>& valori) const { return Criterio::tra(nome_, valori); }

private:
    QString nome_;
};
