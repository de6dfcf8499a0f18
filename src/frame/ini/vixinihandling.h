#pragma once

#include <QString>
#include <QStringList>

namespace vc {

// Named values in INI files, with the rules of the Windows profile functions:
// sections and keys match without case, values are trimmed and lose one pair
// of enclosing quotes, a missing file, section or key reads as "". Files are
// Windows-1252 with CRLF; UTF-8 and UTF-16 files are read as such (see
// detectEncoding), and a file that must take a character Windows-1252 lacks
// is rewritten as UTF-8 with a byte-order mark.
// Every call sees the file as it is on disk now; a write reaches the disk whole
// or not at all. Holds no state of its own: all instances behave alike.
class VixIniHandling
{
public:
    // At most 254 characters, as a 255-character buffer returns them.
    QString Read_INI(const QString &file, const QString &section, const QString &key) const;
    bool Write_INI(const QString &file, const QString &section, const QString &key,
                   const QString &value) const;
    bool Remove_Section(const QString &file, const QString &section) const;
    // Replaces the section by the keys "0", "1", ... holding values.
    bool WriteArray(const QString &file, const QString &section, const QStringList &values) const;
    // values becomes entries 0 ... lastIndex; missing keys read as "".
    void ReadArray(const QString &file, const QString &section, int lastIndex,
                   QStringList &values) const;
    // The section's "key=value" lines in file order.
    void ReadSection(const QString &file, const QString &section, QStringList &lines) const;
    bool GetIniFile(const QString &file) const;
    // Every section title in file order. Returns false when the file cannot be
    // opened (where the original raised a file-not-found error).
    bool ReadAllSectionTitle(const QString &file, QStringList &titles) const;
};

} // namespace vc
