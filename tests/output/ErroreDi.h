#pragma once

#include "print/ErroreStampa.h"

#include <QString>

// The message of the ErroreStampa that `azione` raises; empty when it raises none.
template <typename Azione> QString ErroreDi(Azione&& azione) {
    try {
        azione();
    } catch (const ErroreStampa& errore) {
        return errore.messaggio();
    }
    return {};
}
