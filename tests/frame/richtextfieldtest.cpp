// The rich text field's operations as the report, tender and preview windows use them.
#include "richtext/richtextfield.h"
#include "datarows.h"
#include "form/platformservices.h"
#include "richtext/richtextpager.h"
#include "richtext/rtfreader.h"
#include "rtfgenerator.h"
#include "testsupport.h"

#include <QImage>
#include <QRegularExpression>
#include <QPainter>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextTable>

#include <vector>

using vc::RichTextField;

namespace {

QByteArray rtfOfLines(const QStringList &lines)
{
    QByteArray rtf = "{\\rtf1\\ansi ";
    for (int i = 0; i < lines.size(); ++i) {
        if (i)
            rtf += "\\par ";
        for (QChar c : lines[i])
            rtf += c.unicode() < 128 ? QByteArray(1, char(c.unicode()))
                                     : "\\u" + QByteArray::number(c.unicode()) + '?';
    }
    return rtf + '}';
}

// The format of the character at a position of a one-paragraph document,
// where field and document positions agree.
QTextCharFormat formatAt(RichTextField &f, int fieldPos)
{
    QTextCursor c(f.document());
    c.setPosition(fieldPos + 1);
    return c.charFormat();
}

} // namespace

class RichTextFieldTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void find_data() { vc::test::addRows(QStringLiteral("findword.tsv")); }
    void find();
    void replaceKeepsFormat();
    void replaceEveryToken();
    void textLengthCountsEnds();
    void selectClamps();
    void plainAndRichText();
    void copyPutsThreeFormats();
    void loadFile();
    void pagingCoversEveryCharacterOnce_data() { vc::test::addRows("pagedfiles.tsv"); }
    void pagingCoversEveryCharacterOnce();
    void pageBreakStartsNewPage();
    void cellCutInPiecesFillsPages();
    void partsMeetAsOnePiece_data();
    void partsMeetAsOnePiece();
    void readAheadMakesTheSamePages_data();
    void readAheadMakesTheSamePages();
    void renderDrawsIntoRectangle();
};

void RichTextFieldTest::find()
{
    QFETCH(QString, text);
    QFETCH(QString, what);
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(int, options);
    QFETCH(int, expected);
    RichTextField f;
    f.setRichText(rtfOfLines(text.split(QLatin1Char('\r'))));
    QCOMPARE(f.text(), text);
    QCOMPARE(f.find(what, start, end, options), expected);
}

void RichTextFieldTest::replaceKeepsFormat()
{
    RichTextField f;
    f.setRichText(
        "{\\rtf1{\\colortbl;\\red200\\green0\\blue0;}Client: {\\b\\cf1\\fs28 #####1} end}");
    const int pos = f.find(QStringLiteral("#####1"), 0, -1, RichTextField::WholeWord);
    QCOMPARE(pos, 8);
    f.select(pos, 6);
    QCOMPARE(f.selectedText(), QStringLiteral("#####1"));
    f.replaceSelection(QStringLiteral("ACME Ltd "));
    QCOMPARE(f.text(), QStringLiteral("Client: ACME Ltd  end"));
    const QTextCharFormat inserted = formatAt(f, 9);
    QCOMPARE(QVariantList({inserted.fontWeight(), inserted.foreground().color(),
                           inserted.fontPointSize(), f.selectionStart(), f.selectionLength()}),
             QVariantList({int(QFont::Bold), QColor(200, 0, 0), 14.0, 17, 0}));
    QVERIFY(formatAt(f, 18).fontWeight() < QFont::DemiBold); // " end" keeps its own
}

// Each step replaces the first occurrence still present, as filling a template does.
void RichTextFieldTest::replaceEveryToken()
{
    RichTextField f;
    f.setRichText("{\\rtf1 {\\i ##51} a\\par\\trowd\\cellx2000\\cellx4000\\pard\\intbl ##51\\cell "
                  "{\\b ##52}\\cell\\row\\pard ##51 ##510}");
    const QString before = f.text();
    for (const QString &token : {QStringLiteral("##51"), QStringLiteral("##51"),
                                 QStringLiteral("##52"), QStringLiteral("##51")}) {
        const int pos = f.find(token, 0, -1, RichTextField::WholeWord);
        QVERIFY2(pos >= 0, qPrintable(token));
        f.select(pos, int(token.size()));
        f.replaceSelection(QStringLiteral("m3/h "));
        // positions stay consistent with a fresh count after every edit
        RichTextField copy;
        copy.setRichText(f.richText());
        QCOMPARE(copy.text(), f.text());
    }
    QVERIFY(!f.text().contains(QRegularExpression(QStringLiteral("##5[12](?!0)"))) &&
            f.text().contains(QLatin1String("##510")));
    QCOMPARE(f.text().size(), before.size() + 4 * 1);
    QVERIFY(f.document()->find(QStringLiteral("m3/h")).charFormat().fontItalic());
}

void RichTextFieldTest::textLengthCountsEnds()
{
    RichTextField f;
    f.setRichText("{\\rtf1 ab\\par cde\\par}");
    QCOMPARE(f.text() + QString::number(f.textLength()), QStringLiteral("ab\rcde6"));
    f.setRichText(
        "{\\rtf1 x\\par\\trowd\\cellx1000\\cellx2000\\pard\\intbl A\\cell BC\\cell\\row\\pard y}");
    const QString t = f.text();
    QCOMPARE(f.textLength(), int(t.size()));
    const int a = int(t.indexOf(QLatin1Char('A')));
    QCOMPARE(t.mid(a, 5) + t.right(2), QStringLiteral("A\rBC\r\ry")); // a cell end is one character
    f.setPlainText(QString());
    QCOMPARE(f.textLength(), 0);
}

void RichTextFieldTest::selectClamps()
{
    RichTextField f;
    f.setPlainText(QStringLiteral("hello"));
    f.select(3, 100);
    QCOMPARE(QList<int>({f.selectionStart(), f.selectionLength()}), QList<int>({3, 2}));
    f.select(-4, 2);
    QCOMPARE(f.selectedText(), QStringLiteral("he"));
}

void RichTextFieldTest::plainAndRichText()
{
    RichTextField a, b;
    a.setRichText("{\\rtf1\\paperw12240\\margl800{\\b bold} x\\par\\trowd\\cellx1000\\pard\\intbl "
                  "c\\cell\\row\\pard y}");
    b.setRichText(a.richText());
    QCOMPARE(b.text(), a.text());
    QVERIFY(QTextCursor(b.document()->findBlockByNumber(2)).currentTable());
    QCOMPARE(vc::PageSetup::of(b.document()).marginLeft, 800);
    b.setPlainText(QStringLiteral("File X not found"));
    QCOMPARE(b.text() + QString::number(b.document()->blockCount()), "File X not found1");
}

void RichTextFieldTest::copyPutsThreeFormats()
{
    vc::MemoryClipboard clipboard;
    vc::Services::setClipboard(&clipboard);
    RichTextField f;
    f.setRichText("{\\rtf1 plain {\\b strong} words\\par next}");
    f.select(6, 6);
    f.copy();
    QCOMPARE(clipboard.text(), QStringLiteral("strong"));
    QVERIFY(clipboard.rtf().contains("\\b") && clipboard.html().contains("font-weight"));
    f.select(0, f.textLength());
    f.copy();
    QCOMPARE(clipboard.text(), QStringLiteral("plain strong words\nnext"));
    RichTextField pasted;
    pasted.setRichText(clipboard.rtf());
    QCOMPARE(pasted.text(), f.text());
    vc::Services::setClipboard(nullptr);
}

void RichTextFieldTest::loadFile()
{
    RichTextField f;
    QVERIFY(f.loadFile(vc::test::sharedDir() +
                       QStringLiteral("/corpus/rtf/wordpad-msftedit-czech.rtf")));
    QVERIFY(f.text().contains(QStringLiteral("Článek týdne")));
    const QString before = f.text();
    QVERIFY(!f.loadFile(QStringLiteral("/nonexistent/file.rtf")));
    QCOMPARE(f.text(), before); // a failed load keeps the content
}

void RichTextFieldTest::pagingCoversEveryCharacterOnce()
{
    QFETCH(QString, file);
    QFETCH(int, minPages);
    QFETCH(int, maxPages);
    RichTextField f;
    QVERIFY(f.loadFile(vc::test::sharedDir() + QStringLiteral("/corpus/rtf/") + file));
    // A4 at 600 dpi, 800 twips margins as the preview uses them
    f.setTargetDevice(600, 600, 11906 - 800 - 1100);
    const QRectF rect(800, 800, 11906 - 800 - 1100, 16838 - 1600);
    const int length = f.textLength();
    int pos = 0, pages = 0;
    QString joined;
    while (pos < length) {
        const int next = f.formatRange(nullptr, rect, pos, -1, false);
        QVERIFY2(next > pos, qPrintable(QStringLiteral("no progress at %1").arg(pos)));
        joined += f.text().mid(pos, next - pos);
        pos = next;
        QVERIFY(++pages <= maxPages);
    }
    QCOMPARE(pos, length);
    QCOMPARE(joined, f.text());
    QVERIFY2(pages >= minPages, qPrintable(QString::number(pages)));
    f.clearFormatCache();
    QCOMPARE(f.formatRange(nullptr, rect, 0, -1, false) > 0, true);
}

void RichTextFieldTest::pageBreakStartsNewPage()
{
    RichTextField f;
    f.setRichText("{\\rtf1 first page\\page second page}");
    f.setTargetDevice(300, 300, 9000);
    const int next = f.formatRange(nullptr, QRectF(0, 0, 9000, 14000), 0, -1, false);
    QCOMPARE(f.text().mid(next), QStringLiteral("second page"));
}

// A cell too long to lay out whole is copied in pieces; the pieces are one
// row, and every page they run over is as full as a plain paragraph's page.
void RichTextFieldTest::cellCutInPiecesFillsPages()
{
    QByteArray words;
    for (int i = 0; words.size() < 90000; ++i)
        words += "word" + QByteArray::number(i) + (i % 7 ? " " : " alpha ");
    const QByteArray head = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\\fs20 ";
    const QRectF rect(0, 0, 9638, 14000);
    auto pageLengths = [&](const QByteArray &rtf) {
        RichTextField f;
        f.setRichText(rtf);
        f.setTargetDevice(600, 600, int(rect.width()));
        std::vector<int> lengths;
        for (int pos = 0; pos < f.textLength() && lengths.size() < 100;) {
            const int next = f.formatRange(nullptr, rect, pos, -1, false);
            lengths.push_back(next - pos);
            pos = next;
        }
        return lengths;
    };
    const std::vector<int> plain = pageLengths(head + "\\pard " + words + "\\par}");
    const std::vector<int> cell =
        pageLengths(head + "\\trowd\\trgaph0\\cellx9638\\pard\\intbl " + words + "\\cell\\row}");
    QVERIFY(plain.size() > 5);
    QCOMPARE(cell.size(), plain.size());
    for (size_t i = 0; i + 1 < cell.size(); ++i)
        QVERIFY2(cell[i] >= plain[i] * 97 / 100,
                 qPrintable(QStringLiteral("page %1: %2 characters, %3 as a paragraph")
                                .arg(i + 1)
                                .arg(cell[i])
                                .arg(plain[i])));
}

// A long document is laid out a part at a time; where one part ends and the
// next begins, rows and paragraphs must meet as they would in one piece: a
// run of equal rows or paragraphs keeps one pitch from the first to the last.
void RichTextFieldTest::partsMeetAsOnePiece_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<bool>("rows"); // else one-line paragraphs
    vc::test::RtfTableSpec spec;
    spec.rows = 400;
    QTest::newRow("table rows") << vc::test::rtfTableDocument(spec) << true;
    const QByteArray line = "Air flow 2037 m3/h, steam 17.5 kg/h, humidifier VS-2.";
    for (const char *spacing : {"\\sb60\\sa120", "\\sl-320", "\\sl360\\slmult1"}) {
        QByteArray rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\\fs20 ";
        for (int i = 0; i < 400; ++i)
            rtf += "\\pard" + QByteArray(spacing) + ' ' + line + "\\par\n";
        QTest::newRow(spacing) << rtf + '}' << false;
    }
}

void RichTextFieldTest::partsMeetAsOnePiece()
{
    QFETCH(QByteArray, rtf);
    QFETCH(bool, rows);
    QTextDocument doc;
    vc::RtfReader::read(rtf, &doc);
    const std::vector<int> starts = vc::test::blockStarts(doc);
    vc::RichTextPager pager(doc, starts, 600, 600, 9638 * 600 / 1440.0);
    std::vector<double> tops; // of each row or one-line paragraph
    int row = -1;
    for (size_t i = 0; const vc::RichTextPager::Slice *s = pager.slice(i); ++i)
        if (rows ? s->row >= 0 && s->row != row : s->row < 0) {
            tops.push_back(s->top);
            row = s->row;
        }
    QCOMPARE(int(tops.size()), 400);
    const double pitch = tops[2] - tops[1];
    for (size_t i = 2; i + 1 < tops.size(); ++i)
        QVERIFY2(qAbs(tops[i + 1] - tops[i] - pitch) < 0.05,
                 qPrintable(QStringLiteral("%1 starts %2 pixels after %3, not %4")
                                .arg(i + 1)
                                .arg(tops[i + 1] - tops[i])
                                .arg(i)
                                .arg(pitch)));
}

// A print run makes parts on two threads, each laying out some of them and
// the caller drawing them all: its pages are those made on one thread.
void RichTextFieldTest::readAheadMakesTheSamePages_data()
{
    QTest::addColumn<QByteArray>("rtf");
    vc::test::RtfTableSpec spec;
    spec.rows = 600;
    spec.mergeEvery = 7;
    QTest::newRow("long table, merged cells") << vc::test::rtfTableDocument(spec);
    QTest::newRow("report with a long table") << vc::test::rtfLongTableReport(600);
    QTest::newRow("long report") << vc::test::rtfLongDocument(12);
    // one paragraph of many parts: where it is cut takes a layout
    QByteArray one = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\\fs20 ";
    for (int i = 0; i < 3000; ++i)
        one += "steam " + QByteArray::number(i) + ' ';
    QTest::newRow("one long paragraph") << one + "\\par}";
}

void RichTextFieldTest::readAheadMakesTheSamePages()
{
    // documents handed between the threads leave Qt nothing to complain about
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
    QFETCH(QByteArray, rtf);
    QTextDocument doc;
    vc::RtfReader::read(rtf, &doc);
    const std::vector<int> starts = vc::test::blockStarts(doc);
    const double width = 9638 * 150 / 1440.0;
    vc::RichTextPager alone(doc, starts, 150, 150, width), ahead(doc, starts, 150, 150, width);
    ahead.setReadAhead(true);
    size_t count = 0;
    for (; const vc::RichTextPager::Slice *a = alone.slice(count); ++count) {
        const vc::RichTextPager::Slice *b = ahead.slice(count);
        QVERIFY(b);
        QCOMPARE(QList<double>({double(b->start), b->top, b->bottom, double(b->row)}),
                 QList<double>({double(a->start), a->top, a->bottom, double(a->row)}));
    }
    QVERIFY(!ahead.slice(count));
    QVERIFY(count > 100);
    // pages of a slice each tenth of the way, drawn in order as a print run draws them
    for (size_t from = 0; from + 10 < count; from += count / 10) {
        QImage pages[2];
        vc::RichTextPager *pagers[2] = {&alone, &ahead};
        for (int i = 0; i < 2; ++i) {
            pages[i] = QImage(int(width) + 1, 1600, QImage::Format_RGB32);
            pages[i].fill(Qt::white);
            QPainter p(&pages[i]);
            pagers[i]->draw(&p, from, from + 10);
        }
        QVERIFY2(pages[0] == pages[1], qPrintable(QStringLiteral("slices %1 on").arg(from)));
    }
}

void RichTextFieldTest::renderDrawsIntoRectangle()
{
    RichTextField f;
    QByteArray rtf = "{\\rtf1\\fs48 ";
    for (int i = 0; i < 60; ++i)
        rtf += "Line " + QByteArray::number(i) + "\\par ";
    f.setRichText(rtf + "}");
    QImage page(850, 1100, QImage::Format_RGB32); // 100 dpi
    page.setDotsPerMeterX(3937);
    page.setDotsPerMeterY(3937);
    page.fill(Qt::white);
    f.setTargetDevice(&page, 7200);
    QPainter painter(&page);
    const QRectF rect(1440, 1440, 7200, 7200); // 1 inch margin, 5 inches high
    const int next = f.formatRange(&painter, rect, 0);
    painter.end();
    QVERIFY(next > 0 && next < f.textLength());
    QVERIFY(f.text().mid(next).startsWith(QLatin1String("Line ")));
    int inside = 0, outside = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (page.pixel(x, y) != qRgb(255, 255, 255))
                (QRect(100, 100, 501, 501).contains(x, y) ? inside : outside)++;
    QVERIFY(inside > 1000);
    QCOMPARE(outside, 0);
}

QTEST_MAIN(RichTextFieldTest)
#include "richtextfieldtest.moc"
