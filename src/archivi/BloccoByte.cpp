#include "archivi/BloccoByte.h"

#include "routines/MemoriaGrande.h"

namespace jet {

void LiberaBlocco::operator()(std::uint8_t* byte) const {
    LasciaMemoria(byte, quanti);
}

BloccoByte NuovoBlocco(std::size_t quanti) {
    return BloccoByte(static_cast<std::uint8_t*>(PrendiMemoria(quanti)), LiberaBlocco{quanti});
}

} // namespace jet
