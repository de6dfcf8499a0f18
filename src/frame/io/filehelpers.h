#pragma once

#include <QString>

namespace vc {

// Paths that come from data files use '\' and name files in any case, as
// Windows does. nativePath turns such a path into one that exists here when a
// case-insensitive match exists, component by component ("Img\\A.JPG" finds
// "img/a.jpg"); otherwise it returns the path with '/' separators.
QString nativePath(const QString &path);

// kind 0 file, 1 folder (created when missing and create is true), 2 drive.
// True only when the object existed at the moment of the test.
bool PathExists(const QString &path, int kind, bool create);

// The file's name without folder; ok is false for an empty path or a missing
// file (where the original raised an error to its caller).
QString FileNameOf(const QString &path, bool *ok = nullptr);

// mode 1 opens, any other value saves. Returns the chosen path, "" on cancel.
// filter is "Description|pattern|Description|pattern".
QString ShowFileDialog(int mode, const QString &title, const QString &defaultName,
                       const QString &filter, const QString &initialFolder,
                       const QString &defaultExtension);

} // namespace vc
