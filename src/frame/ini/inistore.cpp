#include "ini/inistore.h"

#include "io/atomicfile.h"
#include "io/filehelpers.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>

#include <sys/stat.h>

namespace vc {

namespace {

struct Identity
{
    quint64 device = 0;
    quint64 inode = 0;
    bool operator==(const Identity &o) const { return device == o.device && inode == o.inode; }
};

size_t qHash(const Identity &id, size_t seed = 0)
{
    return ::qHash(id.device * 1000003u ^ id.inode, seed);
}

struct Stamp
{
    qint64 size = -1;
    qint64 modified = 0; // nanoseconds
    qint64 changed = 0;  // nanoseconds
    bool operator==(const Stamp &o) const
    {
        return size == o.size && modified == o.modified && changed == o.changed;
    }
};

struct Entry
{
    Stamp stamp;
    std::shared_ptr<const IniFile> file;
};

struct Batch
{
    int depth = 0;
    std::shared_ptr<const IniFile> pending; // the file as the held-back writes left it
};

struct Cache
{
    QMutex mutex;
    QHash<Identity, Entry> parses;
    QHash<QString, QString> resolved; // name as given -> name found without case
    QHash<QString, Batch> batches;    // resolved name -> writes held back
};

Cache &cache()
{
    static Cache c;
    return c;
}

constexpr int kMaxParses = 64;

// Follows symbolic links, as opening the file does. False for anything that is
// not a regular file.
bool statFile(const QString &path, Identity *id, Stamp *stamp)
{
    struct stat st;
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &st) != 0 ||
        !S_ISREG(st.st_mode))
        return false;
    if (id) {
        id->device = static_cast<quint64>(st.st_dev);
        id->inode = static_cast<quint64>(st.st_ino);
    }
    if (stamp) {
        stamp->size = static_cast<qint64>(st.st_size);
        stamp->modified = static_cast<qint64>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
        stamp->changed = static_cast<qint64>(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
    }
    return true;
}

bool exists(const QString &path)
{
    struct stat st;
    return !path.isEmpty() && ::stat(QFile::encodeName(path).constData(), &st) == 0;
}

void remember(Cache &c, const Identity &id, const Stamp &stamp, std::shared_ptr<const IniFile> file)
{
    if (c.parses.size() >= kMaxParses && !c.parses.contains(id))
        c.parses.clear();
    c.parses.insert(id, Entry{stamp, std::move(file)});
}

} // namespace

namespace {

QString normalized(const QString &file)
{
    QString path = file.trimmed();
    if (path.contains(QLatin1Char('\\')))
        path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return path;
}

// The name found without case, remembered while it exists.
QString resolveSlowly(const QString &path)
{
    Cache &c = cache();
    {
        QMutexLocker lock(&c.mutex);
        const auto it = c.resolved.constFind(path);
        if (it != c.resolved.constEnd() && exists(*it))
            return *it;
    }
    const QString found = nativePath(path);
    if (found != path && exists(found)) {
        QMutexLocker lock(&c.mutex);
        if (c.resolved.size() > 256)
            c.resolved.clear();
        c.resolved.insert(path, found);
    }
    return found;
}

} // namespace

QString IniStore::resolve(const QString &file)
{
    const QString path = normalized(file);
    if (path.isEmpty() || exists(path))
        return path;
    return resolveSlowly(path);
}

std::shared_ptr<const IniFile> IniStore::load(const QString &file)
{
    // One status query in the common case: the name as given names the file.
    QString path = normalized(file);
    Identity id;
    Stamp stamp;
    bool found = statFile(path, &id, &stamp);
    if (!found && !path.isEmpty() && !exists(path)) {
        path = resolveSlowly(path);
        found = statFile(path, &id, &stamp);
    }
    Cache &c = cache();
    QMutexLocker lock(&c.mutex);
    if (!c.batches.isEmpty()) {
        const auto batch = c.batches.constFind(path);
        if (batch != c.batches.constEnd() && batch->pending)
            return batch->pending;
    }
    if (!found)
        return nullptr;
    const auto it = c.parses.constFind(id);
    if (it != c.parses.constEnd() && it->stamp == stamp)
        return it->file;
    lock.unlock();

    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return nullptr;
    auto parsed = std::make_shared<const IniFile>(in.readAll());
    lock.relock();
    remember(c, id, stamp, parsed);
    return parsed;
}

namespace {

bool writable(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    // A read-only file stays untouched, as on Windows.
    return !info.exists() || (info.isFile() && (info.permissions() & QFileDevice::WriteOwner));
}

bool writeFile(const QString &resolvedPath, const IniFile &file)
{
    if (!writable(resolvedPath))
        return false;
    Identity oldId;
    const bool hadOld = statFile(resolvedPath, &oldId, nullptr);

    if (!AtomicFile::write(resolvedPath, file.bytes()))
        return false;

    Cache &c = cache();
    QMutexLocker lock(&c.mutex);
    if (hadOld)
        c.parses.remove(oldId);
    Identity id;
    Stamp stamp;
    if (statFile(resolvedPath, &id, &stamp))
        remember(c, id, stamp, std::make_shared<const IniFile>(file));
    return true;
}

} // namespace

bool IniStore::save(const QString &resolvedPath, const IniFile &file)
{
    if (!writable(resolvedPath))
        return false;
    Cache &c = cache();
    {
        QMutexLocker lock(&c.mutex);
        const auto batch = c.batches.find(resolvedPath);
        if (batch != c.batches.end()) {
            batch->pending = std::make_shared<const IniFile>(file);
            return true;
        }
    }
    return writeFile(resolvedPath, file);
}

QString IniStore::beginBatch(const QString &file)
{
    const QString path = resolve(file);
    Cache &c = cache();
    QMutexLocker lock(&c.mutex);
    ++c.batches[path].depth;
    return path;
}

bool IniStore::endBatch(const QString &resolvedPath)
{
    Cache &c = cache();
    std::shared_ptr<const IniFile> pending;
    {
        QMutexLocker lock(&c.mutex);
        const auto batch = c.batches.find(resolvedPath);
        if (batch == c.batches.end())
            return true;
        if (--batch->depth > 0)
            return true;
        pending = batch->pending;
        c.batches.erase(batch);
    }
    return !pending || writeFile(resolvedPath, *pending);
}

void IniStore::clearCache()
{
    Cache &c = cache();
    QMutexLocker lock(&c.mutex);
    c.parses.clear();
    c.resolved.clear();
}

} // namespace vc
