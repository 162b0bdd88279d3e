// Which mounts are network file systems that keep what they read, on which
// a file's identity lags behind its content and what was read is read again
// and compared.

#include "archivi/FileSystemRemoto.h"
#include "prove/util/CartellaDiProva.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

TEST(FileSystemRemoto, TipiDiMontaggio) {
    for (const char* tipo : {"cifs", "smb3", "smbfs", "fuse.smbnetfs", "fuse.gvfsd-fuse", "nfs",
                             "nfs4", "fuse.sshfs", "9p", "ceph", "fuse.ceph-fuse", "glusterfs",
                             "fuse.glusterfs", "fuse.rclone", "davfs", "fuse.davfs2"})
        EXPECT_TRUE(FileSystemRemoto(tipo)) << tipo;
    for (const char* tipo : {"ext4", "xfs", "btrfs", "tmpfs", "overlay", "fuse", "fuse.portal",
                             "nfsd", "", "NFS", "nfs4 "})
        EXPECT_FALSE(FileSystemRemoto(tipo)) << tipo;

    // A share is never taken for a local disk, nor an unknown FUSE type.
    for (const char* tipo : {"cifs", "nfs4", "fuse.smbnetfs", "fuse", "fuse.lenta", ""})
        EXPECT_FALSE(FileSystemSuDisco(tipo)) << tipo;

    // The folder of a test lies on a local disk, whose type is read.
    CartellaDiProva cartella;
    struct stat s {};
    ASSERT_EQ(::stat(cartella.percorso().toLocal8Bit().constData(), &s), 0);
    const std::string tipo = TipoFileSystem(s.st_dev);
    EXPECT_FALSE(tipo.empty());
    EXPECT_FALSE(FileSystemRemoto(tipo)) << tipo;
}
