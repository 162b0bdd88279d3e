#include "archivi/FileSystemRemoto.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <sstream>
#include <string>

#include <sys/sysmacros.h>

namespace {

// The kernel's clients and the FUSE ones ("fuse." and the program's name).
constexpr std::array<std::string_view, 20> kTipiRemoti = {
    "cifs",         "smb3",      "smbfs",          "fuse.smbnetfs", "fuse.gvfsd-fuse",
    "fuse.fusesmb", "nfs",       "nfs4",           "fuse.sshfs",    "9p",
    "ceph",         "fuse.ceph", "fuse.ceph-fuse", "glusterfs",     "fuse.glusterfs",
    "fuse.rclone",  "davfs",     "fuse.davfs",     "fuse.davfs2",   "fuse.nfs"};

// File systems on a disk of this machine, or in its memory.
constexpr std::array<std::string_view, 15> kTipiSuDisco = {
    "ext2", "ext3",  "ext4",  "xfs",  "btrfs", "f2fs",  "jfs",    "reiserfs",
    "zfs",  "tmpfs", "ramfs", "vfat", "exfat", "ntfs3", "overlay"};

} // namespace

bool FileSystemRemoto(std::string_view tipo) {
    return std::find(kTipiRemoti.begin(), kTipiRemoti.end(), tipo) != kTipiRemoti.end();
}

bool FileSystemSuDisco(std::string_view tipo) {
    return std::find(kTipiSuDisco.begin(), kTipiSuDisco.end(), tipo) != kTipiSuDisco.end();
}

std::string TipoFileSystem(dev_t dispositivo) {
    // One line per mount: "ID PARENT MAJOR:MINOR ROOT POINT OPTIONS [TAGS...] - TYPE SOURCE
    // OPTIONS"; the optional tags end at the lone "-".
    std::ifstream montaggi("/proc/self/mountinfo");
    const std::string cercato =
        std::to_string(major(dispositivo)) + ':' + std::to_string(minor(dispositivo));
    std::string riga;
    while (std::getline(montaggi, riga)) {
        std::istringstream campi(riga);
        std::string id, genitore, numero, parola;
        if (!(campi >> id >> genitore >> numero) || numero != cercato)
            continue;
        while (campi >> parola && parola != "-") {
        }
        std::string tipo;
        campi >> tipo;
        return tipo;
    }
    return {};
}
