// The chart window's logic on a main form filled by hand: where the states
// land in both unit systems, the chart control's properties, Copy, the
// printer choice and Save.
#include "frmhx.h"
#include "chartexport.h"
#include "datarows.h"
#include "form/platformservices.h"
#include "mainform.h"
#include "print/printer.h"
#include "testsupport.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace vc;

class FrmHxTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        Printer::setPrinters(&m_printers);
        Services::setMessages(&m_messages);
        Services::setFileDialogs(&m_dialogs);
        Services::setClipboard(&m_clipboard);
        m_main = std::make_unique<MainForm>();
    }

    void cleanup()
    {
        m_main.reset();
        Printer::setPrinters(nullptr);
        Services::setMessages(nullptr);
        Services::setFileDialogs(nullptr);
        Services::setClipboard(nullptr);
    }

    void statesLandWhereTheMappingPutsThem_data()
    {
        test::addRows(QStringLiteral("statesonchart.tsv"));
    }

    void statesLandWhereTheMappingPutsThem()
    {
        QFETCH(bool, metric);
        QFETCH(QString, x);
        QFETCH(QString, t);
        QFETCH(int, X);
        QFETCH(int, Y);
        // Inside and outside alike land on the same point.
        fill(metric, x, t, x, t);
        FrmHx window(*m_main);
        window.load();
        const VixGraphEU &g = window.vixGraph1();
        QCOMPARE(QList<int>({g.Point1X(), g.Point1Y(), g.Point2X(), g.Point2Y()}),
                 QList<int>({X, Y, X, Y}));
        QVERIFY(g.markerVisible(1) && g.markerVisible(2) && g.lineVisible());
        // pt1 is the room air: the inside fields alone move it
        m_main->Text2(2).setText(metric ? QStringLiteral("30") : QStringLiteral("86"));
        window.plotStates();
        QCOMPARE(g.Point2Y(), Y);
        QVERIFY(g.Point1Y() < Y);
    }

    void statesOffTheChartHideTheirMarkers_data()
    {
        test::addRows(QStringLiteral("statesoffchart.tsv"));
    }

    void statesOffTheChartHideTheirMarkers()
    {
        QFETCH(QString, x);
        QFETCH(QString, t);
        fill(true, x, t, QStringLiteral("2"), QStringLiteral("-5"));
        FrmHx window(*m_main);
        window.load();
        const VixGraphEU &g = window.vixGraph1();
        QVERIFY(!g.markerVisible(1) && g.markerVisible(2) && !g.lineVisible());
        const QByteArray svg = ChartExport::svg(g);
        QVERIFY(!svg.contains("id=\"pt1\"") && svg.contains("id=\"pt2\"") &&
                !svg.contains("id=\"Line1\""));
        QVERIFY(!g.toImage().isNull());
    }

    void chartControlProperties()
    {
        VixGraphEU g;
        g.setPoint1X(1000);
        QCOMPARE(g.marker(1).left(), 880.0);
        QCOMPARE(g.Point1X(), 1000);
        g.setPoint2Y(4321);
        g.setPoint1Y(4321);
        QCOMPARE(g.marker(1).center().y(), g.marker(2).center().y());
        QCOMPARE(g.line().p1(), g.marker(1).center());
        QCOMPARE(g.line().p2(), g.marker(2).center());
        g.resize(2000, 3000);
        QCOMPARE(g.size(), QSize(8925, 10740));
        QCOMPARE(VixGraphEU::pixelSize(), QSize(595, 716));
        QStringList changed;
        connect(&g, &VixGraphEU::propertyChanged, this,
                [&changed](const QString &name) { changed << name; });
        g.setCaptionWasserGehalt(QStringLiteral("x"));
        g.setCaptionRelativHumidity(QStringLiteral("phi"));
        QCOMPARE(changed, QStringList({"CaptionWasserGehalt", "CaptionRelativHumidity"}));
        // Label2: Celsius on even indexes, Fahrenheit on odd ones, at their places
        const QList<VixGraphEU::Element> elements = g.elements();
        const auto element = [&](const QString &name) {
            return *std::find_if(elements.begin(), elements.end(),
                                 [&](const auto &e) { return e.name == name; });
        };
        QCOMPARE(element("Label2(10)").twips, QRect(10, 7310, 495, 375));
        QVERIFY(element("Label2(10)").text.endsWith("0°C"));
        QCOMPARE(element("Label2(13)").twips, QRect(15, 9780, 495, 375));
        QCOMPARE(element("behag").twips, QRect(2760, 3720, 3132, 870));
        QCOMPARE(element("Label3").twips, QRect(10, 10, 520, 10200));
    }

    void closingRestoresThePrinterBeforeTheLastChoice()
    {
        FrmHx window(*m_main);
        window.load();
        Control &list = window.form()[QStringLiteral("PrtCombo")];
        QCOMPARE(list.items(), QStringList({"A", "B", "C", "PDF file"}));
        QCOMPARE(list.text(), QStringLiteral("A"));
        const auto choose = [](FrmHx &w, const char *name) {
            w.form()[QStringLiteral("PrtCombo")].setText(QLatin1String(name));
            w.PrtCombo_Validate();
            return Printer::current().deviceName();
        };
        QCOMPARE(choose(window, "B"), QStringLiteral("B"));
        choose(window, "C");
        QCOMPARE(choose(window, "no such printer"), QStringLiteral("C"));
        window.unload();
        // the name remembered before the last choice
        QCOMPARE(Printer::current().deviceName(), QStringLiteral("C"));
        // and the plain case: B, then A, then close leaves B
        FrmHx second(*m_main);
        second.load();
        choose(second, "B");
        choose(second, "A");
        second.unload();
        QCOMPARE(Printer::current().deviceName(), QStringLiteral("B"));
    }

    void saveWritesEachFormatAndReportsAFolderItCannotWrite()
    {
        QTemporaryDir dir;
        FrmHx window(*m_main);
        window.load();
        for (const char *name : {"chart.png", "chart.svg", "chart.pdf", "picture"}) {
            m_dialogs.script(dir.filePath(QLatin1String(name)));
            window.Command4_Click();
        }
        QCOMPARE(QImage(dir.filePath("chart.png")).size(), QSize(595 * 3, 716 * 3));
        QVERIFY(test::readFile(dir.filePath("chart.svg")).startsWith("<?xml"));
        QVERIFY(test::readFile(dir.filePath("chart.pdf")).startsWith("%PDF"));
        QVERIFY(QFileInfo::exists(dir.filePath("picture.png"))); // no extension: PNG
        QVERIFY(m_messages.shown().empty());
        m_dialogs.script(dir.filePath(QStringLiteral("missing/folder/chart.svg")));
        window.Command4_Click();
        QCOMPARE(m_messages.shown().size(), size_t(1));
        QVERIFY(m_messages.shown().front().text.contains(QLatin1String("chart.svg")));
    }

private:
    // The main window's inside and outside states, in the unit system given.
    void fill(bool metric, const QString &insideX, const QString &insideT, const QString &outsideX,
              const QString &outsideT)
    {
        MainForm &f = *m_main;
        f[QStringLiteral("mnuOtherUnit(0)")].setChecked(metric);
        f[QStringLiteral("mnuOtherUnit(1)")].setChecked(!metric);
        f.Label20(2).setText(insideX);
        f.Text2(2).setText(insideT);
        f.Label20(1).setText(outsideX);
        f.Text2(1).setText(outsideT);
    }

    std::unique_ptr<MainForm> m_main;
    ScriptedPrinterList m_printers{{{"A", "drv"}, {"B", "drv"}, {"C", "drv"}}, "A"};
    ScriptedMessages m_messages;
    ScriptedFileDialogs m_dialogs;
    MemoryClipboard m_clipboard;
};

QTEST_MAIN(FrmHxTest)
#include "frmhxtest.moc"
