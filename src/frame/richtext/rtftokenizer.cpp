#include "richtext/rtfparser.h"

// Splits the input into groups, control words, control symbols and text.
namespace vc::rtf {

void Parser::plainBytes()
{
    const qsizetype n = m_in.size();
    const qsizetype start = m_pos;
    while (m_pos < n) {
        const char c = m_in.at(m_pos);
        if (c == '\\' || c == '{' || c == '}')
            break;
        ++m_pos;
    }
    const Dest dest = m_state.dest;
    if (dest == Dest::Skip)
        return;
    if (dest == Dest::Picture) {
        for (qsizetype i = start; i < m_pos; ++i) {
            const char c = m_in.at(i);
            int v;
            if (c >= '0' && c <= '9')
                v = c - '0';
            else if (c >= 'a' && c <= 'f')
                v = c - 'a' + 10;
            else if (c >= 'A' && c <= 'F')
                v = c - 'A' + 10;
            else {
                if (c != ' ' && c != '\r' && c != '\n' && c != '\t')
                    m_pict.badHex = true;
                continue;
            }
            if (m_pict.nibble < 0)
                m_pict.nibble = v;
            else {
                m_pict.data.append(char(m_pict.nibble << 4 | v));
                m_pict.nibble = -1;
            }
        }
        return;
    }
    if (dest == Dest::FontTable) {
        for (qsizetype i = start; i < m_pos; ++i) {
            const char c = m_in.at(i);
            if (c == ';') {
                if (m_fontEntry >= 0)
                    addFont();
                m_fontName.clear();
            } else if (c != '\r' && c != '\n') {
                m_fontName.append(c);
            }
        }
        return;
    }
    if (dest == Dest::FieldInstruction) {
        if (m_fieldInstruction.size() < 256)
            m_fieldInstruction.append(m_in.constData() + start,
                                      qMin(m_pos - start, qsizetype(256)));
        return;
    }
    if (dest == Dest::ColorTable) {
        for (qsizetype i = start; i < m_pos; ++i) {
            if (m_in.at(i) == ';') {
                if (m_red < 0 && m_green < 0 && m_blue < 0)
                    m_colors.emplace_back(); // "auto"
                else
                    m_colors.emplace_back(qBound(0, m_red, 255), qBound(0, m_green, 255),
                                          qBound(0, m_blue, 255));
                m_red = m_green = m_blue = -1;
            }
        }
        return;
    }
    const qsizetype end = m_pos;
    for (qsizetype i = start; i < end && !m_report.tooLong; ++i) {
        const uchar b = uchar(m_in.at(i));
        if (b == '\r' || b == '\n')
            continue;
        if (consumeSkip())
            continue;
        addByte(b);
    }
}

bool Parser::consumeSkip()
{
    if (m_skipChars > 0) {
        --m_skipChars;
        return true;
    }
    return false;
}

void Parser::controlSymbol(char c)
{
    if (m_state.dest == Dest::Skip && c != '*')
        return;
    switch (c) {
    case '*':
        m_starred = true;
        return;
    case '\'': {
        int value = -1;
        if (m_pos + 1 < m_in.size() + 0) {
            bool ok = false;
            value = m_in.mid(m_pos, 2).toInt(&ok, 16);
            if (!ok)
                value = -1;
        }
        m_pos = qMin(m_pos + 2, m_in.size());
        if (value < 0) {
            skipped(QStringLiteral("a broken \\' escape"));
            return;
        }
        if (m_state.dest == Dest::FontTable) {
            m_fontName.append(char(value));
            return;
        }
        if (consumeSkip())
            return;
        addByte(uchar(value));
        return;
    }
    case '\\':
    case '{':
    case '}':
        if (m_state.dest == Dest::FontTable) {
            m_fontName.append(c);
            return;
        }
        if (consumeSkip())
            return;
        addChar(QChar(c));
        return;
    case '\r':
    case '\n':
        if (consumeSkip())
            return;
        endParagraph(); // TextEdit ends lines with a backslash and a line break
        return;
    case '~':
        if (!consumeSkip())
            addChar(QChar(0x00A0));
        return;
    case '_':
        // a non-breaking hyphen is shown, copied and found as the hyphen it looks like
        if (!consumeSkip())
            addChar(QLatin1Char('-'));
        return;
    case '-':
        consumeSkip();
        return; // optional hyphen
    case '\t':
        if (!consumeSkip())
            addChar(QChar('\t'));
        return;
    default:
        consumeSkip();
        return;
    }
}

void Parser::controlWord()
{
    const qsizetype n = m_in.size();
    const qsizetype start = m_pos;
    while (m_pos < n) {
        const char c = m_in.at(m_pos);
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')))
            break;
        ++m_pos;
    }
    // Control words have at most 32 letters; a longer run is no word anyone
    // knows, and shown as text it would be one endless word to lay out.
    const bool tooLong = m_pos - start > 32;
    const QByteArrayView w(m_in.constData() + start, tooLong ? 0 : m_pos - start);
    bool hasParam = false;
    bool negative = false;
    long long param = 0;
    if (m_pos < n && m_in.at(m_pos) == '-' && m_pos + 1 < n && m_in.at(m_pos + 1) >= '0' &&
        m_in.at(m_pos + 1) <= '9') {
        negative = true;
        ++m_pos;
    }
    int digits = 0;
    while (m_pos < n && m_in.at(m_pos) >= '0' && m_in.at(m_pos) <= '9') {
        if (digits < 10)
            param = param * 10 + (m_in.at(m_pos) - '0');
        ++digits;
        hasParam = true;
        ++m_pos;
    }
    if (m_pos < n && m_in.at(m_pos) == ' ')
        ++m_pos;
    param = qBound<long long>(-2147483647LL, negative ? -param : param, 2147483647LL);
    if (tooLong) {
        skipped(QStringLiteral("control words longer than 32 letters"));
        return;
    }

    const WordInfo &k = lookUpWord(w);
    const Word id = k.id;
    if (id == Word::bin) {
        // raw bytes: never read past the end of the input
        const qsizetype len = qBound<qsizetype>(0, qsizetype(param), n - m_pos);
        if (len < param)
            skipped(QStringLiteral("a \\bin block longer than the file"));
        if (m_state.dest == Dest::Picture)
            m_pict.data.append(m_in.constData() + m_pos, len);
        m_pos += len;
        if (m_skipChars > 0)
            --m_skipChars;
        return;
    }
    const bool starred = m_starred;
    m_starred = false;
    if (m_state.dest == Dest::Skip)
        return;
    if (m_state.dest == Dest::FieldInstruction)
        return;
    if (id == Word::fldrslt && m_state.pageField) {
        m_state.dest = Dest::Skip; // the number the writer saw is stale
        return;
    }
    if (m_state.dest == Dest::Shape) {
        // Only a shape's picture and its text box are shown; its properties are not.
        if (id == Word::pict) {
            destination(w, k);
            m_shapePicture = true;
        } else if (id == Word::shptxt) {
            m_state.dest = Dest::Normal;
        }
        return;
    }
    if (id == Word::shpinst) {
        m_state.dest = Dest::Shape;
        return;
    }
    if (id == Word::shp) {
        m_shapePicture = false;
    } else if (id == Word::shprslt && m_shapePicture) {
        m_state.dest = Dest::Skip; // the same picture again, for older readers
        return;
    }
    const Dest before = m_state.dest;
    destination(w, k);
    if (m_state.dest != before || id == Word::pict || id == Word::footnote || id == Word::fonttbl ||
        id == Word::colortbl)
        return;
    if (starred && !k.kept) {
        // an optional destination this reader does not know
        m_state.dest = Dest::Skip;
        return;
    }
    word(w, k, hasParam, int(param));
}

} // namespace vc::rtf
