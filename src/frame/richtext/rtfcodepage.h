#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringDecoder>

#include <array>

namespace vc::rtf {

// The characters of one code page's upper half, as \'hh escapes and 8-bit
// text name them; double-byte code pages decode pairs.
class CodePage
{
public:
    explicit CodePage(int number) : m_number(number)
    {
        for (int b = 0; b < 128; ++b)
            m_high[b] = QChar(0xFFFD);
        if (isDoubleByte())
            return;
        QStringDecoder decoder(encodingName(number).constData());
        for (int b = 0x80; b < 0x100; ++b) {
            if (!decoder.isValid()) {
                m_high[b - 0x80] = QChar(b); // Latin-1 when the system lacks the table
                continue;
            }
            const char c = char(b);
            const QString s = decoder(QByteArrayView(&c, 1));
            decoder.resetState();
            m_high[b - 0x80] = s.size() == 1 ? s.at(0) : QChar(0xFFFD);
        }
        if (number == 42) { // symbol fonts: the glyphs callers expect in bullets
            m_high[0xB7 - 0x80] = QChar(0x2022);
            m_high[0xA7 - 0x80] = QChar(0x25AA);
            m_high[0xD8 - 0x80] = QChar(0x27A2);
            m_high[0xFC - 0x80] = QChar(0x2714);
        }
    }

    bool isDoubleByte() const
    {
        return m_number == 932 || m_number == 936 || m_number == 949 || m_number == 950;
    }
    bool isLeadByte(uchar b) const { return isDoubleByte() && b >= 0x81 && b <= 0xFE; }
    QChar high(uchar b) const { return m_high[b - 0x80]; }
    QString decodePair(uchar lead, uchar trail) const
    {
        QStringDecoder decoder(encodingName(m_number).constData());
        const char bytes[2] = {char(lead), char(trail)};
        return decoder.isValid() ? decoder(QByteArrayView(bytes, 2)) : QString(QChar(0xFFFD));
    }

    static QByteArray encodingName(int number)
    {
        switch (number) {
        case 437:
            return "IBM437";
        case 850:
            return "IBM850";
        case 852:
            return "IBM852";
        case 866:
            return "IBM866";
        case 874:
            return "windows-874";
        case 932:
            return "Shift_JIS";
        case 936:
            return "GBK";
        case 949:
            return "windows-949";
        case 950:
            return "Big5";
        case 10000:
            return "macintosh";
        case 42:
            return "windows-1252";
        default:
            return "windows-" + QByteArray::number(number);
        }
    }

private:
    int m_number;
    std::array<QChar, 128> m_high{};
};

// The code page of a font's \fcharset; ansi where the charset names none.
int codePageOfCharset(int charset, int ansi);

} // namespace vc::rtf
