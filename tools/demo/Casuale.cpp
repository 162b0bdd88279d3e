#include "demo/Casuale.h"

#include <numeric>

std::uint64_t Casuale::prossimo() {
    std::uint64_t z = (stato_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

int Casuale::tra(int minimo, int massimo) {
    const auto ampiezza = static_cast<std::uint64_t>(massimo - minimo) + 1;
    return minimo + static_cast<int>(prossimo() % ampiezza);
}

std::size_t Casuale::pesato(const std::vector<int>& pesi) {
    int resto = tra(1, std::accumulate(pesi.begin(), pesi.end(), 0));
    for (std::size_t i = 0; i < pesi.size(); ++i) {
        resto -= pesi[i];
        if (resto <= 0)
            return i;
    }
    return pesi.size() - 1;
}
