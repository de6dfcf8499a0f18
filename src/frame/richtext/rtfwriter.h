#pragma once

#include <QByteArray>

class QTextDocument;

namespace vc {

// Writes a QTextDocument as rich text that RtfReader (and word processors)
// read back with the same text, fonts, colours, paragraph layout, tables and
// pictures. Pictures are written as PNG.
class RtfWriter
{
public:
    static QByteArray write(const QTextDocument *document);
};

} // namespace vc
