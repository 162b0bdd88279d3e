#pragma once

#include "archivi/GenereCampo.h"
#include "archivi/Valore.h"

#include <QString>

#include <compare>
#include <functional>
#include <memory>
#include <vector>

class InsiemeValori;

enum class Confronto { Uguale, Diverso, Minore, MinoreUguale, Maggiore, MaggioreUguale };

// Whether a field that stands in `ordine` to a value meets `confronto` with it.
bool Soddisfa(std::strong_ordering ordine, Confronto confronto);

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

    // One test of the condition: its field (index in campi()) compared with
    // a value, or looked up in an "in" list.
    struct Foglia {
        std::size_t numero = 0; // 0 .. the count of tests - 1
        std::size_t campo = 0;
        Confronto confronto = Confronto::Uguale;
        const Valore* valore = nullptr;
        const InsiemeValori* insieme = nullptr;

        // The test made on the field's decoded value.
        bool vale(const Valore& delCampo) const;
    };
    // Each test, for a reader that prepares its own way of making it; the
    // pointers live as long as the condition.
    void perOgniFoglia(const std::function<void(const Foglia&)>& visita) const;
    // Evaluates the condition with the outcome of each test given by
    // `esito(numero)`; a test is asked for only when and / or need it, so
    // in the same order and as often as vale() reads its field.
    bool valeSecondo(const std::function<bool(std::size_t)>& esito) const;
    // True when the tests are joined by "and" alone: the condition holds
    // when each does, asked in their numbering order until one does not.
    bool soloE() const { return soloE_; }

    struct Nodo;

  private:
    static Criterio unisci(Criterio a, const Criterio& b, bool tutteDue);
    std::vector<QString> campi_;
    std::shared_ptr<const Nodo> radice_;
    std::size_t foglie_ = 1;
    bool soloE_ = true;
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
