#include "routines/MemoriaGrande.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace {

struct Blocco {
    std::uint8_t* byte;
    std::size_t quanti;
    std::uint8_t segno;
};

// Every block still holds its own mark: no two blocks in use share a byte.
void ControllaSegni(const std::vector<Blocco>& blocchi) {
    for (const Blocco& b : blocchi) {
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(b.byte) % 4096, 0u) << b.quanti;
        for (std::size_t i = 0; i < b.quanti; i += 997)
            ASSERT_EQ(b.byte[i], b.segno) << "blocco di " << b.quanti << " byte, byte " << i;
        ASSERT_EQ(b.byte[b.quanti - 1], b.segno) << b.quanti;
    }
}

} // namespace

TEST(MemoriaGrande, BlocksOfEverySizeAreApartAlsoWhenTakenAgainAfterRelease) {
    // Sizes at the edges of the kinds of block, and medium ones that leave
    // what remains of a huge page to a block of another size.
    std::vector<std::size_t> taglie = {1, kBloccoMedio - 1, kBloccoMedio, kBloccoMedio + 1};
    taglie.insert(taglie.end(), 11, 192 << 10);
    taglie.insert(taglie.end(),
                  {128 << 10, 192 << 10, kBloccoGrande - kBloccoMedio + 1, kBloccoGrande - 1,
                   kBloccoGrande, kBloccoGrande + 4096, 320 << 10});
    std::vector<Blocco> blocchi;
    std::uint8_t segno = 1;
    const auto prendi = [&](std::size_t quanti) {
        auto* byte = static_cast<std::uint8_t*>(PrendiMemoria(quanti));
        std::memset(byte, segno, quanti);
        blocchi.push_back({byte, quanti, segno++});
    };
    for (int giro = 0; giro < 3; ++giro) {
        for (const std::size_t quanti : taglie)
            prendi(quanti);
        ControllaSegni(blocchi);
        // Half are given back and taken again, as a reading's buffers are.
        for (std::size_t i = 0; i < blocchi.size(); i += 2)
            LasciaMemoria(blocchi[i].byte, blocchi[i].quanti);
        std::vector<Blocco> tenuti;
        for (std::size_t i = 1; i < blocchi.size(); i += 2)
            tenuti.push_back(blocchi[i]);
        blocchi = tenuti;
        ControllaSegni(blocchi);
    }
    for (const Blocco& b : blocchi)
        LasciaMemoria(b.byte, b.quanti);
}
