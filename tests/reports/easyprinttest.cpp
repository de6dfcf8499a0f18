// The print layout engine on the "PDF file" printer and the CUPS test queue:
// where the text and shapes land is read back from the PDF with poppler.
#include "easyprint.h"
#include "datarows.h"
#include "form/control.h"
#include "form/platformservices.h"
#include "print/printer.h"
#include "readback.h"
#include "testsupport.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using vc::EasyPrint;
using vc::Printer;

namespace {

constexpr double ptPerMm = 72 / 25.4;

// The printed words with their boxes, in millimetres from the paper corner.
QList<vc::test::PdfWord> words(const QString &pdf)
{
    QList<vc::test::PdfWord> list = vc::test::pdfWords(pdf);
    for (vc::test::PdfWord &w : list)
        w.box = QRectF(w.box.topLeft() / ptPerMm, w.box.size() / ptPerMm);
    return list;
}

QRectF find(const QList<vc::test::PdfWord> &list, const QString &text)
{
    for (const vc::test::PdfWord &w : list)
        if (w.text == text)
            return w.box;
    return QRectF(-1, -1, 0, 0);
}

} // namespace

class EasyPrintTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        vc::test::useTestCups();
        m_messages.clear();
        vc::Services::setMessages(&m_messages);
        Printer::setCurrent(vc::PrinterList::pdfFileName());
        Printer::setPdfOutputPath(m_dir.filePath(QStringLiteral("easyprint.pdf")));
    }

    void cleanup() { vc::Services::setMessages(nullptr); }

    void linesAtCarriageReturns_data() { vc::test::addRows(QStringLiteral("linebreaks.tsv")); }

    void linesAtCarriageReturns()
    {
        QFETCH(QString, text);
        QFETCH(int, returns);
        QFETCH(QStringList, lines);
        QCOMPARE(EasyPrint::countReturns(text), returns);
        for (int i = 0; i < lines.size(); ++i)
            QCOMPARE(EasyPrint::lineOf(text, i), lines.at(i));
    }

    void propertyRules()
    {
        EasyPrint ep;
        const float unset = ep.spaziaturaLinea();
        ep.setSpaziaturaLinea(-3);
        ep.setFontSize(10.6f);
        QCOMPARE(QList<float>({unset, ep.spaziaturaLinea(), float(ep.fontSize())}),
                 QList<float>({0, 1, 11}));
        ep.setFontName(QStringLiteral("Liberation Sans"));
        ep.setFontName(QString()); // rejected, previous name stays
        QCOMPARE(ep.fontName(), QStringLiteral("Liberation Sans"));
        // the file printer has no border: A4 as it is
        QVERIFY(qAbs(ep.pageWidth() - 210) < 0.5 && qAbs(ep.pageHeight() - 297) < 0.5);
        QVERIFY(ep.fontCount() > 0 && !ep.fonts(0).isEmpty());
        QVERIFY(m_messages.shown().empty());
    }

    void textLandsInMillimetres()
    {
        EasyPrint ep;
        ep.setFontName(QStringLiteral("Liberation Sans"));
        ep.setFontSize(12);
        const float h = ep.textHeight(QStringLiteral("Kx"));
        ep.setSpaziaturaLinea(1);
        ep.printLeft(20, 30, QStringLiteral("Leftward"), 5);
        ep.printRight(190, 50, QStringLiteral("Rightward"));
        ep.printCentre(105, 70, QStringLiteral("Centred"));
        ep.printLeft(20, 90, QStringLiteral("Upper\r\n  Lower"), 0);
        ep.printRight(190, 120, QStringLiteral("XXXXXXXXXXXXXXXXXXXXXXXXXXXXXX"), 0, 20);
        ep.printLeft(-1, 140, QStringLiteral("First"));
        ep.printLeft(20, 150, QStringLiteral("Start"));
        ep.setCurrentX(60);
        ep.setCurrentY(150);
        ep.printLeft(-1, -1, QStringLiteral("Continued"));
        QVERIFY(ep.endDoc());

        const QList<vc::test::PdfWord> w = words(Printer::pdfOutputPath());
        const double tol = 0.6;
        QVERIFY(qAbs(find(w, QStringLiteral("Leftward")).left() - 25) < tol);    // X + indent
        QVERIFY(qAbs(find(w, QStringLiteral("Rightward")).right() - 190) < tol); // right end at X
        QVERIFY(qAbs(find(w, QStringLiteral("Centred")).center().x() - 105) < tol);
        const QRectF upper = find(w, QStringLiteral("Upper")),
                     lower = find(w, QStringLiteral("Lower"));
        QVERIFY(qAbs(upper.left() - 20) < tol && qAbs(lower.left() - 20) < tol);
        QVERIFY2(qAbs((lower.top() - upper.top()) - (h + 1)) < 0.3,
                 qPrintable(QString::number(lower.top() - upper.top())));
        QVERIFY(qAbs(upper.top() - 90) < 1.5); // line top at Y
        for (const vc::test::PdfWord &x : w)
            if (x.text.startsWith(QLatin1Char('X')))
                QVERIFY(x.box.width() <= 20.3 && qAbs(x.box.right() - 190) < tol);
        QVERIFY(qAbs(find(w, QStringLiteral("Continued")).left() - 60) < tol);
        QVERIFY(find(w, QStringLiteral("First")).left() >= 0); // X -1 kept the position
    }

    void shapeRadiusShortened()
    {
        EasyPrint ep;
        float radius = 8;
        ep.printShape(20, 40, 20, 10, radius);
        const QPointF afterRounded(ep.currentX(), ep.currentY());
        float square = 0;
        ep.printShape(60, 40, 30, 15, square);
        QCOMPARE(QList<float>({radius, square}), QList<float>({5, 0}));
        QCOMPARE(QList<QPointF>({afterRounded, QPointF(ep.currentX(), ep.currentY())}),
                 QList<QPointF>({QPointF(40, 50), QPointF(90, 55)}));
        QVERIFY(ep.endDoc() && QFile::exists(Printer::pdfOutputPath()));
    }

    void correctionOnPrinterWithBorder()
    {
        QVERIFY2(Printer::setCurrent(vc::test::testQueue()),
                 "the CUPS test queue is missing; run scripts/cups-start.sh");
        Printer &p = Printer::current();
        const double expected =
            p.deviceCaps(Printer::PhysicalOffsetX) * -25.4 / p.deviceCaps(Printer::LogPixelsX);
        EasyPrint ep;
        QVERIFY(qAbs(ep.leftCorrection() - expected) < 1e-3);
        QVERIFY2(ep.leftCorrection() < 0, "the test queue should have an unprintable border");
        QVERIFY(qAbs(ep.pageWidth() - 210) < 0.5); // printable width plus both borders
        ep.setCurrentX(20);
        QVERIFY(qAbs(p.currentX() - (20 + ep.leftCorrection())) < 1e-3);
        ep.killDoc();
        Printer::restorePrevious();
    }

    void failingPrinterKeepsProgram()
    {
        Printer::setPdfOutputPath(QStringLiteral("/nonexistent-folder/out.pdf"));
        EasyPrint ep;
        ep.printLeft(20, 20, QStringLiteral("lost"));
        float r = 2;
        ep.printShape(10, 10, 5, 5, r);
        ep.printCentre(50, 50, QStringLiteral("also lost"));
        QVERIFY(ep.failed());
        QCOMPARE(int(m_messages.shown().size()), 1); // once per job
        const auto &shown = m_messages.shown().front();
        QVERIFY(shown.title == "EasyPrint" && shown.icon == vc::MessageService::Icon::Critical);
        static const QRegularExpression text(
            QStringLiteral("^Errore nella routine di stampa\nErrore numero: "
                           "[^\n]*\n[^\n]*/nonexistent-folder/out.pdf[^\n]*$"));
        QVERIFY2(text.match(shown.text).hasMatch(), qPrintable(shown.text));
        QVERIFY(!ep.endDoc() && !ep.failed()); // the next job may try again
        QVERIFY(!QFile::exists(QStringLiteral("/nonexistent-folder/out.pdf")));
    }

    void pictureOfAControl_data() { vc::test::addRows(QStringLiteral("controlpictures.tsv")); }

    void pictureOfAControl()
    {
        QFETCH(QString, picture);
        QFETCH(int, images);
        QFETCH(int, messages);
        vc::Control image(QStringLiteral("Image1"), vc::Control::Kind::Image);
        image.setPicture(picture.isEmpty() ? picture : vc::test::dataDir() + '/' + picture);
        EasyPrint ep;
        ep.printLeft(20, 20, QStringLiteral("Picture:"));
        ep.printPicture(20, 30, image, 40, 0);
        QCOMPARE(int(m_messages.shown().size()), messages);
        QCOMPARE(ep.endDoc(), messages == 0);
        if (messages)
            return;
        const QStringList lines = vc::test::run(QStringLiteral("pdfimages"),
                                                {QStringLiteral("-list"), Printer::pdfOutputPath()})
                                      .trimmed()
                                      .split(QLatin1Char('\n'));
        QCOMPARE(lines.size() - 2, images); // two header lines
    }

private:
    vc::ScriptedMessages m_messages;
    QTemporaryDir m_dir;
};

QTEST_MAIN(EasyPrintTest)
#include "easyprinttest.moc"
