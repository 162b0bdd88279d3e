#pragma once

#include <string_view>

#include <sys/types.h>

// Whether a file system of type `tipo`, as /proc/self/mountinfo names it,
// reaches its files on another machine and keeps what it read of them for
// a while: an SMB share (the kernel's cifs and smb3, or a FUSE client such
// as smbnetfs or GNOME's gvfs), NFS, sshfs, 9p, Ceph, GlusterFS, rclone or
// WebDAV. On such a file system a file rewritten in place by another
// workstation may keep its inode, size and times for a while, so the file's
// identity cannot tell that its content changed.
bool FileSystemRemoto(std::string_view tipo);

// Whether the file system mounted on device `dispositivo` is of such a
// type; false when the mounts cannot be read.
bool SuFileSystemRemoto(dev_t dispositivo);
