#pragma once

#include <QString>

#include <chrono>
#include <cstdint>
#include <optional>

#include <sys/types.h>

// What tells one state of a file from another without reading it: the file
// (device and inode), its size, and the times of its last change of content
// and of its last change of any kind, in nanoseconds. Every write by another
// program changes the times, a replacement by rename the inode.
struct IdentitaFile {
    dev_t dispositivo = 0;
    ino_t inode = 0;
    std::int64_t dimensione = 0;
    std::int64_t modifica = 0;    // ns since the epoch
    std::int64_t cambiamento = 0; // ns since the epoch
    bool operator==(const IdentitaFile&) const = default;

    // A file whose content changed a moment ago may still be in the middle
    // of another program's update, and the clock of file times moves in
    // ticks: a write in the same tick as a check would not show. Such a file
    // is not trusted until this much time has passed since its last change;
    // nothing when that change is older (or lies beyond `adesso` by more than
    // a clock's disagreement explains, where the rule cannot help).
    std::chrono::nanoseconds attesaDopoModifica(std::chrono::nanoseconds adesso) const;
    // Damage found in a file changed shortly before may be another program's
    // update caught half way, its writer held up between two writes: it is
    // believed only once the file has stood still for longer than such a
    // hold-up lasts. How long to wait for that, under the same terms,
    // counting from the file's last change or from `fermoDa` when later
    // (where file times lag, the moment the damage was first found).
    std::chrono::nanoseconds attesaPrimaDelDanno(std::chrono::nanoseconds adesso,
                                                 std::chrono::nanoseconds fermoDa) const;

  private:
    std::chrono::nanoseconds attesaDopo(std::chrono::nanoseconds quiete,
                                        std::chrono::nanoseconds adesso,
                                        std::chrono::nanoseconds fermoDa) const;
};

// The identity of the file at `percorso` (following links); nothing when it
// cannot be had, with errno set.
std::optional<IdentitaFile> IdentitaDi(const QString& percorso);
// The identity of the file open on `fd`.
std::optional<IdentitaFile> IdentitaDi(int fd);
