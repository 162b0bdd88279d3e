#pragma once

#include <string>
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

// Whether a file system of type `tipo` keeps its files on a disk of this
// machine (or in its memory), whose cache answers a read at once: ext4,
// XFS, Btrfs, tmpfs and the like. Network and FUSE file systems, and any
// type not known, are not.
bool FileSystemSuDisco(std::string_view tipo);

// The type of the file system mounted on device `dispositivo`, as
// /proc/self/mountinfo names it; empty when the mounts cannot be read.
std::string TipoFileSystem(dev_t dispositivo);
