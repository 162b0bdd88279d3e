#include "archivi/InsiemeValori.h"

#include <algorithm>

InsiemeValori::InsiemeValori(const std::vector<Valore>& valori, GenereCampo genere) {
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

bool InsiemeValori::contiene(const Valore& v) const {
    if (v.tipo() == Valore::Tipo::Testo)
        return testi_.contains(v.testo());
    if (!v.numerico())
        return false;
    if (v.tipo() == Valore::Tipo::Intero)
        return contieneIntero(v.intero());
    if (v.confronta(Valore(v.intero())) == std::strong_ordering::equal &&
        interi_.contains(v.intero()))
        return true;
    return traGliAltri(v);
}

bool InsiemeValori::contieneIntero(std::int64_t n) const {
    if (interi_.contains(n))
        return true;
    return !altri_.empty() && traGliAltri(Valore(n));
}

bool InsiemeValori::traGliAltri(const Valore& v) const {
    return std::any_of(altri_.begin(), altri_.end(), [&](const Valore& altro) {
        return v.confronta(altro) == std::strong_ordering::equal;
    });
}

void InsiemeValori::aggiungiGenere(GenereCampo genere) {
    if (genere != GenereCampo::Ignoto &&
        std::find(generi_.begin(), generi_.end(), genere) == generi_.end())
        generi_.push_back(genere);
}
