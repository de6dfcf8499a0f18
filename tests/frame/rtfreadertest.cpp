// The RTF reader against documents written by real word processors and
// against small hand-written documents whose content is known exactly; what
// it reads writes as rich text and reads back as the user saw it.
#include "richtext/rtfreader.h"
#include "datarows.h"
#include "richtext/rtfwriter.h"
#include "testsupport.h"

#include <QDir>
#include <QSet>
#include <QUrl>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextFrame>
#include <QTextTable>

using vc::RtfReader;
using vc::RtfReadReport;
using vc::test::addRows;
using vc::test::readTable;

namespace {

// A document of the shared corpus, or one of ours beside the tables.
QString corpus(const QString &name)
{
    const QString own = vc::test::testData(name);
    return QFile::exists(own) ? own : vc::test::sharedDir() + QStringLiteral("/corpus/rtf/") + name;
}

QString normalised(QString s)
{
    s.replace(QChar(0x2028), QLatin1Char(' '));
    return s.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
}

QList<QTextTable *> tables(QTextDocument &doc)
{
    QList<QTextTable *> list;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        if (QTextTable *t = QTextCursor(b).currentTable(); t && !list.contains(t))
            list << t;
    return list;
}

// Reads a hand-written document and returns its plain text.
QString textOf(const QByteArray &rtf, QTextDocument *doc = nullptr)
{
    QTextDocument local;
    QTextDocument *d = doc ? doc : &local;
    RtfReader::read(rtf, d);
    return d->toPlainText();
}

// What the user sees of a document, one aspect a line: its text, how many of
// its characters are bold, italic, superscript and pictures, its fonts and
// colours, its tables' sizes and its paragraphs' alignments.
QStringList summary(QTextDocument &doc)
{
    int bold = 0, italic = 0, super = 0, images = 0;
    QSet<QString> fonts, colours;
    QStringList sizes, alignments;
    for (QTextTable *t : tables(doc))
        sizes << QStringLiteral("%1x%2").arg(t->rows()).arg(t->columns());
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        alignments << QString::number(int(b.blockFormat().alignment() & Qt::AlignHorizontal_Mask));
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat cf = it.fragment().charFormat();
            const int n = int(it.fragment().length());
            images += cf.isImageFormat() ? n : 0;
            bold += cf.fontWeight() >= QFont::DemiBold ? n : 0;
            italic += cf.fontItalic() ? n : 0;
            super += cf.verticalAlignment() == QTextCharFormat::AlignSuperScript ? n : 0;
            fonts << cf.fontFamilies().toStringList().value(0);
            if (cf.hasProperty(QTextFormat::ForegroundBrush))
                colours << cf.foreground().color().name(QColor::HexArgb);
        }
    }
    QStringList fontList = fonts.values(), colourList = colours.values();
    fontList.sort();
    colourList.sort();
    return {doc.toPlainText(),
            QStringLiteral("%1 %2 %3 %4").arg(bold).arg(italic).arg(super).arg(images),
            fontList.join(u','),
            colourList.join(u','),
            sizes.join(u' '),
            alignments.join(u' ')};
}

} // namespace

class RtfReaderTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void corpusFile_data() { addRows(QStringLiteral("rtfcorpus.tsv")); }
    void corpusFile();
    void everyCorpusFileIsListed();
    void textRead_data() { addRows(QStringLiteral("rtftext.tsv")); }
    void textRead();
    void formats_data() { addRows(QStringLiteral("rtfformats.tsv")); }
    void formats();
    void tableStructure();
    void pageSetup();
    void badInput_data();
    void badInput();
    void skippedPartsAreNamed();
    void fiftyMegabytes();
    void refusal_data() { addRows(QStringLiteral("rtfrefusal.tsv")); }
    void refusal();
    void picturesAndEscapesWrittenBack();
};

void RtfReaderTest::corpusFile()
{
    const QString file = QString::fromUtf8(QTest::currentDataTag());
    QFETCH(QString, sentences);
    QFETCH(int, minTables);
    QFETCH(int, minPictures);
    QFETCH(int, minFrames);
    QTextDocument doc;
    bool ok = false;
    const RtfReadReport report = RtfReader::readFile(corpus(file), &doc, &ok);
    QVERIFY2(ok, qPrintable(corpus(file)));
    QString shown = doc.toPlainText(); // the body, and the header and footer of its pages
    for (const QByteArray &part : report.parts.rtf)
        shown += QLatin1Char('\n') + textOf(part);
    const QString text = normalised(shown);
    for (const QString &s : sentences.split(u'|'))
        QVERIFY2(text.contains(normalised(s)), qPrintable(QStringLiteral("missing \"%1\"").arg(s)));
    QVERIFY(report.tables >= minTables);
    QCOMPARE(tables(doc).size() >= minTables, true);
    QVERIFY2(report.pictures >= minPictures, qPrintable(QString::number(report.pictures)));
    QVERIFY2(report.emptyFrames >= minFrames, qPrintable(QString::number(report.emptyFrames)));
    // no stray control words or hex in the text
    QVERIFY2(!text.contains(QLatin1String("\\par")) && !text.contains(QLatin1String("\\f0")), qPrintable(text.left(200)));
    // written and read again, the document keeps what the user sees
    const QByteArray written = vc::RtfWriter::write(&doc);
    QVERIFY(written.startsWith("{\\rtf1"));
    QTextDocument second;
    RtfReader::read(written, &second);
    QCOMPARE(summary(second), summary(doc));
    QCOMPARE(vc::PageSetup::of(&second).paperWidth, vc::PageSetup::of(&doc).paperWidth);
    QVERIFY(vc::PageParts::of(&second) == report.parts);
}

// Every corpus file is in the table above, so each is checked for its text.
void RtfReaderTest::everyCorpusFileIsListed()
{
    QStringList listed;
    for (const auto &r : readTable(QStringLiteral("rtfcorpus.tsv"), 5))
        if (!QFile::exists(vc::test::testData(QString::fromUtf8(r[0]))))
            listed << QString::fromUtf8(r[0]);
    listed.removeFirst(); // the columns' names
    QCOMPARE(QDir(vc::test::sharedDir() + QStringLiteral("/corpus/rtf")).entryList({QStringLiteral("*.rtf")}, QDir::Files, QDir::Name), listed);
}

// Text as it reads: code pages, Unicode escapes, special characters and what
// is no text (destinations, fields, hidden text, pictures).
void RtfReaderTest::textRead()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, expected);
    QCOMPARE(textOf(rtf), expected);
}

// Character and paragraph formats as read, one aspect of one word per row.
void RtfReaderTest::formats()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, word);
    QFETCH(QString, what);
    QFETCH(QString, expected);
    QTextDocument doc;
    textOf(rtf, &doc);
    const QTextCursor c = doc.find(word);
    QVERIFY(!c.isNull());
    const QTextCharFormat f = c.charFormat();
    const QTextBlockFormat b = c.blockFormat();
    QStringList got;
    if (what == QLatin1String("font")) {
        got << f.fontFamilies().toStringList().value(0) << QString::number(f.fontPointSize());
    } else if (what == QLatin1String("style")) {
        const bool on[] = {f.fontWeight() >= QFont::DemiBold, f.fontItalic(), f.fontUnderline(), f.fontStrikeOut(),
                           f.verticalAlignment() == QTextCharFormat::AlignSuperScript, f.verticalAlignment() == QTextCharFormat::AlignSubScript};
        const char *names[] = {"bold", "italic", "underline", "strike", "super", "sub"};
        for (int i = 0; i < 6; ++i)
            if (on[i])
                got << QLatin1String(names[i]);
    } else if (what == QLatin1String("colours")) {
        got << (f.hasProperty(QTextFormat::ForegroundBrush) ? f.foreground().color().name() : QStringLiteral("default"))
            << (f.hasProperty(QTextFormat::BackgroundBrush) ? f.background().color().name() : QStringLiteral("none"));
    } else if (what == QLatin1String("tabs")) {
        for (const QTextOption::Tab &t : b.tabPositions())
            got << QString::number(t.position) + (t.type == QTextOption::RightTab ? QLatin1String(" right") : QLatin1String(" left"));
        got = QStringList{got.join(QLatin1String(", "))};
    } else {
        const Qt::Alignment a = b.alignment() & Qt::AlignHorizontal_Mask;
        got << (a == Qt::AlignHCenter ? "centre" : a == Qt::AlignRight ? "right" : a == Qt::AlignJustify ? "justify" : "left");
        for (double v : {b.leftMargin(), b.rightMargin(), b.textIndent(), b.topMargin(), b.bottomMargin()})
            got << QString::number(v);
        if (b.lineHeightType() == QTextBlockFormat::ProportionalHeight)
            got << QString::number(b.lineHeight());
        if (b.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
            got << QStringLiteral("page");
    }
    QCOMPARE(got.join(QLatin1Char(' ')), expected);
}

void RtfReaderTest::tableStructure()
{
    QTextDocument doc;
    const RtfReadReport r = RtfReader::read(
        "{\\rtf1 before\\par"
        "\\trowd\\trgaph108\\clbrdrt\\brdrs\\brdrw10\\clbrdrb\\brdrs\\cellx1440\\cellx4320"
        "\\pard\\intbl A1\\cell A2\\par second\\cell\\row"
        "\\trowd\\cellx1440\\cellx4320\\pard\\intbl B1\\cell B2\\cell\\row"
        "\\pard after\\par}",
        &doc);
    const QList<QTextTable *> list = tables(doc);
    QCOMPARE(QList<int>({r.tables, int(list.size())}), QList<int>({1, 1}));
    QTextTable *t = list.first();
    QCOMPARE(QList<int>({t->rows(), t->columns()}), QList<int>({2, 2}));
    auto cellText = [t](int row, int col) {
        QTextCursor c = t->cellAt(row, col).firstCursorPosition();
        c.setPosition(t->cellAt(row, col).lastCursorPosition().position(), QTextCursor::KeepAnchor);
        return c.selection().toPlainText();
    };
    QCOMPARE(QStringList({cellText(0, 0), cellText(0, 1), cellText(1, 1)}),
             QStringList({"A1", "A2\nsecond", "B2"}));
    const QList<QTextLength> widths = t->format().columnWidthConstraints();
    QCOMPARE(QList<double>({widths.value(0).rawValue(), widths.value(1).rawValue()}),
             QList<double>({96.0, 192.0}));
    QCOMPARE(widths.size(), 2);
    const QTextTableCellFormat cf = t->cellAt(0, 0).format().toTableCellFormat();
    QVERIFY(cf.topBorder() > 0 && cf.bottomBorder() > 0 && cf.leftBorder() == 0.0);
    QVERIFY(doc.toPlainText().startsWith(QLatin1String("before")) &&
            doc.toPlainText().endsWith(QLatin1String("after")));
    QVERIFY(!QTextCursor(doc.lastBlock()).currentTable());
    // cells merged across and down
    RtfReader::read(
        "{\\rtf1\\trowd\\clmgf\\cellx1000\\clmrg\\cellx2000\\clvmgf\\cellx3000"
        "\\pard\\intbl wide\\cell\\cell tall\\cell\\row"
        "\\trowd\\cellx1000\\cellx2000\\clvmrg\\cellx3000\\pard\\intbl a\\cell b\\cell\\cell\\row}",
        &doc);
    t = tables(doc).value(0);
    QVERIFY(t);
    QCOMPARE(QList<int>({t->cellAt(0, 0).columnSpan(), t->cellAt(0, 2).rowSpan(),
                         t->cellAt(1, 1).columnSpan()}),
             QList<int>({2, 2, 1}));
}

void RtfReaderTest::pageSetup()
{
    QTextDocument doc;
    const RtfReadReport r = RtfReader::read("{\\rtf1\\paperw11900\\paperh16840\\margl1000\\margr1100\\margt800\\margb900 x}", &doc);
    QVERIFY(r.page.declared);
    QCOMPARE(QList<int>({r.page.paperWidth, r.page.paperHeight, r.page.marginLeft,
                         r.page.marginRight, r.page.marginTop, r.page.marginBottom}),
             QList<int>({11900, 16840, 1000, 1100, 800, 900}));
    QCOMPARE(vc::PageSetup::of(&doc).marginRight, 1100); // kept with the document
    QTextDocument landscape;
    QVERIFY(RtfReader::read("{\\rtf1\\landscape\\paperw15840\\paperh12240 x}", &landscape).page.landscape);
    // none named: letter with margins of an inch, as word processors take it
    const vc::PageSetup plain = RtfReader::read("{\\rtf1 x}", &doc).page;
    QCOMPARE(QList<int>({plain.paperWidth, plain.paperHeight, plain.marginLeft, plain.marginBottom}), QList<int>({12240, 15840, 1440, 1440}));
    // headers and footers go on the pages, their page numbers stand as marks
    const vc::PageParts parts = RtfReader::read("{\\rtf1\\titlepg\\headery500{\\header\\pard Page \\chpgn  of {\\field{\\*\\fldinst NUMPAGES}"
                                                "{\\fldrslt 9}}\\par}{\\headerf First}{\\footerl left}{\\footer Foot}Body}", &doc).parts;
    QCOMPARE(doc.toPlainText(), QStringLiteral("Body"));
    QVERIFY(parts.titlePage);
    QCOMPARE(parts.headerY, 500);
    QCOMPARE(QStringList({textOf(parts.rtf[vc::PageParts::Header]),
                          textOf(parts.rtf[vc::PageParts::FirstHeader]),
                          textOf(parts.rtf[vc::PageParts::Footer])}),
             QStringList({QStringLiteral("Page \uE000 of \uE001"), "First", "Foot"}));
}

void RtfReaderTest::badInput_data()
{
    addRows(QStringLiteral("rtfbadinput.tsv"));
    QByteArray deep = "{\\rtf1 start";
    deep += QByteArray(100000, '{') + "deep" + QByteArray(100000, '}') + " end}";
    QTest::newRow("nesting 100 000 deep") << deep << QStringLiteral("deep");
}

void RtfReaderTest::badInput()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, keeps);
    QTextDocument doc, again;
    const RtfReadReport r = RtfReader::read(rtf, &doc);
    QVERIFY(doc.toPlainText().contains(keeps));
    QVERIFY(r.page.paperWidth <= 1440 * 200 && r.page.marginLeft <= 1440 * 200);
    RtfReader::read(vc::RtfWriter::write(&doc), &again);
    QCOMPARE(normalised(again.toPlainText()).trimmed(), normalised(doc.toPlainText()).trimmed());
}

void RtfReaderTest::skippedPartsAreNamed()
{
    QTextDocument doc;
    RtfReadReport r = RtfReader::read(
        "{\\rtf1 kept{\\pict\\emfblip\\picw100\\pich100 0100}"
        "{\\pict\\jpegblip\\picwgoal100\\pichgoal100 ffd8ff00}{\\pict\\pngblip\\bin99 ab",
        &doc);
    QVERIFY(doc.toPlainText().startsWith(QLatin1String("kept")));
    QCOMPARE(r.emptyFrames, 2);
    const QString all = r.skipped.join(u'|');
    QVERIFY2(all.contains(QLatin1String("emf")) && all.contains(QLatin1String("broken jpeg")) &&
                 all.contains(QLatin1String("\\bin")),
             qPrintable(all));
    QVERIFY(r.hadHeader);
    // A run of letters longer than any control word is dropped, not shown as
    // one endless word; paper under an inch is no paper size.
    r = RtfReader::read(
        "{\\rtf1\\paperw700\\paperh700 \\" + QByteArray(1000000, 'x') + "7 after\\par}", &doc);
    QCOMPARE(doc.toPlainText(), QStringLiteral("after"));
    QCOMPARE(r.page.paperWidth, 12240); // letter, as where no paper is named
    QVERIFY(r.skipped.join(u'|').contains(QLatin1String("32 letters")));
}

// A 50 MB document (one huge broken picture between two paragraphs) reads in linear time.
void RtfReaderTest::fiftyMegabytes()
{
    QByteArray rtf;
    rtf.reserve(50 * 1024 * 1024 + 100);
    rtf += "{\\rtf1 before\\par{\\pict\\pngblip\\picwgoal1440\\pichgoal1440 ";
    rtf += QByteArray(50 * 1024 * 1024, 'a');
    rtf += "}\\par after}";
    QTextDocument doc;
    const RtfReadReport r = RtfReader::read(rtf, &doc);
    QVERIFY(doc.toPlainText().startsWith(QLatin1String("before")) &&
            doc.toPlainText().endsWith(QLatin1String("after")));
    QCOMPARE(r.emptyFrames, 1);
    // text past what any report holds: reading stops there, and says so
    const QByteArray words = QByteArray("word ").repeated(RtfReader::maxTextLength / 5 + 2);
    const RtfReadReport tooLong = RtfReader::read("{\\rtf1 " + words + "\\par after}", &doc);
    QVERIFY(tooLong.tooLong && !r.tooLong);
    QCOMPARE(doc.toPlainText().size(), RtfReader::maxTextLength + 1);
}

void RtfReaderTest::refusal()
{
    QFETCH(QByteArray, data);
    QFETCH(bool, read);
    const QString why = RtfReader::refusal(data);
    QCOMPARE(why.isEmpty(), read);
    QVERIFY(!why.contains(QLatin1Char('\n')));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("x.rtf"));
    QVERIFY(vc::test::writeFile(path, data));
    QTextDocument doc;
    doc.setPlainText(QStringLiteral("kept"));
    bool ok = !read;
    const RtfReadReport r = RtfReader::readFile(path, &doc, &ok);
    QCOMPARE(ok, read);
    if (!read) {
        QCOMPARE(doc.toPlainText(), QStringLiteral("kept"));
        QCOMPARE(r.skipped.value(0), why);
    }
}

void RtfReaderTest::picturesAndEscapesWrittenBack()
{
    QImage image(8, 4, QImage::Format_RGB32);
    image.fill(QColor(10, 200, 30));
    QTextDocument doc;
    doc.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("img://a")), image);
    QTextImageFormat f;
    f.setName(QStringLiteral("img://a"));
    f.setWidth(80);
    f.setHeight(40);
    QTextCursor c(&doc);
    c.insertText(QStringLiteral("x"));
    c.insertImage(f);
    QTextDocument back;
    const vc::RtfReadReport r = RtfReader::read(vc::RtfWriter::write(&doc), &back);
    QCOMPARE(r.pictures, 1);
    QTextBlock b = back.begin();
    QTextImageFormat g;
    for (auto it = b.begin(); !it.atEnd(); ++it)
        if (it.fragment().charFormat().isImageFormat())
            g = it.fragment().charFormat().toImageFormat();
    QCOMPARE(QSizeF(g.width(), g.height()), QSizeF(80, 40));
    const QVariant stored = back.resource(QTextDocument::ImageResource, QUrl(g.name()));
    const QImage read = stored.userType() == QMetaType::QImage ? stored.value<QImage>() : QImage::fromData(stored.toByteArray());
    QCOMPARE(read.size(), QSize(8, 4));
    QCOMPARE(read.pixelColor(3, 2), QColor(10, 200, 30));
    // characters the syntax uses, and ones beyond the code page
    QTextDocument plain, plainBack;
    plain.setPlainText(QStringLiteral("{a}\\b\tc ł 日 \U0001F600"));
    RtfReader::read(vc::RtfWriter::write(&plain), &plainBack);
    QCOMPARE(plainBack.toPlainText(), plain.toPlainText());
}

QTEST_MAIN(RtfReaderTest)
#include "rtfreadertest.moc"
