#include "archivi/BloccoByte.h"

#include <new>

namespace jet {

namespace {

constexpr std::align_val_t kAllineamento{4096};

} // namespace

void LiberaBlocco::operator()(std::uint8_t* byte) const {
    ::operator delete[](byte, kAllineamento);
}

BloccoByte NuovoBlocco(std::size_t quanti) {
    return BloccoByte(static_cast<std::uint8_t*>(::operator new[](quanti, kAllineamento)));
}

} // namespace jet
