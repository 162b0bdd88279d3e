#pragma once

#include <sys/types.h>

// Whether the file system mounted on device `dispositivo` reaches its files
// through an SMB share (the kernel's cifs and smb3, or a FUSE client such as
// smbnetfs or GNOME's gvfs). On such a share a file rewritten in place by
// another workstation keeps its inode and size, and the server reports the
// new write time only a couple of seconds later, so the file's identity
// cannot tell that its content changed; false when the mounts cannot be read.
bool SuFileSystemSmb(dev_t dispositivo);
