// The basket print-out on the CUPS test queue (scripts/cups-start.sh), read
// back as PDF text: 40 lines run on to a second page under the header again.
#include "basketprint.h"
#include "easyprint.h"
#include "print/printer.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>
#include <QtTest>

using namespace vc;

class BasketPrintTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void fortyLinesOnTwoPages();
};

namespace {

QString run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The job file CUPS keeps of the next job; empty after a minute.
QString nextJob(const QString &spool, const QStringList &before)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 60000) {
        for (const QString &name :
             QDir(spool).entryList({QStringLiteral("d*-001")}, QDir::Files, QDir::Time)) {
            const QString path = spool + QLatin1Char('/') + name;
            if (before.contains(name) || QFileInfo(path).size() == 0)
                continue;
            QThread::msleep(300);
            return path;
        }
        QThread::msleep(200);
    }
    return {};
}

} // namespace

void BasketPrintTest::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("CUPS_SERVER"))
        qputenv("CUPS_SERVER", "127.0.0.1:8631");
}

void BasketPrintTest::fortyLinesOnTwoPages()
{
    const QByteArray dir = qgetenv("VC_CUPS_DIR");
    const QString spool =
        (dir.isEmpty() ? QStringLiteral("/tmp/vc-cups") : QString::fromLocal8Bit(dir)) +
        QStringLiteral("/spool");
    const QStringList before = QDir(spool).entryList({QStringLiteral("d*-001")}, QDir::Files);
    std::vector<BasketRow> rows;
    for (int i = 1; i <= 40; ++i)
        rows.push_back({QString::number(i % 4 + 1),
                        QStringLiteral("43%1").arg(i, 5, 10, QLatin1Char('0')),
                        QStringLiteral("Article line %1 of the offer").arg(i)});
    QVERIFY2(Printer::setCurrent(QStringLiteral("VeltrannPDF")),
             "the CUPS test queue is missing; run scripts/cups-start.sh");
    EasyPrint out;
    QVERIFY(BasketPrint::print(out, {"Qty", "Article no.", "Description", "Remarks"}, rows));
    QCOMPARE(BasketPrint::rowsPerPage(297), 23);

    const QString job = nextJob(spool, before);
    QVERIFY2(!job.isEmpty(), "CUPS kept no job file");
    const QRegularExpressionMatch pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                                              .match(run(QStringLiteral("pdfinfo"), {job}));
    QCOMPARE(pages.captured(1), QStringLiteral("2"));
    const QStringList texts =
        run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), job, QStringLiteral("-")})
            .split(QLatin1Char('\f'));
    QVERIFY(texts.size() >= 2);
    for (int page = 0; page < 2; ++page)
        QVERIFY2(texts[page].contains(
                     QRegularExpression(QStringLiteral("Qty\\s+Article no\\.\\s+Description"))),
                 qPrintable(texts[page]));
    // Every line once, the first 23 on page 1, the rest on page 2, in order.
    for (int i = 1; i <= 40; ++i) {
        const QString &page = texts[i <= 23 ? 0 : 1];
        const QRegularExpression line(QStringLiteral("%1\\s+43%2\\s+Article line %3 of the offer")
                                          .arg(i % 4 + 1)
                                          .arg(i, 5, 10, QLatin1Char('0'))
                                          .arg(i));
        QVERIFY2(page.contains(line), qPrintable(QString::number(i)));
    }
}

QTEST_MAIN(BasketPrintTest)
#include "basketprinttest.moc"
