#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

// Rewrites a database file in place as another program of the suite may do
// while the report reads it: page by page with pwrite(2), never cut short or
// replaced, alternately with two whole states of the same size. Each rewrite
// writes every 4 KiB page of the next state in file order; between rewrites
// it pauses.
class RiscritturaAlternata {
  public:
    static constexpr std::size_t kPagina = 4096;

    // Reads the two states and opens the file for writing. Raises
    // std::runtime_error with an Italian message when a file cannot be read
    // or opened, when the states are not whole pages or differ in size, or
    // when the file is not as long as they are.
    RiscritturaAlternata(const std::string& archivio, const std::string& statoA,
                         const std::string& statoB);
    ~RiscritturaAlternata();
    RiscritturaAlternata(const RiscritturaAlternata&) = delete;
    RiscritturaAlternata& operator=(const RiscritturaAlternata&) = delete;

    // Writes state B, then A, then B and so on, pausing `pausa` between
    // rewrites, until `durata` has passed (zero: no limit) or `fine` is set.
    // Both are looked at between rewrites only, so the file is left whole in
    // one of the states. Returns the number of rewrites.
    long esegui(std::chrono::milliseconds pausa, std::chrono::milliseconds durata,
                const std::atomic<bool>& fine);

  private:
    void scrivi(const std::vector<std::uint8_t>& stato);

    std::string archivio_;
    std::vector<std::uint8_t> a_, b_;
    int fd_ = -1;
};
