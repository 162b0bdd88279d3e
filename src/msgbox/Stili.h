#pragma once

#include <cstdint>

// The buttons a message style asks for. The style numbers are those of the
// platform's standard message box for the same buttons.
enum class Pulsanti {
    Ok,             // 0 or 48
    SiNo,           // 4 or 36; "Si" takes the focus
    SiNoAnnulla,    // 35 or 51; "Si" takes the focus
    SiNoSenzaFuoco, // 200 to 400
    DiProgetto,     // any other style: the buttons as designed
};

Pulsanti PulsantiDelloStile(std::int16_t stile);

// The style of a warning: an "Ok" button alone.
constexpr std::int16_t StileAvviso = 48;

// The answers Messaggio returns.
constexpr std::int16_t RispostaOk = 0;
constexpr std::int16_t RispostaSi = 6;
constexpr std::int16_t RispostaNo = 7;
constexpr std::int16_t RispostaAnnulla = 2;
