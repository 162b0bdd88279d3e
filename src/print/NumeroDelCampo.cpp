#include "print/NumeroDelCampo.h"

#include "routines/LeggiValore.h"

double NumeroDelCampo(const Valore& valore) {
    if (valore.numerico())
        return valore.numero();
    return LeggiValore(valore.testo());
}
