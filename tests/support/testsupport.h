#pragma once

#include <QString>
#include <QTemporaryDir>

namespace vc::test {

// The installation data in the source tree, the project's shared folder and
// the folder of the built executables.
QString dataDir();
QString sharedDir();
QString binDir();

// Writes bytes to a file, creating its folder.
bool writeFile(const QString &path, const QByteArray &bytes);
QByteArray readFile(const QString &path);

// A throw-away installation: a temporary folder holding a copy of the shipped
// data (Language, Unit, Docs, Data), for tests that change files or folders.
// The shipped settings profile comes along only when asked for, so a test
// starts as from a profile nobody has written yet.
class TempInstall
{
public:
    explicit TempInstall(bool withData = true, bool withProfile = false);
    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString &relative) const { return m_dir.filePath(relative); }

private:
    QTemporaryDir m_dir;
};

} // namespace vc::test
