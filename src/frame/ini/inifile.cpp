#include "ini/inifile.h"

#include "io/codepage1252.h"

#include <cstring>
#include <QStringEncoder>

namespace vc {

namespace {

const QByteArray kBom("\xEF\xBB\xBF");
const QByteArray kCrLf("\r\n");
const QByteArray kLf("\n");
const QByteArray kCr("\r");
const QByteArray kNone;

bool isBlank(QChar c)
{
    const char16_t u = c.unicode();
    return u == ' ' || u == '\t' || u == '\v' || u == '\f' || u == '\r' || u == '\n';
}

QString trimmed(QStringView s)
{
    qsizetype begin = 0;
    qsizetype end = s.size();
    while (begin < end && isBlank(s[begin]))
        ++begin;
    while (end > begin && isBlank(s[end - 1]))
        --end;
    return s.mid(begin, end - begin).toString();
}

QString cutAtNul(const QString &s)
{
    const qsizetype nul = s.indexOf(QChar(0));
    return nul < 0 ? s : s.left(nul);
}

} // namespace

QString IniFile::matchName(const QString &name)
{
    // Names were C strings: a NUL ends them.
    return trimmed(cutAtNul(name)).toCaseFolded();
}

IniFile::IniFile(const QByteArray &bytes)
{
    m_encoding = detectEncoding(bytes);
    qsizetype pos = byteOrderMarkSize(m_encoding);
    if (m_encoding == TextEncoding::Utf16Le || m_encoding == TextEncoding::Utf16Be) {
        // Lines are taken apart on ASCII bytes, so UTF-16 is held as UTF-8.
        m_source = decodeText(bytes).toUtf8();
        pos = 0;
    } else {
        m_source = bytes;
        m_source.detach(); // own the bytes the lines point into
    }
    const qsizetype size = m_source.size();
    const char *data = m_source.constData();
    while (pos < size) {
        qsizetype end = pos;
        while (end < size && data[end] != '\n' && data[end] != '\r')
            ++end;
        qsizetype next = end;
        if (next < size) {
            if (data[next] == '\r' && next + 1 < size && data[next + 1] == '\n')
                next += 2;
            else
                next += 1;
        }
        // Lines point into the kept file bytes instead of copying them.
        const QByteArray text = QByteArray::fromRawData(m_source.constData() + pos, end - pos);
        const qsizetype eolSize = next - end;
        const QByteArray &eol = eolSize == 2        ? kCrLf
                                : eolSize == 0      ? kNone
                                : data[end] == '\n' ? kLf
                                                    : kCr;
        m_lines.push_back(makeLine(text, eol));
        pos = next;
    }
    reindex();
}

IniFile::Line IniFile::makeLine(const QByteArray &text, const QByteArray &eol) const
{
    // The bytes that shape a line (blanks, "[", "]", ";", "=") are ASCII in
    // both encodings, so a line is taken apart on its bytes and only its name
    // and value are decoded.
    Line line;
    line.text = text;
    line.eol = eol;
    const char *d = text.constData();
    const qsizetype n = text.size();
    auto blank = [d](qsizetype i) {
        return d[i] == ' ' || d[i] == '\t' || d[i] == '\v' || d[i] == '\f';
    };
    auto decodeTrimmed = [&](qsizetype begin, qsizetype end) {
        while (begin < end && blank(begin))
            ++begin;
        while (end > begin && blank(end - 1))
            --end;
        return decode(QByteArrayView(d + begin, end - begin));
    };
    qsizetype first = 0;
    while (first < n && blank(first))
        ++first;
    if (first == n) {
        line.kind = Kind::Blank;
    } else if (d[first] == '[') {
        line.kind = Kind::Title;
        const void *close = std::memchr(d + first + 1, ']', static_cast<size_t>(n - first - 1));
        const qsizetype end = close ? static_cast<const char *>(close) - d : n;
        line.name = decodeTrimmed(first + 1, end);
    } else if (d[first] == ';') {
        line.kind = Kind::Comment;
    } else if (const void *eq = std::memchr(d + first, '=', static_cast<size_t>(n - first))) {
        const qsizetype at = static_cast<const char *>(eq) - d;
        line.kind = Kind::Entry;
        line.name = decodeTrimmed(first, at);
        line.value = decodeTrimmed(at + 1, n);
    } else {
        line.kind = Kind::Other;
    }
    return line;
}

QByteArray IniFile::encode(const QString &text) const
{
    return m_encoding == TextEncoding::Cp1252 ? encode1252(text) : text.toUtf8();
}

QString IniFile::decode(QByteArrayView bytes) const
{
    return m_encoding == TextEncoding::Cp1252 ? decode1252(bytes) : QString::fromUtf8(bytes);
}

void IniFile::makeRoomFor(const QString &text)
{
    if (m_encoding != TextEncoding::Cp1252 || fits1252(text))
        return;
    for (Line &line : m_lines)
        line.text = decode1252(line.text).toUtf8();
    m_source.clear(); // no line points into the old bytes any more
    m_encoding = TextEncoding::Utf8Bom;
}

void IniFile::reindex()
{
    m_sections.clear();
    m_sectionIndex.clear();
    for (int i = 0; i < static_cast<int>(m_lines.size()); ++i) {
        const Line &line = m_lines[i];
        if (line.kind == Kind::Title) {
            if (!m_sections.empty())
                m_sections.back().endLine = i;
            Section section;
            section.titleLine = i;
            m_sections.push_back(section);
            const QString folded = line.name.toCaseFolded();
            if (!m_sectionIndex.contains(folded))
                m_sectionIndex.insert(folded, static_cast<int>(m_sections.size()) - 1);
        } else if (line.kind == Kind::Entry && !m_sections.empty()) {
            const QString key = line.name.toCaseFolded();
            if (!m_sections.back().keys.contains(key))
                m_sections.back().keys.insert(key, i);
        }
    }
    if (!m_sections.empty())
        m_sections.back().endLine = static_cast<int>(m_lines.size());
}

QByteArray IniFile::bytes() const
{
    const bool bom = m_encoding == TextEncoding::Utf8Bom;
    QByteArray out;
    qsizetype size = bom ? kBom.size() : 0;
    for (const Line &line : m_lines)
        size += line.text.size() + line.eol.size();
    out.reserve(size);
    if (bom)
        out.append(kBom);
    for (const Line &line : m_lines) {
        out.append(line.text);
        out.append(line.eol);
    }
    // Code-page bytes that happen to read as UTF-8 (or start like a UTF-16
    // mark) would come back as other text: such a file says what it is.
    if (m_encoding == TextEncoding::Cp1252 && detectEncoding(out) != TextEncoding::Cp1252)
        return kBom + decode1252(out).toUtf8();
    if (m_encoding == TextEncoding::Utf16Le || m_encoding == TextEncoding::Utf16Be) {
        QStringEncoder encoder(m_encoding == TextEncoding::Utf16Le ? QStringEncoder::Utf16LE
                                                                   : QStringEncoder::Utf16BE,
                               QStringEncoder::Flag::WriteBom);
        return encoder.encode(QString::fromUtf8(out));
    }
    return out;
}

const IniFile::Section *IniFile::findSection(const QString &section) const
{
    const auto it = m_sectionIndex.constFind(matchName(section));
    return it == m_sectionIndex.constEnd() ? nullptr : &m_sections[*it];
}

bool IniFile::hasSection(const QString &section) const
{
    return findSection(section) != nullptr;
}

bool IniFile::value(const QString &section, const QString &key, QString *value) const
{
    const Section *s = findSection(section);
    if (!s)
        return false;
    const auto it = s->keys.constFind(matchName(key));
    if (it == s->keys.constEnd())
        return false;
    QString v = cutAtNul(m_lines[*it].value);
    if (v.size() >= 2) {
        const QChar quote = v.front();
        if ((quote == QLatin1Char('"') || quote == QLatin1Char('\'')) && v.back() == quote)
            v = v.mid(1, v.size() - 2);
    }
    if (value)
        *value = v;
    return true;
}

QStringList IniFile::sectionLines(const QString &section) const
{
    QStringList lines;
    const Section *s = findSection(section);
    if (!s)
        return lines;
    for (int i = s->titleLine + 1; i < s->endLine; ++i) {
        const Line &line = m_lines[i];
        if (line.kind == Kind::Entry)
            lines.append(line.name + QLatin1Char('=') + line.value);
    }
    return lines;
}

void IniFile::setValue(const QString &section, const QString &key, const QString &value)
{
    QString clean = cutAtNul(value);
    clean.replace(QLatin1String("\r\n"), QLatin1String(" "));
    clean.replace(QLatin1Char('\r'), QLatin1Char(' '));
    clean.replace(QLatin1Char('\n'), QLatin1Char(' '));
    const QString keyName = trimmed(cutAtNul(key));
    makeRoomFor(section + keyName + clean);

    if (const Section *s = findSection(section)) {
        const auto it = s->keys.constFind(keyName.toCaseFolded());
        if (it != s->keys.constEnd()) {
            Line &line = m_lines[*it];
            line = makeLine(encode(line.name + QLatin1Char('=') + clean), line.eol);
            reindex();
            return;
        }
        int after = s->titleLine;
        for (int i = s->titleLine + 1; i < s->endLine; ++i) {
            if (m_lines[i].kind == Kind::Entry || m_lines[i].kind == Kind::Other)
                after = i;
        }
        if (m_lines[after].eol.isEmpty())
            m_lines[after].eol = kCrLf;
        m_lines.insert(m_lines.begin() + after + 1,
                       makeLine(encode(keyName + QLatin1Char('=') + clean), kCrLf));
        reindex();
        return;
    }

    if (!m_lines.empty() && m_lines.back().eol.isEmpty())
        m_lines.back().eol = kCrLf;
    const QString title = trimmed(cutAtNul(section));
    m_lines.push_back(makeLine(encode(QLatin1Char('[') + title + QLatin1Char(']')), kCrLf));
    m_lines.push_back(makeLine(encode(keyName + QLatin1Char('=') + clean), kCrLf));
    reindex();
}

bool IniFile::removeSection(const QString &section)
{
    const QString wanted = matchName(section);
    std::vector<Line> kept;
    kept.reserve(m_lines.size());
    bool removed = false;
    bool inside = false;
    for (Line &line : m_lines) {
        if (line.kind == Kind::Title) {
            inside = line.name.toCaseFolded() == wanted;
            removed = removed || inside;
        }
        if (!inside || line.kind == Kind::Comment)
            kept.push_back(std::move(line));
    }
    m_lines = std::move(kept);
    reindex();
    return removed;
}

QStringList IniFile::sequentialTitles(const QByteArray &bytes)
{
    QStringList titles;
    const QString text = decodeText(bytes);

    // Sequential input of comma-delimited fields: a field ends at a comma or
    // at the line end, a quoted field loses its quotes, and every field that
    // starts with "[" is a title once its first and last characters are gone.
    const qsizetype n = text.size();
    qsizetype pos = 0;
    auto isLineEnd = [&](qsizetype i) {
        return text[i] == QLatin1Char('\r') || text[i] == QLatin1Char('\n');
    };
    while (pos < n) {
        while (pos < n && (text[pos] == QLatin1Char(' ') || text[pos] == QLatin1Char('\t')))
            ++pos;
        QString field;
        if (pos < n && text[pos] == QLatin1Char('"')) {
            const qsizetype close = text.indexOf(QLatin1Char('"'), pos + 1);
            const qsizetype end = close < 0 ? n : close;
            field = text.mid(pos + 1, end - pos - 1);
            pos = end < n ? end + 1 : n;
            while (pos < n && text[pos] != QLatin1Char(',') && !isLineEnd(pos))
                ++pos;
        } else {
            const qsizetype start = pos;
            while (pos < n && text[pos] != QLatin1Char(',') && !isLineEnd(pos))
                ++pos;
            qsizetype end = pos;
            while (end > start &&
                   (text[end - 1] == QLatin1Char(' ') || text[end - 1] == QLatin1Char('\t')))
                --end;
            field = text.mid(start, end - start);
        }
        if (pos < n) {
            if (text[pos] == QLatin1Char(','))
                ++pos;
            else if (text[pos] == QLatin1Char('\r') && pos + 1 < n &&
                     text[pos + 1] == QLatin1Char('\n'))
                pos += 2;
            else
                ++pos;
        }
        if (field.startsWith(QLatin1Char('[')))
            titles.append(field.size() >= 2 ? field.mid(1, field.size() - 2) : QString());
    }
    return titles;
}

} // namespace vc
