#include "archivi/BloccoByte.h"

#include <cstdlib>
#include <new>

#include <sys/mman.h>

namespace jet {

namespace {

constexpr std::size_t kPaginaMemoria = 4096;
// A large block is laid on whole huge pages of memory where the system
// offers them: its first use then costs a fault per 2 MiB rather than one
// per 4 KiB page, which on a virtual machine costs more than the reading.
constexpr std::size_t kPaginaGrande = 2u << 20;
constexpr std::size_t kBloccoGrande = kPaginaGrande / 2;

} // namespace

void LiberaBlocco::operator()(std::uint8_t* byte) const {
    std::free(byte);
}

BloccoByte NuovoBlocco(std::size_t quanti) {
    const bool grande = quanti >= kBloccoGrande;
    const std::size_t allineamento = grande ? kPaginaGrande : kPaginaMemoria;
    const std::size_t dimensione = (quanti + allineamento - 1) / allineamento * allineamento;
    void* byte = std::aligned_alloc(allineamento, dimensione == 0 ? allineamento : dimensione);
    if (!byte)
        throw std::bad_alloc();
    if (grande)
        ::madvise(byte, dimensione, MADV_HUGEPAGE);
    return BloccoByte(static_cast<std::uint8_t*>(byte));
}

} // namespace jet
