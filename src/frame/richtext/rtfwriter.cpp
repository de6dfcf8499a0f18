#include "richtext/rtfwriter.h"

#include "print/pagesetup.h"
#include "richtext/pageparts.h"
#include "richtext/rtfreader.h"

#include <QHash>

#include <QBuffer>
#include <QColor>
#include <QImage>
#include <QImageReader>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QUrl>
#include <QVariant>

#include <array>
#include <cmath>
#include <memory>

namespace vc {

namespace {

constexpr double twipsPerPx = 15.0;
// No length a page can hold comes near this; larger ones are a broken
// document's and are written clamped, so that sums of them cannot overflow.
constexpr int maxTwips = 1440 * 200;
int tw(double px)
{
    const double t = px * twipsPerPx;
    return std::isfinite(t) ? int(std::lround(qBound(-double(maxTwips), t, double(maxTwips)))) : 0;
}

class Writer
{
public:
    explicit Writer(const QTextDocument *doc) : m_doc(doc), m_body(doc) {}
    QByteArray run();

private:
    void readParts();
    QByteArray parts();
    void collect(const QTextFrame *frame);
    void collectBlock(const QTextBlock &block);
    void frame(const QTextFrame *frame, bool inTable);
    void table(const QTextTable *table, int level);
    void cell(const QTextTableCell &cell, int level);
    void block(const QTextBlock &block, int level);
    void fragment(const QTextFragment &f);
    void picture(const QTextImageFormat &f);
    void text(const QString &s);
    int fontIndex(const QTextCharFormat &f);
    int colorIndex(const QColor &c);

    const QTextDocument *m_doc; // the body, or the header or footer being written
    const QTextDocument *m_body;
    PageParts m_pageParts;
    std::array<std::unique_ptr<QTextDocument>, PageParts::Count> m_parts;
    bool m_inPart = false;
    QStringList m_fonts;
    QHash<QString, int> m_fontIndex;
    QList<QColor> m_colors;
    QByteArray m_out;
};

int Writer::fontIndex(const QTextCharFormat &f)
{
    const QStringList families = f.fontFamilies().toStringList();
    QString name = families.isEmpty() ? QString() : families.first();
    if (f.hasProperty(RtfReader::FontNameProperty))
        name = f.stringProperty(RtfReader::FontNameProperty);
    const auto known = m_fontIndex.constFind(name);
    if (known != m_fontIndex.constEnd())
        return *known;
    m_fonts << name;
    m_fontIndex.insert(name, int(m_fonts.size()) - 1);
    return int(m_fonts.size()) - 1;
}

int Writer::colorIndex(const QColor &c)
{
    const QColor rgb = c.toRgb();
    for (int i = 0; i < m_colors.size(); ++i)
        if (m_colors[i].rgb() == rgb.rgb())
            return i + 1; // entry 0 is "auto"
    m_colors << rgb;
    return int(m_colors.size());
}

void Writer::collectBlock(const QTextBlock &b)
{
    for (auto it = b.begin(); !it.atEnd(); ++it) {
        const QTextCharFormat f = it.fragment().charFormat();
        fontIndex(f);
        if (f.hasProperty(QTextFormat::ForegroundBrush))
            colorIndex(f.foreground().color());
        if (f.hasProperty(QTextFormat::BackgroundBrush))
            colorIndex(f.background().color());
    }
}

void Writer::collect(const QTextFrame *frame)
{
    for (auto it = frame->begin(); !it.atEnd(); ++it) {
        if (it.currentFrame())
            collect(it.currentFrame());
        else
            collectBlock(it.currentBlock());
    }
    if (auto t = qobject_cast<const QTextTable *>(frame)) {
        for (int r = 0; r < t->rows(); ++r)
            for (int c = 0; c < t->columns(); ++c) {
                const QBrush bg = t->cellAt(r, c).format().background();
                if (bg.style() != Qt::NoBrush)
                    colorIndex(bg.color());
            }
    }
}

// Each header and footer is kept as a document of its own; written into this
// one, its fonts and colours join the body's tables.
void Writer::readParts()
{
    m_pageParts = PageParts::of(m_body);
    for (int i = 0; i < PageParts::Count; ++i) {
        if (m_pageParts.rtf[size_t(i)].isEmpty())
            continue;
        auto &part = m_parts[size_t(i)];
        part = std::make_unique<QTextDocument>();
        RtfReader::read(m_pageParts.rtf[size_t(i)], part.get());
        collect(part->rootFrame());
    }
}

QByteArray Writer::parts()
{
    const PageParts &p = m_pageParts;
    QByteArray out;
    if (p.titlePage)
        out += "\\titlepg";
    if (p.headerY != PageParts().headerY)
        out += "\\headery" + QByteArray::number(p.headerY);
    if (p.footerY != PageParts().footerY)
        out += "\\footery" + QByteArray::number(p.footerY);
    if (!out.isEmpty())
        out += '\n';
    static const char *const names[] = {"{\\header", "{\\footer", "{\\headerf", "{\\footerf"};
    m_inPart = true;
    for (int i = 0; i < PageParts::Count; ++i) {
        if (!m_parts[size_t(i)])
            continue;
        m_doc = m_parts[size_t(i)].get();
        m_out.clear();
        frame(m_doc->rootFrame(), false);
        // a closing mark gives the last paragraph its format; the reader drops the one it leaves
        if (!m_out.endsWith("\\par\n"))
            m_out += "\\par";
        out += names[i] + m_out + "}\n";
    }
    m_inPart = false;
    m_doc = m_body;
    return out;
}

QByteArray Writer::run()
{
    fontIndex(QTextCharFormat());
    collect(m_doc->rootFrame());
    readParts();
    const QByteArray section = parts();
    QByteArray body;
    m_out.clear();
    frame(m_doc->rootFrame(), false);
    body.swap(m_out);

    QByteArray head = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl";
    for (int i = 0; i < m_fonts.size(); ++i) {
        head += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset0 ";
        m_out.clear();
        text(m_fonts[i]);
        head += m_out + ";}";
    }
    head += "}\n{\\colortbl;";
    for (const QColor &c : m_colors)
        head += "\\red" + QByteArray::number(c.red()) + "\\green" + QByteArray::number(c.green()) +
                "\\blue" + QByteArray::number(c.blue()) + ';';
    head += "}\n";
    const PageSetup p = PageSetup::of(m_doc);
    if (p.declared) {
        head += "\\paperw" + QByteArray::number(p.paperWidth) + "\\paperh" +
                QByteArray::number(p.paperHeight) + "\\margl" + QByteArray::number(p.marginLeft) +
                "\\margr" + QByteArray::number(p.marginRight) + "\\margt" +
                QByteArray::number(p.marginTop) + "\\margb" + QByteArray::number(p.marginBottom);
        if (p.landscape)
            head += "\\landscape";
        head += '\n';
    }
    return head + section + body + "}\n";
}

void Writer::frame(const QTextFrame *f, bool inTable)
{
    bool needPar = false;
    for (auto it = f->begin(); !it.atEnd(); ++it) {
        if (QTextFrame *child = it.currentFrame()) {
            if (needPar)
                m_out += "\\par\n";
            if (auto t = qobject_cast<QTextTable *>(child))
                table(t, 1);
            else
                frame(child, inTable);
            needPar = false;
            continue;
        }
        const QTextBlock b = it.currentBlock();
        auto next = it;
        ++next;
        if (b.length() == 1 && !next.atEnd() && qobject_cast<QTextTable *>(next.currentFrame())) {
            // the empty paragraph a table stands on comes back with the table
            if (needPar)
                m_out += "\\par\n";
            needPar = false;
            continue;
        }
        if (needPar)
            m_out += "\\par\n";
        block(b, inTable ? 1 : 0);
        // a reader drops the empty paragraph a final \par leaves; give it one to drop
        if (next.atEnd() && needPar && b.length() == 1 && !inTable)
            m_out += "\\par\n";
        needPar = true;
    }
}

void Writer::table(const QTextTable *t, int level)
{
    const QTextTableFormat tf = t->format();
    const QList<QTextLength> widths = tf.columnWidthConstraints();
    const QTextTableCellFormat first = t->cellAt(0, 0).format().toTableCellFormat();
    const int gap = tw(first.hasProperty(QTextFormat::TableCellLeftPadding) ? first.leftPadding()
                                                                            : tf.cellPadding());
    for (int r = 0; r < t->rows(); ++r) {
        QByteArray def = "\\trowd\\trgaph" + QByteArray::number(gap);
        int right = 0;
        for (int c = 0; c < t->columns(); ++c) {
            const QTextTableCell cell = t->cellAt(r, c);
            const QTextTableCellFormat cf = cell.format().toTableCellFormat();
            if (cell.row() != r)
                def += "\\clvmrg";
            else if (cell.rowSpan() > 1)
                def += "\\clvmgf";
            if (cell.column() != c)
                def += "\\clmrg";
            else if (cell.columnSpan() > 1)
                def += "\\clmgf";
            const qreal sides[4] = {cf.topBorder(), cf.leftBorder(), cf.bottomBorder(),
                                    cf.rightBorder()};
            const char *names[4] = {"\\clbrdrt", "\\clbrdrl", "\\clbrdrb", "\\clbrdrr"};
            for (int s = 0; s < 4; ++s)
                if (const qreal width = sides[s] > 0 ? sides[s] : tf.border(); width > 0)
                    def += QByteArray(names[s]) + "\\brdrs\\brdrw" +
                           QByteArray::number(qMax(1, tw(width)));
            if (cf.background().style() != Qt::NoBrush)
                def += "\\clcbpat" + QByteArray::number(colorIndex(cf.background().color()));
            const QTextLength w = c < widths.size() ? widths[c] : QTextLength();
            const int width = w.type() == QTextLength::FixedLength ? tw(w.rawValue())
                              : w.type() == QTextLength::PercentageLength
                                  ? tw(9000.0 / twipsPerPx * w.rawValue() / 100)
                                  : 9000 / qMax(1, t->columns());
            right = qMin(maxTwips, right + qMax(0, width));
            def += "\\cellx" + QByteArray::number(right);
        }
        // a nested row is defined after its cells, in a group older readers skip
        if (level == 1)
            m_out += def + '\n';
        for (int c = 0; c < t->columns(); ++c) {
            const QTextTableCell cell = t->cellAt(r, c);
            if (cell.row() == r && cell.column() == c)
                this->cell(cell, level);
            else
                block(QTextBlock(), level);
            m_out += level == 1 ? "\\cell\n" : "\\nestcell\n";
        }
        if (level == 1)
            m_out += def + "\\row\n";
        else
            m_out += "{\\*\\nesttableprops" + def + "\\nestrow}{\\nonesttables\\par}\n";
    }
    if (level == 1)
        m_out += "\\pard\n";
}

void Writer::cell(const QTextTableCell &cell, int level)
{
    bool needPar = false, any = false;
    for (auto it = cell.begin(); !it.atEnd(); ++it) {
        if (auto *nested = qobject_cast<const QTextTable *>(it.currentFrame())) {
            if (needPar)
                m_out += "\\par\n";
            table(nested, level + 1);
            needPar = false;
            continue;
        }
        if (it.currentFrame())
            continue;
        const QTextBlock b = it.currentBlock();
        auto next = it;
        ++next;
        // the empty paragraph a nested table stands on comes back with it
        if (b.length() == 1 && !next.atEnd() && qobject_cast<QTextTable *>(next.currentFrame()))
            continue;
        if (needPar)
            m_out += "\\par\n";
        block(b, level);
        needPar = any = true;
    }
    if (!any)
        block(QTextBlock(), level);
}

void Writer::block(const QTextBlock &b, int level)
{
    m_out += "\\pard";
    if (level > 0)
        m_out += "\\intbl";
    if (level > 1)
        m_out += "\\itap" + QByteArray::number(level);
    if (!b.isValid())
        return;
    const QTextBlockFormat f = b.blockFormat();
    const Qt::Alignment a = f.alignment();
    if (a & Qt::AlignHCenter)
        m_out += "\\qc";
    else if (a & Qt::AlignRight)
        m_out += "\\qr";
    else if (a & Qt::AlignJustify)
        m_out += "\\qj";
    auto prop = [this](const char *word, double px) {
        if (px != 0)
            m_out += QByteArray(word) + QByteArray::number(tw(px));
    };
    prop("\\li", f.leftMargin());
    prop("\\ri", f.rightMargin());
    prop("\\fi", f.textIndent());
    prop("\\sb", f.topMargin());
    prop("\\sa", f.bottomMargin());
    if (f.lineHeightType() == QTextBlockFormat::ProportionalHeight)
        m_out += "\\sl" + QByteArray::number(int(f.lineHeight() * 240 / 100)) + "\\slmult1";
    else if (f.lineHeightType() == QTextBlockFormat::MinimumHeight)
        m_out += "\\sl" + QByteArray::number(tw(f.lineHeight())) + "\\slmult0";
    else if (f.lineHeightType() == QTextBlockFormat::FixedHeight)
        m_out += "\\sl-" + QByteArray::number(tw(f.lineHeight())) + "\\slmult0";
    for (const QTextOption::Tab &t : f.tabPositions()) {
        if (t.type == QTextOption::RightTab)
            m_out += "\\tqr";
        else if (t.type == QTextOption::CenterTab)
            m_out += "\\tqc";
        else if (t.type == QTextOption::DelimiterTab)
            m_out += "\\tqdec";
        m_out += "\\tx" + QByteArray::number(tw(t.position));
    }
    if (f.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
        m_out += "\\pagebb";
    m_out += ' ';
    for (auto it = b.begin(); !it.atEnd(); ++it)
        fragment(it.fragment());
}

void Writer::fragment(const QTextFragment &frag)
{
    const QTextCharFormat f = frag.charFormat();
    QByteArray props = "{\\plain\\f" + QByteArray::number(fontIndex(f));
    const double pt = f.hasProperty(QTextFormat::FontPointSize) ? f.fontPointSize()
                                                                : m_doc->defaultFont().pointSizeF();
    props += "\\fs" + QByteArray::number(qMax(2, int(std::lround(pt * 2))));
    if (f.fontWeight() >= QFont::DemiBold)
        props += "\\b";
    if (f.fontItalic())
        props += "\\i";
    if (f.fontUnderline())
        props += "\\ul";
    if (f.fontStrikeOut())
        props += "\\strike";
    if (f.verticalAlignment() == QTextCharFormat::AlignSuperScript)
        props += "\\super";
    else if (f.verticalAlignment() == QTextCharFormat::AlignSubScript)
        props += "\\sub";
    if (f.hasProperty(QTextFormat::ForegroundBrush))
        props += "\\cf" + QByteArray::number(colorIndex(f.foreground().color()));
    if (f.hasProperty(QTextFormat::BackgroundBrush))
        props += "\\highlight" + QByteArray::number(colorIndex(f.background().color()));
    m_out += props + ' ';
    if (f.isImageFormat()) {
        const QString s = frag.text();
        for (int i = 0; i < s.size(); ++i)
            picture(f.toImageFormat());
    } else {
        text(frag.text());
    }
    m_out += '}';
}

void Writer::picture(const QTextImageFormat &f)
{
    const QVariant v = m_doc->resource(QTextDocument::ImageResource, QUrl(f.name()));
    QByteArray data, kind = "pngblip";
    QSize size;
    if (v.userType() == QMetaType::QByteArray) {
        // PNG and JPEG pictures go out as they came in
        data = v.toByteArray();
        QBuffer buffer(&data);
        QImageReader reader(&buffer);
        const QByteArray format = reader.format();
        size = reader.size();
        if (format == "jpeg")
            kind = "jpegblip";
        else if (format != "png")
            data.clear();
    }
    if (data.isEmpty()) {
        QImage image = v.userType() == QMetaType::QByteArray ? QImage::fromData(v.toByteArray())
                                                             : v.value<QImage>();
        if (image.isNull()) {
            image = QImage(1, 1, QImage::Format_ARGB32);
            image.fill(Qt::transparent);
        }
        QBuffer buffer(&data);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        size = image.size();
    }
    const double w = f.width() > 0 ? f.width() : size.width();
    const double h = f.height() > 0 ? f.height() : size.height();
    m_out += "{\\pict\\" + kind + "\\picw" + QByteArray::number(size.width()) + "\\pich" +
             QByteArray::number(size.height()) + "\\picwgoal" + QByteArray::number(tw(w)) +
             "\\pichgoal" + QByteArray::number(tw(h)) + '\n';
    const QByteArray hex = data.toHex();
    for (qsizetype i = 0; i < hex.size(); i += 128)
        m_out += hex.mid(i, 128) + '\n';
    m_out += '}';
}

void Writer::text(const QString &s)
{
    for (QChar c : s) {
        const ushort u = c.unicode();
        // a header's page number and count are fields a word processor fills in
        if (m_inPart && (u == PageParts::pageNumberMark || u == PageParts::pageCountMark)) {
            m_out += u == PageParts::pageNumberMark
                         ? "{\\field{\\*\\fldinst PAGE}{\\fldrslt 1}}"
                         : "{\\field{\\*\\fldinst NUMPAGES}{\\fldrslt 1}}";
            continue;
        }
        switch (u) {
        case '\\':
            m_out += "\\\\";
            break;
        case '{':
            m_out += "\\{";
            break;
        case '}':
            m_out += "\\}";
            break;
        case '\t':
            m_out += "\\tab ";
            break;
        case 0x2028:
        case '\n':
            m_out += "\\line ";
            break;
        case 0x2029:
            m_out += "\\par ";
            break;
        case 0x00A0:
            m_out += "\\~";
            break;
        case 0xFFFC:
            break;
        default:
            if (u >= 0x20 && u < 0x80)
                m_out += char(u);
            else if (u >= 0x20)
                m_out += "\\u" + QByteArray::number(short(u)) + '?';
        }
    }
}

} // namespace

QByteArray RtfWriter::write(const QTextDocument *document)
{
    if (!document)
        return "{\\rtf1\\ansi }";
    return Writer(document).run();
}

} // namespace vc
