#include "msgbox/Stili.h"

Pulsanti PulsantiDelloStile(std::int16_t stile) {
    switch (stile) {
    case 0:
    case 48:
        return Pulsanti::Ok;
    case 4:
    case 36:
        return Pulsanti::SiNo;
    case 35:
    case 51:
        return Pulsanti::SiNoAnnulla;
    default:
        break;
    }
    return (stile >= 200 && stile <= 400) ? Pulsanti::SiNoSenzaFuoco : Pulsanti::DiProgetto;
}
