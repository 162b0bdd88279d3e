#include "archivi/Criterio.h"

#include <QSet>

#include <algorithm>

namespace {

// The values of an "in" condition, hashed by kind so that a test costs the
// same for ten values as for ten thousand.
class InsiemeValori {
  public:
    InsiemeValori(const std::vector<Valore>& valori, GenereCampo genere) {
        aggiungiGenere(genere);
        for (const Valore& v : valori) {
            aggiungiGenere(GenereDi(v));
            if (v.tipo() == Valore::Tipo::Testo)
                testi_.insert(v.testo());
            else if (v.tipo() == Valore::Tipo::Intero)
                interi_.insert(v.intero());
            else if (v.numerico())
                altri_.push_back(v);
        }
    }

    bool contiene(const Valore& v) const {
        if (v.tipo() == Valore::Tipo::Testo)
            return testi_.contains(v.testo());
        if (!v.numerico())
            return false;
        if (v.tipo() == Valore::Tipo::Intero && interi_.contains(v.intero()))
            return true;
        if (v.tipo() != Valore::Tipo::Intero &&
            v.confronta(Valore(v.intero())) == std::strong_ordering::equal &&
            interi_.contains(v.intero()))
            return true;
        for (const Valore& altro : altri_) {
            if (v.confronta(altro) == std::strong_ordering::equal)
                return true;
        }
        return false;
    }

    // The kinds of the values, each once.
    const std::vector<GenereCampo>& generi() const { return generi_; }

  private:
    void aggiungiGenere(GenereCampo genere) {
        if (genere != GenereCampo::Ignoto &&
            std::find(generi_.begin(), generi_.end(), genere) == generi_.end())
            generi_.push_back(genere);
    }

    std::vector<GenereCampo> generi_;
    QSet<QString> testi_;
    QSet<std::int64_t> interi_;
    std::vector<Valore> altri_;
};

} // namespace

struct Criterio::Nodo {
    enum class Tipo { Confronto, In, E, O } tipo;
    // For a comparison: the index of its field in campi_, the operator, the value.
    std::size_t campo = 0;
    Confronto confronto = Confronto::Uguale;
    Valore valore;
    std::shared_ptr<const InsiemeValori> insieme;
    std::shared_ptr<const Nodo> sinistro, destro;
};

namespace {

using Nodo = Criterio::Nodo;

// A copy of a tree whose field indices are moved to those of a merged list.
std::shared_ptr<const Nodo> rinumera(const std::shared_ptr<const Nodo>& nodo,
                                     const std::vector<std::size_t>& nuovoIndice) {
    auto copia = std::make_shared<Nodo>(*nodo);
    if (nodo->tipo == Nodo::Tipo::Confronto || nodo->tipo == Nodo::Tipo::In) {
        copia->campo = nuovoIndice[nodo->campo];
    } else {
        copia->sinistro = rinumera(nodo->sinistro, nuovoIndice);
        copia->destro = rinumera(nodo->destro, nuovoIndice);
    }
    return copia;
}

bool soddisfa(std::strong_ordering ordine, Confronto confronto) {
    switch (confronto) {
    case Confronto::Uguale:
        return ordine == 0;
    case Confronto::Diverso:
        return ordine != 0;
    case Confronto::Minore:
        return ordine < 0;
    case Confronto::MinoreUguale:
        return ordine <= 0;
    case Confronto::Maggiore:
        return ordine > 0;
    case Confronto::MaggioreUguale:
        return ordine >= 0;
    }
    return false;
}

void visitaConfronti(const Nodo& nodo,
                     const std::function<void(std::size_t, GenereCampo)>& visita) {
    switch (nodo.tipo) {
    case Nodo::Tipo::E:
    case Nodo::Tipo::O:
        visitaConfronti(*nodo.sinistro, visita);
        visitaConfronti(*nodo.destro, visita);
        return;
    case Nodo::Tipo::In:
        for (GenereCampo genere : nodo.insieme->generi())
            visita(nodo.campo, genere);
        return;
    case Nodo::Tipo::Confronto:
        if (!nodo.valore.nullo())
            visita(nodo.campo, GenereDi(nodo.valore));
        return;
    }
}

bool valuta(const Nodo& nodo, const std::function<const Valore&(std::size_t)>& valoreDi) {
    switch (nodo.tipo) {
    case Nodo::Tipo::E:
        return valuta(*nodo.sinistro, valoreDi) && valuta(*nodo.destro, valoreDi);
    case Nodo::Tipo::O:
        return valuta(*nodo.sinistro, valoreDi) || valuta(*nodo.destro, valoreDi);
    case Nodo::Tipo::In:
        return nodo.insieme->contiene(valoreDi(nodo.campo));
    case Nodo::Tipo::Confronto: {
        const auto ordine = valoreDi(nodo.campo).confronta(nodo.valore);
        return ordine && soddisfa(*ordine, nodo.confronto);
    }
    }
    return false;
}

} // namespace

Criterio::Criterio(QString campo, Confronto confronto, Valore valore) : campi_{std::move(campo)} {
    auto nodo = std::make_shared<Nodo>();
    nodo->tipo = Nodo::Tipo::Confronto;
    nodo->confronto = confronto;
    nodo->valore = std::move(valore);
    radice_ = nodo;
}

Criterio Criterio::tra(QString campo, const std::vector<Valore>& valori, GenereCampo genere) {
    Criterio criterio(std::move(campo), Confronto::Uguale, Valore());
    auto nodo = std::make_shared<Nodo>(*criterio.radice_);
    nodo->tipo = Nodo::Tipo::In;
    nodo->insieme = std::make_shared<const InsiemeValori>(valori, genere);
    criterio.radice_ = std::move(nodo);
    return criterio;
}

Criterio Criterio::unisci(Criterio a, const Criterio& b, bool tutteDue) {
    std::vector<std::size_t> nuovoIndice;
    for (const QString& nome : b.campi_) {
        auto trovato = std::find(a.campi_.begin(), a.campi_.end(), nome);
        if (trovato == a.campi_.end()) {
            a.campi_.push_back(nome);
            trovato = a.campi_.end() - 1;
        }
        nuovoIndice.push_back(static_cast<std::size_t>(trovato - a.campi_.begin()));
    }
    auto nodo = std::make_shared<Nodo>();
    nodo->tipo = tutteDue ? Nodo::Tipo::E : Nodo::Tipo::O;
    nodo->sinistro = a.radice_;
    nodo->destro = rinumera(b.radice_, nuovoIndice);
    a.radice_ = std::move(nodo);
    return a;
}

Criterio operator&&(Criterio a, Criterio b) {
    return Criterio::unisci(std::move(a), b, true);
}

Criterio operator||(Criterio a, Criterio b) {
    return Criterio::unisci(std::move(a), b, false);
}

std::vector<QString> Criterio::campi() const {
    return campi_;
}

void Criterio::perOgniConfronto(const std::function<void(std::size_t, GenereCampo)>& visita) const {
    visitaConfronti(*radice_, visita);
}

bool Criterio::vale(const std::function<const Valore&(std::size_t)>& valoreDi) const {
    return valuta(*radice_, valoreDi);
}
