#include "msgbox/Stili.h"

Pulsanti PulsantiDelloStile(Stile stile) {
    switch (stile) {
    case Stile::Ok:
    case Stile::Avviso:
        return Pulsanti::Ok;
    case Stile::SiNo:
    case Stile::Domanda:
        return Pulsanti::SiNo;
    case Stile::DomandaConAnnulla:
    case Stile::AvvisoConAnnulla:
        return Pulsanti::SiNoAnnulla;
    }
    const auto numero = static_cast<std::int16_t>(stile);
    return (numero >= 200 && numero <= 400) ? Pulsanti::SiNoSenzaFuoco : Pulsanti::DiProgetto;
}
