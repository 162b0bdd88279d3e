#pragma once

#include <cstddef>
#include <limits>
#include <new>

// Memory taken from the system for a block, aligned on a memory page and not
// cleared. A block of kBloccoGrande bytes or more lies on whole huge pages
// where the system offers them: its first use then costs one fault per 2 MiB
// rather than one per 4 KiB page, which on a virtual machine costs more than
// filling the block.
inline constexpr std::size_t kBloccoGrande = std::size_t{512} << 10;

// Raises std::bad_alloc when the system has no memory to give.
void* PrendiMemoria(std::size_t quanti);
void LasciaMemoria(void* memoria) noexcept;

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
    void deallocate(T* memoria, std::size_t) noexcept { LasciaMemoria(memoria); }

    template <typename U> bool operator==(const AllocatoreGrande<U>&) const noexcept {
        return true;
    }
};
