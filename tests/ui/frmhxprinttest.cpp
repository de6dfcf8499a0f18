// The h-x chart printed from its window on the CUPS test queue (started by
// scripts/cups-start.sh): one page, and the printer current before comes back.
#include "frmhx.h"
#include "frmhxwindow.h"
#include "frmmainwindow.h"
#include "mainform.h"
#include "print/printer.h"
#include "readback.h"
#include "windowfixture.h"

#include <QComboBox>
#include <QDateTime>
#include <QTest>

using namespace vc;

class FrmHxPrintTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void printsOnePageOnTheChosenPrinter();
};

void FrmHxPrintTest::printsOnePageOnTheChosenPrinter()
{
    test::useTestCups();
    const QString queue = test::testQueue();
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

    const QSet<QString> jobsBefore = test::keptJobs();
    const QString title = QStringLiteral("h,x chart %1").arg(QDateTime::currentMSecsSinceEpoch());
    window.logic().form().setCaption(title);
    QVERIFY(window.logic().Command3_Click());
    const QString job = test::newJobs(jobsBefore, 1, title).value(0);
    QVERIFY2(!job.isEmpty(), "CUPS kept no job file (PreserveJobFiles)");
    QCOMPARE(test::pdfPages(job), 1);

    window.close();
    QCOMPARE(Printer::current().deviceName(), before);
}

QTEST_MAIN(FrmHxPrintTest)
#include "frmhxprinttest.moc"
