#include "ini/vixinihandling.h"

#include "ini/inistore.h"

#include <QFile>
#include <QFileInfo>

namespace vc {

namespace {

// The buffers the profile functions were given.
constexpr int kValueBuffer = 255;
constexpr int kSectionBuffer = 32767;

} // namespace

QString VixIniHandling::Read_INI(const QString &file, const QString &section,
                                 const QString &key) const
{
    if (!GetIniFile(file))
        return QString();
    const auto ini = IniStore::load(file);
    QString value;
    if (!ini || !ini->value(section, key, &value))
        return QString();
    return value.left(kValueBuffer - 1);
}

bool VixIniHandling::Write_INI(const QString &file, const QString &section, const QString &key,
                               const QString &value) const
{
    if (!GetIniFile(file) || IniFile::matchName(section).isEmpty() ||
        IniFile::matchName(key).isEmpty())
        return false;
    const QString path = IniStore::resolve(file);
    const auto current = IniStore::load(path);
    if (!current && QFileInfo::exists(path))
        return false; // a file we cannot read is never replaced by one we made up
    IniFile edited = current ? *current : IniFile();
    edited.setValue(section, key, value);
    return IniStore::save(path, edited);
}

bool VixIniHandling::Remove_Section(const QString &file, const QString &section) const
{
    if (file.isEmpty())
        return false;
    const QString path = IniStore::resolve(file);
    const auto current = IniStore::load(path);
    if (!current || !current->hasSection(section))
        return true; // nothing to delete is no failure
    IniFile edited = *current;
    edited.removeSection(section);
    return IniStore::save(path, edited);
}

bool VixIniHandling::WriteArray(const QString &file, const QString &section,
                                const QStringList &values) const
{
    if (!GetIniFile(file) || IniFile::matchName(section).isEmpty())
        return false;
    // One save for the whole list: the file shows the old list or the new one,
    // never a list cut short.
    const QString path = IniStore::resolve(file);
    const auto current = IniStore::load(path);
    if (!current && QFileInfo::exists(path))
        return false; // a file we cannot read is never replaced by one we made up
    IniFile edited = current ? *current : IniFile();
    const bool hadSection = edited.removeSection(section);
    if (values.isEmpty() && !hadSection)
        return true;
    for (int i = 0; i < values.size(); ++i)
        edited.setValue(section, QString::number(i), values.at(i));
    return IniStore::save(path, edited);
}

void VixIniHandling::ReadArray(const QString &file, const QString &section, int lastIndex,
                               QStringList &values) const
{
    values.clear();
    if (lastIndex < 0)
        return;
    const auto ini = GetIniFile(file) ? IniStore::load(file) : nullptr;
    values.reserve(lastIndex + 1);
    for (int i = 0; i <= lastIndex; ++i) {
        QString value;
        if (ini && ini->value(section, QString::number(i), &value))
            value.truncate(kValueBuffer - 1);
        values.append(value);
    }
}

void VixIniHandling::ReadSection(const QString &file, const QString &section,
                                 QStringList &lines) const
{
    lines.clear();
    if (file.isEmpty())
        return;
    const auto ini = IniStore::load(file);
    if (!ini)
        return;
    // The section arrives as "key=value\0key=value\0...\0" in a buffer of
    // 32767 characters; a cut-off entry has no terminating zero and is dropped.
    qsizetype used = 0;
    const qsizetype room = kSectionBuffer - 2;
    for (const QString &line : ini->sectionLines(section)) {
        if (used + line.size() + 1 > room)
            break;
        lines.append(line);
        used += line.size() + 1;
    }
}

bool VixIniHandling::GetIniFile(const QString &file) const
{
    return !file.isEmpty();
}

bool VixIniHandling::ReadAllSectionTitle(const QString &file, QStringList &titles) const
{
    titles.clear();
    QFile in(IniStore::resolve(file));
    if (file.isEmpty() || !in.open(QIODevice::ReadOnly))
        return false;
    titles = IniFile::sequentialTitles(in.readAll());
    return true;
}

} // namespace vc
