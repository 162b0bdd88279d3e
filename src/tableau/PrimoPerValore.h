#pragma once

#include "archivi/Valore.h"

#include <QHash>
#include <QString>

#include <cstddef>
#include <optional>
#include <vector>

// For each value of a key field, the first record (in record-set order) that
// holds it, so that "the first record where field = value" costs one lookup.
// Equality is the database's: texts by character code, numbers by value
// whatever their kind, null equal to nothing.
class PrimoPerValore {
  public:
    void aggiungi(const Valore& chiave, std::size_t record);
    std::optional<std::size_t> trova(const Valore& chiave) const;

  private:
    QHash<QString, std::size_t> testi_;
    QHash<std::int64_t, std::size_t> interi_;
    // Numbers with fractions, rare in key fields: searched in order.
    std::vector<std::pair<Valore, std::size_t>> altri_;
};
