#pragma once

#include "routines/Errore.h"

#include <QString>

// The message of the Errore that `azione` raises; empty when it raises none.
template <typename Azione> QString ErroreDi(Azione&& azione) {
    try {
        azione();
    } catch (const Errore& errore) {
        return errore.messaggio();
    }
    return {};
}
