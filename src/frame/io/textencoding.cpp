#include "io/textencoding.h"

#include "io/codepage1252.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace vc {

namespace {

bool hasHighByte(QByteArrayView bytes)
{
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return true;
    }
    return false;
}

bool validUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString ignored = decoder.decode(bytes);
    return !decoder.hasError();
}

// A byte-order mark alone does not make UTF-16: the rest must read and write
// back to the same bytes, or a damaged file would lose bytes when saved.
bool exactUtf16(QByteArrayView body, QStringConverter::Encoding encoding)
{
    if (body.size() % 2)
        return false;
    QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(body);
    if (decoder.hasError())
        return false;
    QStringEncoder encoder(encoding, QStringEncoder::Flag::Stateless);
    const QByteArray back = encoder.encode(text);
    // The reader holds UTF-16 text as UTF-8, which has no room for lone surrogates.
    return !encoder.hasError() && QByteArrayView(back) == body &&
           QString::fromUtf8(text.toUtf8()) == text;
}

} // namespace

TextEncoding detectEncoding(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return TextEncoding::Utf8Bom;
    if (bytes.startsWith("\xFF\xFE") && exactUtf16(bytes.sliced(2), QStringConverter::Utf16LE))
        return TextEncoding::Utf16Le;
    if (bytes.startsWith("\xFE\xFF") && exactUtf16(bytes.sliced(2), QStringConverter::Utf16BE))
        return TextEncoding::Utf16Be;
    return hasHighByte(bytes) && validUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::Cp1252;
}

qsizetype byteOrderMarkSize(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8Bom:
        return 3;
    case TextEncoding::Utf16Le:
    case TextEncoding::Utf16Be:
        return 2;
    default:
        return 0;
    }
}

QString decodeText(QByteArrayView bytes)
{
    const TextEncoding encoding = detectEncoding(bytes);
    const QByteArrayView body = bytes.sliced(byteOrderMarkSize(encoding));
    switch (encoding) {
    case TextEncoding::Cp1252:
        return decode1252(body);
    case TextEncoding::Utf16Le:
        return QStringDecoder(QStringDecoder::Utf16LE).decode(body);
    case TextEncoding::Utf16Be:
        return QStringDecoder(QStringDecoder::Utf16BE).decode(body);
    default:
        return QString::fromUtf8(body);
    }
}

} // namespace vc
