#include "archivi/IdentitaFile.h"

#include <QFile>

#include <algorithm>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

// Longer than the gaps between the writes of one update by a program of the
// suite, than the tick of file times, and than the 77 and 84 ms that a
// writer was seen held up in the middle of a rewrite on a busy 2-core
// machine; short enough to leave a reading room between updates a few
// tenths of a second apart.
constexpr std::chrono::milliseconds kModificaRecente{100};
// Longer than a writer is held up in the middle of an update on a busy
// machine or a slow share, by far: a file that shows damage or pages of two
// states is waited for that long before it is believed.
constexpr std::chrono::seconds kQuieteDelDanno{5};
// File times ahead of this machine's clock by more than this come from a
// server whose clock differs; their age cannot be told.
constexpr std::chrono::seconds kScartoOrologi{1};

std::int64_t nanosecondi(const statx_timestamp& t) {
    return std::int64_t{t.tv_sec} * 1'000'000'000 + t.tv_nsec;
}

// A network file system may answer from attributes it keeps for a while;
// the file's identity must be the server's of this moment, so they are
// asked for afresh.
std::optional<IdentitaFile> identita(int cartella, const char* percorso, int opzioni) {
    struct statx s {};
    if (::statx(cartella, percorso, opzioni | AT_STATX_FORCE_SYNC, STATX_BASIC_STATS, &s) != 0)
        return std::nullopt;
    return IdentitaFile{makedev(s.stx_dev_major, s.stx_dev_minor), s.stx_ino,
                        static_cast<std::int64_t>(s.stx_size), nanosecondi(s.stx_mtime),
                        nanosecondi(s.stx_ctime)};
}

} // namespace

std::chrono::nanoseconds IdentitaFile::attesaDopo(std::chrono::nanoseconds quiete,
                                                  std::chrono::nanoseconds adesso,
                                                  std::chrono::nanoseconds fermoDa) const {
    const std::chrono::nanoseconds ultima = std::max(std::chrono::nanoseconds{modifica}, fermoDa);
    if (ultima > adesso + kScartoOrologi || ultima + quiete <= adesso)
        return std::chrono::nanoseconds{0};
    return ultima + quiete - adesso;
}

std::chrono::nanoseconds IdentitaFile::attesaDopoModifica(std::chrono::nanoseconds adesso) const {
    return attesaDopo(kModificaRecente, adesso, std::chrono::nanoseconds{0});
}

std::chrono::nanoseconds IdentitaFile::attesaPrimaDelDanno(std::chrono::nanoseconds adesso,
                                                           std::chrono::nanoseconds fermoDa) const {
    return attesaDopo(kQuieteDelDanno, adesso, fermoDa);
}

std::optional<IdentitaFile> IdentitaDi(const QString& percorso) {
    return identita(AT_FDCWD, QFile::encodeName(percorso).constData(), 0);
}

std::optional<IdentitaFile> IdentitaDi(int fd) {
    return identita(fd, "", AT_EMPTY_PATH);
}
