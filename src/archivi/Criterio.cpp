#include "archivi/Criterio.h"

#include "archivi/InsiemeValori.h"

#include <algorithm>

struct Criterio::Nodo {
    enum class Tipo { Confronto, In, E, O } tipo;
    // For a test: its number, the index of its field in campi_, and the
    // operator and value of a comparison or the list of an "in".
    std::size_t foglia = 0;
    std::size_t campo = 0;
    Confronto confronto = Confronto::Uguale;
    Valore valore;
    std::shared_ptr<const InsiemeValori> insieme;
    std::shared_ptr<const Nodo> sinistro, destro;
};

namespace {

using Nodo = Criterio::Nodo;

// A copy of a tree whose field indices are moved to those of a merged list
// and whose tests are numbered after the `primaFoglia` tests before them.
std::shared_ptr<const Nodo> rinumera(const std::shared_ptr<const Nodo>& nodo,
                                     const std::vector<std::size_t>& nuovoIndice,
                                     std::size_t primaFoglia) {
    auto copia = std::make_shared<Nodo>(*nodo);
    if (nodo->tipo == Nodo::Tipo::Confronto || nodo->tipo == Nodo::Tipo::In) {
        copia->campo = nuovoIndice[nodo->campo];
        copia->foglia += primaFoglia;
    } else {
        copia->sinistro = rinumera(nodo->sinistro, nuovoIndice, primaFoglia);
        copia->destro = rinumera(nodo->destro, nuovoIndice, primaFoglia);
    }
    return copia;
}

Criterio::Foglia foglia(const Nodo& nodo) {
    const bool in = nodo.tipo == Nodo::Tipo::In;
    return {nodo.foglia, nodo.campo, nodo.confronto, in ? nullptr : &nodo.valore,
            in ? nodo.insieme.get() : nullptr};
}

void visitaFoglie(const Nodo& nodo, const std::function<void(const Criterio::Foglia&)>& visita) {
    if (nodo.tipo == Nodo::Tipo::E || nodo.tipo == Nodo::Tipo::O) {
        visitaFoglie(*nodo.sinistro, visita);
        visitaFoglie(*nodo.destro, visita);
        return;
    }
    visita(foglia(nodo));
}

// The condition with `esito(nodo)` the outcome of each test.
template <typename Esito> bool valuta(const Nodo& nodo, const Esito& esito) {
    switch (nodo.tipo) {
    case Nodo::Tipo::E:
        return valuta(*nodo.sinistro, esito) && valuta(*nodo.destro, esito);
    case Nodo::Tipo::O:
        return valuta(*nodo.sinistro, esito) || valuta(*nodo.destro, esito);
    case Nodo::Tipo::In:
    case Nodo::Tipo::Confronto:
        return esito(nodo);
    }
    return false;
}

} // namespace

bool Soddisfa(std::strong_ordering ordine, Confronto confronto) {
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
    nodo->destro = rinumera(b.radice_, nuovoIndice, a.foglie_);
    a.radice_ = std::move(nodo);
    a.foglie_ += b.foglie_;
    a.soloE_ = tutteDue && a.soloE_ && b.soloE_;
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
    perOgniFoglia([&](const Foglia& foglia) {
        if (foglia.insieme) {
            for (GenereCampo genere : foglia.insieme->generi())
                visita(foglia.campo, genere);
        } else if (!foglia.valore->nullo()) {
            visita(foglia.campo, GenereDi(*foglia.valore));
        }
    });
}

bool Criterio::vale(const std::function<const Valore&(std::size_t)>& valoreDi) const {
    return valuta(*radice_,
                  [&](const Nodo& nodo) { return foglia(nodo).vale(valoreDi(nodo.campo)); });
}

bool Criterio::Foglia::vale(const Valore& delCampo) const {
    if (insieme)
        return insieme->contiene(delCampo);
    const auto ordine = delCampo.confronta(*valore);
    return ordine && Soddisfa(*ordine, confronto);
}

void Criterio::perOgniFoglia(const std::function<void(const Foglia&)>& visita) const {
    visitaFoglie(*radice_, visita);
}

bool Criterio::valeSecondo(const std::function<bool(std::size_t)>& esito) const {
    return valuta(*radice_, [&](const Nodo& nodo) { return esito(nodo.foglia); });
}
