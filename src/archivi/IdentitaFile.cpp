#include "archivi/IdentitaFile.h"

#include <QFile>

#include <sys/stat.h>

namespace {

// Longer than the gaps between the writes of one update by a program of the
// suite, and than the tick of file times.
constexpr std::chrono::milliseconds kModificaRecente{50};
// File times ahead of this machine's clock by more than this come from a
// server whose clock differs; their age cannot be told.
constexpr std::chrono::seconds kScartoOrologi{1};

std::int64_t nanosecondi(const timespec& t) {
    return std::int64_t{t.tv_sec} * 1'000'000'000 + t.tv_nsec;
}

IdentitaFile daStato(const struct stat& s) {
    return {s.st_dev, s.st_ino, s.st_size, nanosecondi(s.st_mtim), nanosecondi(s.st_ctim)};
}

} // namespace

std::chrono::nanoseconds IdentitaFile::attesaDopoModifica(std::chrono::nanoseconds adesso) const {
    const std::chrono::nanoseconds ultima{modifica};
    if (ultima > adesso + kScartoOrologi || ultima + kModificaRecente <= adesso)
        return std::chrono::nanoseconds{0};
    return ultima + kModificaRecente - adesso;
}

std::optional<IdentitaFile> IdentitaDi(const QString& percorso) {
    struct stat s {};
    if (::stat(QFile::encodeName(percorso).constData(), &s) != 0)
        return std::nullopt;
    return daStato(s);
}

std::optional<IdentitaFile> IdentitaDi(int fd) {
    struct stat s {};
    if (::fstat(fd, &s) != 0)
        return std::nullopt;
    return daStato(s);
}
