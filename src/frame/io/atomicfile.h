#pragma once

#include <QByteArray>
#include <QString>

#include <sys/types.h>

namespace vc {

// The system calls a save is made of. Tests replace them to make any one step
// fail as a full disk or a vanished folder would.
struct FileSystemCalls
{
    int (*open)(const char *path, int flags, mode_t mode);
    ssize_t (*write)(int fd, const void *data, size_t size);
    int (*fsync)(int fd);
    int (*close)(int fd);
    int (*rename)(const char *from, const char *to);
};

// Replaces a file whole or not at all: the bytes go into a new file beside it,
// which takes the old file's place only when every step (each write, the sync
// to the disk, the close) has succeeded. On any failure the new file is
// removed and the old one is left as it was, byte for byte.
class AtomicFile
{
public:
    // False when any step failed. A link is followed: the file it points to
    // is replaced. A replaced file keeps its permission bits.
    static bool write(const QString &path, const QByteArray &bytes);

    // The calls in use; tests swap them and restore the defaults.
    static FileSystemCalls &calls();
    static FileSystemCalls defaultCalls();
};

} // namespace vc
