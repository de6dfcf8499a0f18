// The h-x chart printed from its window on the CUPS test queue (started by
// scripts/cups-start.sh): one page, and the printer current before comes back.
#include "frmhx.h"
#include "frmhxwindow.h"
#include "frmmainwindow.h"
#include "mainform.h"
#include "print/printer.h"
#include "windowfixture.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QThread>

using namespace vc;

namespace {

QString cupsDir()
{
    const QByteArray dir = qgetenv("VC_CUPS_DIR");
    return dir.isEmpty() ? QStringLiteral("/tmp/vc-cups") : QString::fromLocal8Bit(dir);
}

QSet<QString> filesIn(const QString &dir)
{
    QSet<QString> set;
    for (const QFileInfo &f : QDir(dir).entryInfoList({QStringLiteral("d*-001")}, QDir::Files))
        set << f.filePath();
    return set;
}

// The job file CUPS keeps for the new job, once complete; empty after a minute.
QString newJob(const QString &dir, const QSet<QString> &before)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 60000) {
        for (const QString &f : filesIn(dir) - before) {
            const qint64 size = QFileInfo(f).size();
            QThread::msleep(300);
            if (size > 0 && size == QFileInfo(f).size())
                return f;
        }
        QThread::msleep(200);
    }
    return {};
}

} // namespace

class FrmHxPrintTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void printsOnePageOnTheChosenPrinter();
};

void FrmHxPrintTest::printsOnePageOnTheChosenPrinter()
{
    if (qEnvironmentVariableIsEmpty("CUPS_SERVER"))
        qputenv("CUPS_SERVER", "127.0.0.1:8631");
    const QString queue = QStringLiteral("VeltrannPDF");
    test::WindowFixture f;
    Printer::setPrinters(nullptr);
    const QString before = Printer::current().deviceName();
    FrmHxWindow window(f.main(), &f.window());
    auto *list = static_cast<QComboBox *>(window.widget(QStringLiteral("PrtCombo")));
    QTRY_VERIFY(list->count() > 0); // filled once the window runs
    QCOMPARE(list->currentText(), before);
    const int index = list->findText(queue);
    QVERIFY2(index >= 0, "the CUPS test queue is missing; run scripts/cups-start.sh");
    list->setCurrentIndex(index);
    Q_EMIT list->activated(index);
    QCOMPARE(Printer::current().deviceName(), queue);

    const QString spool = cupsDir() + QStringLiteral("/spool");
    const QSet<QString> jobsBefore = filesIn(spool);
    window.logic().form().setCaption(
        QStringLiteral("h,x chart %1").arg(QDateTime::currentMSecsSinceEpoch()));
    QVERIFY(window.logic().Command3_Click());
    const QString job = newJob(spool, jobsBefore);
    QVERIFY2(!job.isEmpty(), "CUPS kept no job file (PreserveJobFiles)");
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {job});
    QVERIFY(info.waitForFinished(30000));
    const QString text = QString::fromUtf8(info.readAllStandardOutput());
    QVERIFY2(text.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(text));

    window.close();
    QCOMPARE(Printer::current().deviceName(), before);
}

QTEST_MAIN(FrmHxPrintTest)
#include "frmhxprinttest.moc"
