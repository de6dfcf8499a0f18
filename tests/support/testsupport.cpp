#include "testsupport.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace vc::test {

QString dataDir()
{
    return QStringLiteral(VC_DATA_DIR);
}

QString sharedDir()
{
    return QStringLiteral(VC_SHARED_DIR);
}

QString binDir()
{
    return QStringLiteral(VC_BIN_DIR);
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

static void copyTree(const QString &from, const QString &to)
{
    QDir source(from);
    QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = to + QLatin1Char('/') + source.relativeFilePath(file);
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::copy(file, target);
    }
}

TempInstall::TempInstall(bool withData, bool withProfile)
{
    if (withData && m_dir.isValid()) {
        copyTree(dataDir(), m_dir.path());
        if (!withProfile)
            QFile::remove(m_dir.filePath(QStringLiteral("VeltrannCalc.ini")));
    }
}

} // namespace vc::test
