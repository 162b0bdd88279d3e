#pragma once

#include "archivi/Criterio.h"
#include "archivi/Recordset.h"

// Runs `azione` on every record of the set that meets the condition, in
// record-set order, with the set positioned on that record.
template <class Azione> void PerOgni(Recordset& tabella, const Criterio& criterio, Azione azione) {
    tabella.FindFirst(criterio);
    while (!tabella.NoMatch()) {
        azione();
        tabella.FindNext(criterio);
    }
}
