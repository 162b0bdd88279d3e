#pragma once

#include <cstddef>
#include <limits>
#include <new>

// Memory taken for a block of bytes, aligned on a memory page and not
// cleared. The first use of memory new to the process costs a page fault per
// 4 KiB page, which on a virtual machine costs more than filling the page;
// a huge page of 2 MiB costs one. So:
// - a block of kBloccoGrande bytes or more lies on whole huge pages where the
//   system offers them;
// - a medium block, from kBloccoMedio bytes, is cut from huge pages taken for
//   such blocks, and once given back it is kept for the next block of its
//   size (medium blocks are sized in steps of kBloccoMedio) rather than
//   returned to the system: the same sizes come back at every reading;
// - a smaller block is taken from the heap.
inline constexpr std::size_t kBloccoGrande = std::size_t{512} << 10;
inline constexpr std::size_t kBloccoMedio = std::size_t{64} << 10;

// Raises std::bad_alloc when the system has no memory to give.
void* PrendiMemoria(std::size_t quanti);
// Gives back a block of PrendiMemoria(quanti), with the same `quanti`.
void LasciaMemoria(void* memoria, std::size_t quanti) noexcept;

// A container's memory taken as above: for the large collections the report
// fills once, such as the rooms of a tableau.
template <typename T> struct AllocatoreGrande {
    using value_type = T;

    AllocatoreGrande() = default;
    template <typename U> AllocatoreGrande(const AllocatoreGrande<U>&) noexcept {}

    T* allocate(std::size_t quanti) {
        if (quanti > std::numeric_limits<std::size_t>::max() / sizeof(T))
            throw std::bad_array_new_length();
        return static_cast<T*>(PrendiMemoria(quanti * sizeof(T)));
    }
    void deallocate(T* memoria, std::size_t quanti) noexcept {
        LasciaMemoria(memoria, quanti * sizeof(T));
    }

    template <typename U> bool operator==(const AllocatoreGrande<U>&) const noexcept {
        return true;
    }
};
