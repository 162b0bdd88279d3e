#pragma once

#include <cstdint>

// The style of a message: the buttons it offers. The numbers are those of
// the platform's standard message box for the same buttons; a number that
// names none of these falls into one of the groups of PulsantiDelloStile.
enum class Stile : std::int16_t {
    Ok = 0,
    SiNo = 4,
    DomandaConAnnulla = 35,
    Domanda = 36,
    // A warning: an "Ok" button alone.
    Avviso = 48,
    AvvisoConAnnulla = 51,
};

// The buttons a message style asks for.
enum class Pulsanti {
    Ok,             // Ok, Avviso
    SiNo,           // SiNo, Domanda; "Si" takes the focus
    SiNoAnnulla,    // DomandaConAnnulla, AvvisoConAnnulla; "Si" takes the focus
    SiNoSenzaFuoco, // the numbers 200 to 400
    DiProgetto,     // any other number: the buttons as designed
};

Pulsanti PulsantiDelloStile(Stile stile);

// The answer of a message: the button pressed, numbered as the platform's
// standard message box numbers it.
enum class Risposta : std::int16_t {
    Ok = 0,
    Annulla = 2,
    Si = 6,
    No = 7,
};
