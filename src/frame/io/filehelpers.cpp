#include "io/filehelpers.h"

#include "form/platformservices.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace vc {

namespace {

QString joined(const QString &folder, const QString &name)
{
    if (folder.isEmpty())
        return name;
    if (folder.endsWith(QLatin1Char('/')))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}

} // namespace

QString nativePath(const QString &path)
{
    QString p = path;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (p.isEmpty() || QFileInfo::exists(p))
        return p;

    const QStringList parts = p.split(QLatin1Char('/'));
    QString current = p.startsWith(QLatin1Char('/')) ? QStringLiteral("/") : QString();
    for (int i = 0; i < parts.size(); ++i) {
        const QString &part = parts.at(i);
        if (part.isEmpty())
            continue;
        const QString exact = joined(current, part);
        if (part == QLatin1String(".") || part == QLatin1String("..") || QFileInfo::exists(exact)) {
            current = exact;
            continue;
        }
        const QDir folder(current.isEmpty() ? QStringLiteral(".") : current);
        const QStringList entries = folder.entryList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
        QString match;
        for (const QString &entry : entries) {
            if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                match = entry;
                break;
            }
        }
        if (match.isEmpty()) {
            // Nothing of that name: the rest stays as written.
            QString rest = current;
            for (int j = i; j < parts.size(); ++j) {
                if (!parts.at(j).isEmpty())
                    rest = joined(rest, parts.at(j));
            }
            return rest;
        }
        current = joined(current, match);
    }
    return current;
}

bool PathExists(const QString &path, int kind, bool create)
{
    if (path.isEmpty())
        return false;
    const QString p = nativePath(path);
    const QFileInfo info(p);
    switch (kind) {
    case 0:
        return info.isFile();
    case 1:
        if (info.isDir())
            return true;
        if (create && !info.exists())
            QDir().mkdir(p); // one folder; its parent must exist
        return false;
    case 2: {
        // Drives are the roots of mounted file systems here.
        if (!info.isDir())
            return false;
        const QStorageInfo storage(p);
        return storage.isValid() &&
               QDir(storage.rootPath()).canonicalPath() == info.canonicalFilePath();
    }
    default:
        return false;
    }
}

QString FileNameOf(const QString &path, bool *ok)
{
    const QFileInfo info(nativePath(path));
    const bool found = !path.isEmpty() && info.isFile();
    if (ok)
        *ok = found;
    return found ? info.fileName() : QString();
}

QString ShowFileDialog(int mode, const QString &title, const QString &defaultName,
                       const QString &filter, const QString &initialFolder,
                       const QString &defaultExtension)
{
    // Filters written for the Windows dialog separate their parts by zero
    // characters; both forms are accepted.
    QString pairs = filter;
    pairs.replace(QChar(0), QLatin1Char('|'));
    while (pairs.endsWith(QLatin1Char('|')))
        pairs.chop(1);
    const auto dialogMode =
        mode == 1 ? FileDialogService::Mode::Open : FileDialogService::Mode::Save;
    QString chosen = Services::fileDialogs().choose(dialogMode, title, defaultName, pairs,
                                                    initialFolder, defaultExtension);
    const qsizetype nul = chosen.indexOf(QChar(0));
    if (nul >= 0)
        chosen.truncate(nul);
    if (dialogMode == FileDialogService::Mode::Save && !chosen.isEmpty() &&
        !defaultExtension.isEmpty() && QFileInfo(chosen).suffix().isEmpty() &&
        !chosen.endsWith(QLatin1Char('.')))
        chosen += QLatin1Char('.') + defaultExtension;
    return chosen;
}

} // namespace vc
