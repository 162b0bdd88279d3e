#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace jet {

// Memory for bytes read from a file, aligned on a memory page and not
// cleared. A file system that copies a request straight into the reader's
// memory (direct I/O, as FUSE shares do) splits it at the memory's page
// boundaries: unaligned memory costs one request more, on a share one more
// round trip. Blocks of the sizes read again and again come back from
// MemoriaGrande without page faults.
struct LiberaBlocco {
    std::size_t quanti = 0;
    void operator()(std::uint8_t* byte) const;
};
using BloccoByte = std::unique_ptr<std::uint8_t[], LiberaBlocco>;

BloccoByte NuovoBlocco(std::size_t quanti);

} // namespace jet
