#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace vc {

// How an INI text file is encoded. Files from older installations are
// Windows-1252; editors today write UTF-8, often without a byte-order mark,
// and some UTF-16 with one.
enum class TextEncoding { Cp1252, Utf8, Utf8Bom, Utf16Le, Utf16Be };

// A byte-order mark decides; without one, text that is valid UTF-8 and holds
// a byte above 127 is UTF-8, anything else Windows-1252.
TextEncoding detectEncoding(QByteArrayView bytes);
// The length of the byte-order mark that encoding starts with (0 for none).
qsizetype byteOrderMarkSize(TextEncoding encoding);
// The file's text, byte-order mark removed.
QString decodeText(QByteArrayView bytes);

} // namespace vc
