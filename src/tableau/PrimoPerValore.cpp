#include "tableau/PrimoPerValore.h"

#include "tableau/RegoleCampi.h"

namespace {

// The whole number a numeric value equals, if it equals one.
std::optional<std::int64_t> interoEsatto(const Valore& v) {
    if (v.tipo() == Valore::Tipo::Intero)
        return v.intero();
    const std::int64_t n = v.intero();
    if (v.confronta(Valore(n)) != std::strong_ordering::equal)
        return std::nullopt;
    return n;
}

} // namespace

void PrimoPerValore::aggiungi(const Valore& chiave, std::size_t record) {
    if (chiave.tipo() == Valore::Tipo::Testo) {
        if (!testi_.contains(chiave.testo()))
            testi_.insert(chiave.testo(), record);
        return;
    }
    if (const auto intero = interoEsatto(chiave)) {
        if (!interi_.contains(*intero))
            interi_.insert(*intero, record);
    } else if (chiave.numerico()) {
        altri_.emplace_back(chiave, record);
    }
}

std::optional<std::size_t> PrimoPerValore::trova(const Valore& chiave) const {
    if (chiave.tipo() == Valore::Tipo::Testo) {
        const auto trovato = testi_.constFind(chiave.testo());
        return trovato == testi_.cend() ? std::nullopt : std::optional<std::size_t>(*trovato);
    }
    if (const auto intero = interoEsatto(chiave)) {
        const auto trovato = interi_.constFind(*intero);
        return trovato == interi_.cend() ? std::nullopt : std::optional<std::size_t>(*trovato);
    }
    for (const auto& [valore, record] : altri_) {
        if (Uguale(valore, chiave))
            return record;
    }
    return std::nullopt;
}
