#include "archivi/InsiemeValori.h"

#include <algorithm>

namespace {

// Whole numbers are held in bits while that takes at most this many 64-bit
// words for each of them, beyond a few the bits may take in any case.
constexpr std::uint64_t kParolePerIntero = 16;
constexpr std::uint64_t kParoleComunque = 8192;

} // namespace

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
    if (interi_.empty())
        return;
    const auto [minimo, massimo] = std::minmax_element(interi_.begin(), interi_.end());
    // Computed unsigned: the difference of any two of them fits.
    const std::uint64_t distanza =
        static_cast<std::uint64_t>(*massimo) - static_cast<std::uint64_t>(*minimo);
    if (distanza / 64 >
        kParoleComunque + kParolePerIntero * static_cast<std::uint64_t>(interi_.size()))
        return;
    minimoIntero_ = *minimo;
    bitInteri_.assign(distanza / 64 + 1, 0);
    for (const std::int64_t n : interi_) {
        const std::uint64_t d = static_cast<std::uint64_t>(n) - static_cast<std::uint64_t>(*minimo);
        bitInteri_[d / 64] |= std::uint64_t{1} << (d % 64);
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
        interoPresente(v.intero()))
        return true;
    return traGliAltri(v);
}

bool InsiemeValori::interoPresente(std::int64_t n) const {
    if (bitInteri_.empty())
        return interi_.contains(n);
    // Below the least, the difference wraps round past the bits.
    const std::uint64_t d =
        static_cast<std::uint64_t>(n) - static_cast<std::uint64_t>(minimoIntero_);
    return d / 64 < bitInteri_.size() && ((bitInteri_[d / 64] >> (d % 64)) & 1);
}

bool InsiemeValori::contieneIntero(std::int64_t n) const {
    if (interoPresente(n))
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
