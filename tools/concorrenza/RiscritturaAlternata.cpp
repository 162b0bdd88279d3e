#include "concorrenza/RiscritturaAlternata.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::runtime_error Errore(const std::string& testo, const std::string& file) {
    return std::runtime_error(testo + ": " + file + " (" + std::strerror(errno) + ")");
}

std::vector<std::uint8_t> Leggi(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw Errore("Impossibile leggere lo stato", file);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

RiscritturaAlternata::RiscritturaAlternata(const std::string& archivio, const std::string& statoA,
                                           const std::string& statoB)
    : archivio_(archivio), a_(Leggi(statoA)), b_(Leggi(statoB)) {
    if (a_.empty() || a_.size() % kPagina != 0 || a_.size() != b_.size())
        throw std::runtime_error("I due stati devono avere la stessa lunghezza, in pagine intere "
                                 "di 4096 byte: " +
                                 statoA + " " + std::to_string(a_.size()) + " byte, " + statoB +
                                 " " + std::to_string(b_.size()) + " byte");
    fd_ = ::open(archivio.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd_ < 0)
        throw Errore("Impossibile aprire l'archivio in scrittura", archivio);
    struct stat stato {};
    if (::fstat(fd_, &stato) != 0 || static_cast<std::size_t>(stato.st_size) != a_.size()) {
        ::close(fd_);
        throw std::runtime_error("L'archivio " + archivio +
                                 " deve essere lungo quanto gli stati (" +
                                 std::to_string(a_.size()) + " byte)");
    }
}

RiscritturaAlternata::~RiscritturaAlternata() {
    ::close(fd_);
}

void RiscritturaAlternata::scrivi(const std::vector<std::uint8_t>& stato) {
    for (std::size_t da = 0; da < stato.size(); da += kPagina) {
        const ssize_t scritti = ::pwrite(fd_, stato.data() + da, kPagina, static_cast<off_t>(da));
        if (scritti < 0 && errno == EINTR) {
            da -= kPagina;
            continue;
        }
        if (scritti != static_cast<ssize_t>(kPagina))
            throw Errore("Scrittura non riuscita", archivio_);
    }
}

long RiscritturaAlternata::esegui(std::chrono::milliseconds pausa, std::chrono::milliseconds durata,
                                  const std::atomic<bool>& fine) {
    using Orologio = std::chrono::steady_clock;
    const auto inizio = Orologio::now();
    const auto finito = [&] {
        return fine || (durata.count() > 0 && Orologio::now() - inizio >= durata);
    };
    long riscritture = 0;
    while (!finito()) {
        scrivi(riscritture % 2 == 0 ? b_ : a_);
        ++riscritture;
        // The pause in short steps, so that an end asked for is not delayed.
        const auto ripresa = Orologio::now() + pausa;
        while (!finito() && Orologio::now() < ripresa)
            std::this_thread::sleep_for(std::min<Orologio::duration>(
                ripresa - Orologio::now(), std::chrono::milliseconds(20)));
    }
    return riscritture;
}
