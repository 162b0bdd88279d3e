#pragma once

#include "archivi/Criterio.h"
#include "archivi/DefinizioneJet.h"
#include "archivi/PagineJet.h"
#include "archivi/ScomposizioneRiga.h"
#include "archivi/TestoJet.h"

#include <cstdint>
#include <vector>

namespace jet {

// The condition of a read, tested on the stored bytes of each row before
// the row is decoded: only the fields it names are located, and a text
// field compared with a text, or a whole-number field with a whole number
// or an "in" list, is compared as stored, without building a value. Other
// tests decode just their field. The outcome is the one Criterio::vale
// gives on the decoded values; the tests are made in its order, each only
// when and / or need it, and a field is located with the checks of a split.
class FiltroJet {
  public:
    // `colonne[i]` is the position in the definition of the i-th name of
    // `criterio.campi()`. The condition must outlive the filter.
    FiltroJet(const PagineJet& file, const DefinizioneJet& definizione, const Criterio& criterio,
              const std::vector<std::size_t>& colonne);

    // Whether the row last given to `riga.leggi()` meets the condition; a
    // field that must be decoded reads the file through `appoggio`.
    bool accetta(const ScomposizioneRiga& riga, PaginaJet& appoggio) const;

  private:
    struct Prova {
        enum class Modo { Testo, Intero, Valore } modo = Modo::Valore;
        std::size_t colonna = 0;
        Criterio::Foglia foglia;
        TestoDaConfrontare testo;
        std::int64_t intero = 0;
    };

    bool esito(const Prova& prova, const ScomposizioneRiga& riga, PaginaJet& appoggio) const;

    const PagineJet& file_;
    const DefinizioneJet& definizione_;
    const Criterio& criterio_;
    std::vector<Prova> prove_;
};

} // namespace jet
