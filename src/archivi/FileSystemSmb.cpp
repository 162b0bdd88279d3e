#include "archivi/FileSystemSmb.h"

#include <array>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

#include <sys/sysmacros.h>

namespace {

// File system types, as /proc/self/mountinfo names them, that serve an SMB
// share.
constexpr std::array<std::string_view, 6> kTipiSmb = {
    "cifs", "smb3", "smbfs", "fuse.smbnetfs", "fuse.gvfsd-fuse", "fuse.fusesmb"};

} // namespace

bool SuFileSystemSmb(dev_t dispositivo) {
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
        for (const std::string_view smb : kTipiSmb) {
            if (tipo == smb)
                return true;
        }
    }
    return false;
}
