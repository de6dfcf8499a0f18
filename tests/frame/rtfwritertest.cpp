// Writing a document as rich text and reading it back keeps what the user sees.
#include "richtext/rtfreader.h"
#include "richtext/rtfwriter.h"
#include "testsupport.h"

#include <QDir>
#include <QSet>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

using vc::RtfReader;
using vc::RtfWriter;

namespace {

struct Summary
{
    QString text;
    int boldChars = 0, italicChars = 0, superChars = 0, images = 0;
    QSet<QString> fonts;
    QSet<QRgb> colours;
    QList<QPair<int, int>> tables;
    QList<int> alignments;
};

Summary summarise(QTextDocument &doc)
{
    Summary s;
    s.text = doc.toPlainText();
    QList<QTextTable *> seen;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        if (QTextTable *t = QTextCursor(b).currentTable(); t && !seen.contains(t)) {
            seen << t;
            s.tables << qMakePair(t->rows(), t->columns());
        }
        s.alignments << int(b.blockFormat().alignment() & Qt::AlignHorizontal_Mask);
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            const QTextCharFormat cf = f.charFormat();
            const int n = int(f.length());
            if (cf.isImageFormat())
                s.images += n;
            if (cf.fontWeight() >= QFont::DemiBold)
                s.boldChars += n;
            if (cf.fontItalic())
                s.italicChars += n;
            if (cf.verticalAlignment() == QTextCharFormat::AlignSuperScript)
                s.superChars += n;
            s.fonts << cf.fontFamilies().toStringList().value(0);
            if (cf.hasProperty(QTextFormat::ForegroundBrush))
                s.colours << cf.foreground().color().rgb();
        }
    }
    return s;
}

} // namespace

class RtfWriterTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void roundTrip_data();
    void roundTrip();
    void picturesSurvive();
    void escapes();
};

void RtfWriterTest::roundTrip_data()
{
    QTest::addColumn<QString>("path");
    const QString dir = vc::test::sharedDir() + QStringLiteral("/corpus/rtf");
    for (const QString &f : QDir(dir).entryList({QStringLiteral("*.rtf")}, QDir::Files))
        QTest::newRow(qPrintable(f)) << dir + QLatin1Char('/') + f;
}

void RtfWriterTest::roundTrip()
{
    QFETCH(QString, path);
    QTextDocument first;
    bool ok = false;
    RtfReader::readFile(path, &first, &ok);
    QVERIFY(ok);
    const QByteArray written = RtfWriter::write(&first);
    QVERIFY(written.startsWith("{\\rtf1"));
    QTextDocument second;
    RtfReader::read(written, &second);
    const Summary a = summarise(first), b = summarise(second);
    QCOMPARE(b.text, a.text);
    QCOMPARE(b.boldChars, a.boldChars);
    QCOMPARE(b.italicChars, a.italicChars);
    QCOMPARE(b.superChars, a.superChars);
    QCOMPARE(b.images, a.images);
    QCOMPARE(b.fonts, a.fonts);
    QCOMPARE(b.colours, a.colours);
    QCOMPARE(b.tables, a.tables);
    QCOMPARE(b.alignments, a.alignments);
    QCOMPARE(vc::PageSetup::of(&second).paperWidth, vc::PageSetup::of(&first).paperWidth);
}

void RtfWriterTest::picturesSurvive()
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
    const vc::RtfReadReport r = RtfReader::read(RtfWriter::write(&doc), &back);
    QCOMPARE(r.pictures, 1);
    QTextBlock b = back.begin();
    QTextImageFormat g;
    for (auto it = b.begin(); !it.atEnd(); ++it)
        if (it.fragment().charFormat().isImageFormat())
            g = it.fragment().charFormat().toImageFormat();
    QCOMPARE(g.width(), 80.0);
    QCOMPARE(g.height(), 40.0);
    const QVariant stored = back.resource(QTextDocument::ImageResource, QUrl(g.name()));
    const QImage read = stored.userType() == QMetaType::QImage ? stored.value<QImage>() : QImage::fromData(stored.toByteArray());
    QCOMPARE(read.size(), QSize(8, 4));
    QCOMPARE(read.pixelColor(3, 2), QColor(10, 200, 30));
}

void RtfWriterTest::escapes()
{
    QTextDocument doc;
    doc.setPlainText(QStringLiteral("{a}\\b\tc ł 日 \U0001F600"));
    QTextDocument back;
    RtfReader::read(RtfWriter::write(&doc), &back);
    QCOMPARE(back.toPlainText(), doc.toPlainText());
}

QTEST_MAIN(RtfWriterTest)
#include "rtfwritertest.moc"
