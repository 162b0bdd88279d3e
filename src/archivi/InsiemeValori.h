#pragma once

#include "archivi/GenereCampo.h"
#include "archivi/Valore.h"

#include <QSet>
#include <QString>

#include <cstdint>
#include <vector>

// The values of an "in" condition, hashed by kind so that a test costs the
// same for ten values as for ten thousand. Equality is Jet's: texts by
// character code, numbers by value whatever their kind, null equal to nothing.
class InsiemeValori {
  public:
    // `genere`, when known, is the kind of the values' own field.
    InsiemeValori(const std::vector<Valore>& valori, GenereCampo genere);

    bool contiene(const Valore& v) const;
    // The same for a whole number, as a field of an integer column holds it.
    bool contieneIntero(std::int64_t n) const;

    // The kinds of the values, each once.
    const std::vector<GenereCampo>& generi() const { return generi_; }

  private:
    void aggiungiGenere(GenereCampo genere);
    bool traGliAltri(const Valore& v) const;
    bool interoPresente(std::int64_t n) const;

    std::vector<GenereCampo> generi_;
    QSet<QString> testi_;
    // Whole numbers: hashed, and also in bits, one for each number from
    // the least to the greatest, when they lie close enough together (the
    // keys of a table's records do), so that a test reads one bit.
    QSet<std::int64_t> interi_;
    std::int64_t minimoIntero_ = 0;
    std::vector<std::uint64_t> bitInteri_;
    // Numbers that are not whole-number values: compared one by one.
    std::vector<Valore> altri_;
};
