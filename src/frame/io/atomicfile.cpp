#include "io/atomicfile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vc {

namespace {

int openFile(const char *path, int flags, mode_t mode)
{
    return ::open(path, flags, mode);
}

// The name the bytes go to first: hidden, beside the file, unlikely to clash.
QByteArray temporaryName(const QString &target)
{
    const QFileInfo info(target);
    const QString name = QStringLiteral("%1/.%2.%3.tmp")
                             .arg(info.absolutePath(), info.fileName())
                             .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
    return QFile::encodeName(name);
}

QString followLinks(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isSymLink())
        return path;
    const QString target = info.canonicalFilePath();
    return target.isEmpty() ? info.symLinkTarget() : target;
}

bool writeAll(const FileSystemCalls &sys, int fd, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = sys.write(fd, data, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        left -= written;
    }
    return true;
}

} // namespace

FileSystemCalls AtomicFile::defaultCalls()
{
    return FileSystemCalls{openFile, ::write, ::fsync, ::close, ::rename};
}

FileSystemCalls &AtomicFile::calls()
{
    static FileSystemCalls current = defaultCalls();
    return current;
}

bool AtomicFile::write(const QString &path, const QByteArray &bytes)
{
    const FileSystemCalls &sys = calls();
    const QString target = followLinks(path);
    const QByteArray targetName = QFile::encodeName(target);

    struct stat old;
    const bool hadOld = ::stat(targetName.constData(), &old) == 0;
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 8 && fd < 0; ++attempt) {
        temporary = temporaryName(target);
        fd = sys.open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return false;
    }
    if (fd < 0)
        return false;

    bool ok = writeAll(sys, fd, bytes);
    if (ok && hadOld)
        ::fchmod(fd, old.st_mode & 07777); // best effort, as the copy of a file would
    // The data must be on the disk before the name points to it: a full disk
    // often shows only here.
    ok = ok && sys.fsync(fd) == 0;
    ok = sys.close(fd) == 0 && ok;
    ok = ok && sys.rename(temporary.constData(), targetName.constData()) == 0;
    if (!ok) {
        ::unlink(temporary.constData());
        return false;
    }
    // Make the rename itself durable; the file is already whole either way.
    const int folder = ::open(QFile::encodeName(QFileInfo(target).absolutePath()).constData(),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return true;
}

} // namespace vc
