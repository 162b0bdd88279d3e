#include "archivi/FiltroJet.h"

#include "archivi/InsiemeValori.h"
#include "archivi/ValoreJet.h"

#include <algorithm>
#include <functional>

namespace jet {

FiltroJet::FiltroJet(const PagineJet& file, const DefinizioneJet& definizione,
                     const Criterio& criterio, const std::vector<std::size_t>& colonne)
    : file_(file), definizione_(definizione), criterio_(criterio) {
    criterio.perOgniFoglia([&](const Criterio::Foglia& foglia) {
        Prova prova;
        prova.colonna = colonne[foglia.campo];
        prova.foglia = foglia;
        const ColonnaJet& colonna = definizione.colonne[prova.colonna];
        const Valore* valore = foglia.valore;
        if (colonna.tipo == TipoColonna::Testo && !colonna.calcolata && valore &&
            valore->tipo() == Valore::Tipo::Testo) {
            prova.modo = Prova::Modo::Testo;
            prova.testo = TestoDaConfrontare(valore->testo());
        } else if (ColonnaIntera(colonna) &&
                   (foglia.insieme || (valore && valore->tipo() == Valore::Tipo::Intero))) {
            prova.modo = Prova::Modo::Intero;
            prova.intero = valore ? valore->intero() : 0;
        }
        if (prove_.size() <= foglia.numero)
            prove_.resize(foglia.numero + 1);
        prove_[foglia.numero] = std::move(prova);
    });
}

bool FiltroJet::esito(const Prova& prova, const ScomposizioneRiga& riga,
                      PaginaJet& appoggio) const {
    const CampoJet campo = riga.campo(prova.colonna);
    const ColonnaJet& colonna = definizione_.colonne[prova.colonna];
    const Criterio::Foglia& foglia = prova.foglia;
    switch (prova.modo) {
    case Prova::Modo::Testo:
        // A null field meets no comparison.
        return campo.bit &&
               Soddisfa(prova.testo.confronta(file_.formato(), campo.byte), foglia.confronto);
    case Prova::Modo::Intero: {
        if (!campo.bit)
            return false;
        const std::int64_t n = InteroJet(colonna.tipo, campo.byte);
        return foglia.insieme ? foglia.insieme->contieneIntero(n)
                              : Soddisfa(n <=> prova.intero, foglia.confronto);
    }
    case Prova::Modo::Valore:
        break;
    }
    return foglia.vale(DecodificaCampo(file_, colonna, campo, appoggio));
}

bool FiltroJet::accetta(const ScomposizioneRiga& riga, PaginaJet& appoggio) const {
    if (criterio_.soloE())
        return std::all_of(prove_.begin(), prove_.end(),
                           [&](const Prova& prova) { return esito(prova, riga, appoggio); });
    const auto prova = [&](std::size_t foglia) { return esito(prove_[foglia], riga, appoggio); };
    // Passed by reference, the test fits inside the std::function: no
    // allocation for a row.
    return criterio_.valeSecondo(std::ref(prova));
}

} // namespace jet
