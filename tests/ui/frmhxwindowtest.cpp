// The h-x chart window offscreen over a calculated main window: opened from
// the load page, the markers and the line where the states are, captions
// from the language file, the scrolling viewport, Copy, Save, and printing on
// the CUPS test queue (scripts/cups-start.sh).
#include "frmhxwindow.h"
#include "datarows.h"
#include "frmhx.h"
#include "frmmainwindow.h"
#include "mainform.h"
#include "print/printer.h"
#include "readback.h"
#include "vixgraphwidget.h"
#include "windowfixture.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDateTime>
#include <QLabel>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

using namespace vc;

namespace {

bool near(const QColor &a, const QColor &b)
{
    return qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue()) < 60;
}

} // namespace

class FrmHxWindowTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Opened modally by the load page's button; Copy and Save on its own buttons.
    void openedFromTheLoadPageCopiesAndSaves()
    {
        test::WindowFixture f;
        f.openExample(0);
        QTemporaryDir dir;
        const QString svg = dir.filePath(QStringLiteral("chart.svg"));
        const auto press = [](QWidget *window, const char *name) {
            qobject_cast<QAbstractButton *>(
                static_cast<FrmHxWindow *>(window)->widget(QLatin1String(name)))
                ->click();
        };
        const QString opened = test::inModal(
            [&] { f.widget<QAbstractButton>(QStringLiteral("Command22(2)"))->click(); },
            [&](QWidget *window) {
                QCOMPARE(window->windowTitle(), QStringLiteral("h,x chart"));
                press(window, "Command2");
                f.dialogs.script(svg);
                press(window, "Command4");
            });
        QCOMPARE(opened, QStringLiteral("vc::FrmHxWindow"));
        QCOMPARE(f.clipboard.image().size(), QSize(595, 716));
        const QByteArray text = test::readFile(svg);
        QVERIFY(text.contains("data-pressure-hpa=\"950\""));
        QVERIFY(text.contains("id=\"pt1\"") && text.contains("id=\"rh-100\""));
    }

    void markersAndLineWhereTheStatesAre_data() { vc::test::addRows("hxwindow.tsv"); }

    void markersAndLineWhereTheStatesAre()
    {
        QFETCH(QString, language);
        QFETCH(int, unitSystem);
        QFETCH(QString, comfortCaption);
        test::WindowFixture f(language, unitSystem);
        f.openExample(unitSystem);
        FrmHxWindow window(f.main(), &f.window());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(static_cast<QLabel *>(window.widget(QStringLiteral("Label1")))->text(),
                 comfortCaption);

        const VixGraphEU &g = window.logic().vixGraph1();
        QVERIFY(g.markerVisible(1) && g.markerVisible(2));
        QVERIFY(!g.CaptionWasserGehalt().isEmpty());
        const QImage image = window.graphWidget()->grab().toImage();
        QCOMPARE(image.size(), QSize(595, 716));
        const QPointF pt1(g.Point1X() / 15.0, g.Point1Y() / 15.0),
            pt2(g.Point2X() / 15.0, g.Point2Y() / 15.0);
        QVERIFY(near(image.pixelColor(pt1.toPoint()), QColor(214, 69, 30)));
        QVERIFY(near(image.pixelColor(pt2.toPoint()), QColor(30, 110, 200)));
        // the line runs between the centres
        QVERIFY(near(image.pixelColor(((pt1 + pt2) / 2).toPoint()), QColor(120, 30, 30)));

        // Show, twice: the comfort zone comes and goes
        auto *show = qobject_cast<QAbstractButton *>(window.widget(QStringLiteral("Command1")));
        const QPoint zone = QPoint(3600, 4400) / 15;
        const QColor before = window.graphWidget()->grab().toImage().pixelColor(zone);
        show->click();
        QVERIFY(g.DisHag());
        QVERIFY(window.graphWidget()->grab().toImage().pixelColor(zone) != before);
        show->click();
        QCOMPARE(window.graphWidget()->grab().toImage().pixelColor(zone), before);
    }

    void viewportScrollsWhenTheWindowIsSmall()
    {
        test::WindowFixture f;
        FrmHxWindow window(f.main(), &f.window());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.resize(500, 400);
        QWidget *viewport = window.widget(QStringLiteral("Picture1"));
        auto *v = static_cast<QScrollBar *>(window.widget(QStringLiteral("VScroll1")));
        auto *h = static_cast<QScrollBar *>(window.widget(QStringLiteral("HScroll1")));
        QCOMPARE(viewport->y(), 60);
        QVERIFY(v->isVisible() && h->isVisible());
        QCOMPARE(v->maximum(), 716 - viewport->height());
        QCOMPARE(h->maximum(), 595 - viewport->width());
        v->setValue(100);
        h->setValue(30);
        QCOMPARE(window.widget(QStringLiteral("Picture2"))->pos(), QPoint(-30, -100));
        window.resize(900, 1000);
        QVERIFY(!v->isVisible() && !h->isVisible());
        QCOMPARE(window.widget(QStringLiteral("Picture2"))->pos(), QPoint(0, 0));
        // the chart control keeps its size whatever it is given
        window.graphWidget()->resize(100, 100);
        QCOMPARE(window.graphWidget()->size(), QSize(595, 716));
    }

    // One page on the printer chosen in the window; the printer current before comes back.
    void printsOnePageOnTheChosenPrinter()
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
        const QString title =
            QStringLiteral("h,x chart %1").arg(QDateTime::currentMSecsSinceEpoch());
        window.logic().form().setCaption(title);
        QVERIFY(window.logic().Command3_Click());
        const QString job = test::newJobs(jobsBefore, 1, title).value(0);
        QVERIFY2(!job.isEmpty(), "CUPS kept no job file (PreserveJobFiles)");
        QCOMPARE(test::pdfPages(job), 1);
        window.close();
        QCOMPARE(Printer::current().deviceName(), before);
    }
};

QTEST_MAIN(FrmHxWindowTest)
#include "frmhxwindowtest.moc"
