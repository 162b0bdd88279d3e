#include "routines/MemoriaGrande.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <mutex>

#include <sys/mman.h>

namespace {

constexpr std::size_t kPaginaMemoria = 4096;
constexpr std::size_t kPaginaGrande = std::size_t{2} << 20;
// Medium sizes, in steps of kBloccoMedio: up to kBloccoGrande, which a
// block of a little less rounds up to.
constexpr std::size_t kTaglieMedie = kBloccoGrande / kBloccoMedio + 1;

// `quanti` rounded up to a whole, nonzero multiple of `passo`, where that
// cannot overflow.
std::size_t Multiplo(std::size_t quanti, std::size_t passo) noexcept {
    return quanti == 0 ? passo : (quanti + passo - 1) / passo * passo;
}

// The same for any size: one too large to round is refused.
std::size_t Arrotondato(std::size_t quanti, std::size_t passo) {
    if (quanti > std::numeric_limits<std::size_t>::max() - passo)
        throw std::bad_alloc();
    return Multiplo(quanti, passo);
}

bool Medio(std::size_t quanti) {
    return quanti >= kBloccoMedio && quanti < kBloccoGrande;
}

// The size a medium block is kept in.
std::size_t TagliaMedia(std::size_t quanti) noexcept {
    return Multiplo(quanti, kBloccoMedio);
}

void* MemoriaAllineata(std::size_t allineamento, std::size_t dimensione) {
    void* memoria = std::aligned_alloc(allineamento, dimensione);
    if (!memoria)
        throw std::bad_alloc();
    if (allineamento == kPaginaGrande)
        ::madvise(memoria, dimensione, MADV_HUGEPAGE);
    return memoria;
}

// The medium blocks: cut in turn from huge pages taken one at a time, and
// once given back, kept in a list for their size, linked through their own
// first bytes. What is left of a huge page too small for a block goes to the
// list of its own size. Nothing is returned to the system: the memory kept
// is at most what was in use at once, size by size.
class ScortaMedia {
  public:
    static ScortaMedia& scorta() {
        // Never destroyed: blocks may be given back until the very end.
        static auto* const scorta = new ScortaMedia;
        return *scorta;
    }

    // `taglia` is a multiple of kBloccoMedio, at most kBloccoGrande.
    void* prendi(std::size_t taglia) {
        const std::lock_guard<std::mutex> blocco(mutex_);
        Libero*& lista = libere_[taglia / kBloccoMedio];
        if (lista) {
            Libero* const preso = lista;
            lista = preso->seguente;
            return preso;
        }
        if (resto_ < taglia) {
            if (resto_ > 0)
                aggiungi(taglio_, resto_);
            taglio_ = static_cast<std::uint8_t*>(MemoriaAllineata(kPaginaGrande, kPaginaGrande));
            resto_ = kPaginaGrande;
        }
        void* const preso = taglio_;
        taglio_ += taglia;
        resto_ -= taglia;
        return preso;
    }

    void rendi(void* memoria, std::size_t taglia) noexcept {
        const std::lock_guard<std::mutex> blocco(mutex_);
        aggiungi(memoria, taglia);
    }

  private:
    struct Libero {
        Libero* seguente;
    };

    void aggiungi(void* memoria, std::size_t taglia) noexcept {
        Libero*& lista = libere_[taglia / kBloccoMedio];
        lista = new (memoria) Libero{lista};
    }

    std::mutex mutex_;
    std::array<Libero*, kTaglieMedie> libere_{};
    std::uint8_t* taglio_ = nullptr;
    std::size_t resto_ = 0;
};

} // namespace

void* PrendiMemoria(std::size_t quanti) {
    if (quanti >= kBloccoGrande)
        return MemoriaAllineata(kPaginaGrande, Arrotondato(quanti, kPaginaGrande));
    if (Medio(quanti))
        return ScortaMedia::scorta().prendi(TagliaMedia(quanti));
    return MemoriaAllineata(kPaginaMemoria, Arrotondato(quanti, kPaginaMemoria));
}

void LasciaMemoria(void* memoria, std::size_t quanti) noexcept {
    if (memoria && Medio(quanti))
        ScortaMedia::scorta().rendi(memoria, TagliaMedia(quanti));
    else
        std::free(memoria);
}
