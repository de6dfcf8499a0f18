#pragma once

#include "io/textencoding.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

namespace vc {

// One INI file as the Windows profile functions see it. Every line is kept as
// the bytes it had, so an edit rewrites only the line it changes (or adds) and
// every other line reaches the disk again byte for byte.
//
// Reading rules: leading blanks of a line are skipped; "[" opens a section
// whose title ends at the first "]" (or at the end of the line); ";" starts a
// comment; a line with "=" is a key and its value; anything else is kept but
// has no value. Sections and keys match without case and without surrounding
// blanks; the first section and the first key of a name win. Any bytes are
// accepted: NUL bytes, lines of any length, no line end at all.
class IniFile
{
public:
    IniFile() = default;
    explicit IniFile(const QByteArray &bytes);

    // As detectEncoding() finds it. A Windows-1252 file keeps its bytes while
    // every text written fits the code page; the first write of a character
    // it lacks turns the whole file into UTF-8 with a byte-order mark, so no
    // character is ever replaced. A UTF-16 file is written back as UTF-16.
    TextEncoding encoding() const { return m_encoding; }
    QByteArray bytes() const;

    // The value of key in section, trimmed, one pair of enclosing quotes
    // removed and cut at a NUL character; false when there is no such key.
    bool value(const QString &section, const QString &key, QString *value) const;
    bool hasSection(const QString &section) const;
    // "key=value" for every key line of the section in file order, the value
    // trimmed but with its quotes.
    QStringList sectionLines(const QString &section) const;

    // Replaces the key's line in place, or adds the key after the last entry
    // of its section, or adds the section at the end of the file. New lines
    // end in CRLF. Line breaks and NULs in value would break the file and are
    // not written (a line break becomes a blank, a NUL ends the value).
    void setValue(const QString &section, const QString &key, const QString &value);
    // Removes every section of that title with its lines, keeping the comment
    // lines that stood in it. False when there was no such section.
    bool removeSection(const QString &section);

    // The section titles as sequential input of comma-delimited fields finds
    // them: every field that starts with "[" loses its first and last
    // character (so "x=1,[B]" yields "B" and "[A] ;c" yields "A] ;").
    static QStringList sequentialTitles(const QByteArray &bytes);

    // The form in which names are compared.
    static QString matchName(const QString &name);

private:
    enum class Kind : quint8 { Blank, Comment, Title, Entry, Other };
    struct Line
    {
        QByteArray text; // without its line end
        QByteArray eol;  // "\r\n", "\n", "\r", or "" for a last line without one
        Kind kind = Kind::Blank;
        QString name;  // Title: the title; Entry: the key (both trimmed)
        QString value; // Entry: the value, trimmed
    };
    struct Section
    {
        int titleLine = 0;
        int endLine = 0;          // the next title line or the end of the file
        QHash<QString, int> keys; // matchName(key) -> first line of that key
    };

    Line makeLine(const QByteArray &text, const QByteArray &eol) const;
    QByteArray encode(const QString &text) const;
    QString decode(QByteArrayView bytes) const;
    // Makes the file UTF-8 with a byte-order mark unless text fits it as it is.
    void makeRoomFor(const QString &text);
    void reindex();
    const Section *findSection(const QString &section) const;

    QByteArray m_source; // the bytes read; unchanged lines point into them
    std::vector<Line> m_lines;
    std::vector<Section> m_sections;
    QHash<QString, int> m_sectionIndex; // matchName(title) -> first section
    TextEncoding m_encoding = TextEncoding::Cp1252;
};

} // namespace vc
