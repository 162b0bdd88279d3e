#include "routines/MemoriaGrande.h"

#include <cstdlib>
#include <limits>
#include <new>

#include <sys/mman.h>

namespace {

constexpr std::size_t kPaginaMemoria = 4096;
constexpr std::size_t kPaginaGrande = std::size_t{2} << 20;

} // namespace

void* PrendiMemoria(std::size_t quanti) {
    const bool grande = quanti >= kBloccoGrande;
    const std::size_t allineamento = grande ? kPaginaGrande : kPaginaMemoria;
    if (quanti > std::numeric_limits<std::size_t>::max() - allineamento)
        throw std::bad_alloc();
    const std::size_t dimensione =
        quanti == 0 ? allineamento : (quanti + allineamento - 1) / allineamento * allineamento;
    void* memoria = std::aligned_alloc(allineamento, dimensione);
    if (!memoria)
        throw std::bad_alloc();
    if (grande)
        ::madvise(memoria, dimensione, MADV_HUGEPAGE);
    return memoria;
}

void LasciaMemoria(void* memoria) noexcept {
    std::free(memoria);
}
