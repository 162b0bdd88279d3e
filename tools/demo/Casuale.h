#pragma once

#include <cstdint>
#include <vector>

// A seeded source of pseudo-random numbers (splitmix64) whose sequence is the
// same on every platform and library, so that a seed always gives the same
// demo data.
class Casuale {
  public:
    explicit Casuale(std::uint64_t seme) : stato_(seme) {}

    std::uint64_t prossimo();
    // A whole number from `minimo` to `massimo`, both included.
    int tra(int minimo, int massimo);
    // True `percentuale` times in a hundred.
    bool probabile(int percentuale) { return tra(1, 100) <= percentuale; }
    // An index chosen with the given weights.
    std::size_t pesato(const std::vector<int>& pesi);

    // One element of a list that is not empty.
    template <typename Elenco> const typename Elenco::value_type& uno(const Elenco& elenco) {
        return elenco[tra(0, static_cast<int>(elenco.size()) - 1)];
    }

  private:
    std::uint64_t stato_;
};
