#pragma once

#include "print/pagesetup.h"
#include "richtext/pageparts.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class QTextDocument;

namespace vc {

// What a read found and what it had to leave out. The reader never fails: it
// keeps everything it could understand and names the rest in `skipped`.
struct RtfReadReport
{
    QStringList skipped;    // one line per kind of thing left out
    int tables = 0;         // tables created
    int pictures = 0;       // pictures shown (PNG, JPEG, DIB)
    int emptyFrames = 0;    // metafiles and broken pictures, kept as empty frames of their size
    bool hadHeader = false; // started with {\rtf
    bool tooLong = false;   // reading stopped past maxTextLength characters
    PageSetup page;
    PageParts parts; // header and footer, printed on every page
};

// Reads rich text as word processors write it (Word, WordPad, LibreOffice,
// TextEdit, report generators) into a QTextDocument, replacing its content.
// Linear in the input, with no recursion, so deep nesting, broken braces,
// truncated files and large pictures cannot crash or stall it.
class RtfReader
{
public:
    // Character format property: the font name the document gave where an
    // installed font of its kind stands in for it.
    static constexpr int FontNameProperty = 0x100000 + 1; // QTextFormat::UserProperty + 1
    // Far beyond any report (a report of 5 000 pages has 18.7 million):
    // printing more would take minutes, so reading stops past it.
    static constexpr int maxTextLength = 19000000;
    static RtfReadReport read(const QByteArray &rtf, QTextDocument *document);
    // Why the bytes are no rich text, in one line; empty when they are. Rich
    // text starts with "{\rtf" after optional blanks; a body fragment that
    // starts with a group and a control word, as some writers put out without
    // the header, is read too.
    static QString refusal(const QByteArray &data);
    // Sets *ok to false (and leaves the document alone) when the file cannot
    // be read or is no rich text; the report's first skipped line says why.
    static RtfReadReport readFile(const QString &path, QTextDocument *document, bool *ok = nullptr);
};

} // namespace vc
