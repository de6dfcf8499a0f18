// The chart window's logic on a main form filled by hand (where the states land in both unit
// systems, the chart control's properties, the printer choice and Save), the chart's curves
// against the design's relations, and the drawings it is saved as: SVG by the command line's
// contract, PNG and PDF.
#include "chartexport.h"
#include "datarows.h"
#include "form/platformservices.h"
#include "frmhx.h"
#include "hxchartpicture.h"
#include "hxmapping.h"
#include "mainform.h"
#include "print/printer.h"
#include "psychrometrics.h"
#include "readback.h"
#include "testsupport.h"
#include "vixgrapheu.h"

#include <cmath>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

using namespace vc;

namespace {

double distanceToPolyline(const QPointF &q, const QPolygonF &line)
{
    double best = INFINITY;
    for (int i = 1; i < line.size(); ++i) {
        const QPointF a = line[i - 1], d = line[i] - a;
        const double len = QPointF::dotProduct(d, d);
        const double u = len > 0 ? qBound(0.0, QPointF::dotProduct(q - a, d) / len, 1.0) : 0;
        const QPointF off = a + u * d - q;
        best = std::min(best, std::hypot(off.x(), off.y()));
    }
    return best;
}

struct SvgItem
{
    QString element;
    QXmlStreamAttributes attributes;
};

QHash<QString, SvgItem> svgItems(const QByteArray &svg, QXmlStreamAttributes *root)
{
    QHash<QString, SvgItem> items;
    QXmlStreamReader xml(svg);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("svg"))
            *root = xml.attributes();
        // the numbers must be chart pixels as they stand
        if (xml.attributes().hasAttribute(QLatin1String("transform")))
            qWarning("transform on %s", qPrintable(xml.name().toString()));
        const QString id = xml.attributes().value(QLatin1String("id")).toString();
        if (!id.isEmpty())
            items.insert(id, {xml.name().toString(), xml.attributes()});
    }
    return xml.hasError() ? QHash<QString, SvgItem>() : items;
}

QPolygonF points(const QString &text)
{
    QPolygonF polygon;
    for (const QString &pair : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList xy = pair.split(QLatin1Char(','));
        polygon << QPointF(xy.value(0).toDouble(), xy.value(1).toDouble());
    }
    return polygon;
}

} // namespace

class ChartTest : public QObject
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

    void statesLandWhereTheMappingPutsThem_data() { test::addRows("statesonchart.tsv"); }

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

    void statesOffTheChartHideTheirMarkers_data() { test::addRows("statesoffchart.tsv"); }

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
        QCOMPARE(QPointF(g.marker(1).left(), g.Point1X()), QPointF(880, 1000));
        g.setPoint2Y(4321);
        g.setPoint1Y(4321);
        QCOMPARE(g.marker(1).center().y(), g.marker(2).center().y());
        QCOMPARE(g.line(), QLineF(g.marker(1).center(), g.marker(2).center()));
        g.resize(2000, 3000); // the chart keeps its size
        QCOMPARE(QList<QSize>({g.size(), VixGraphEU::pixelSize()}),
                 QList<QSize>({QSize(8925, 10740), QSize(595, 716)}));
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
        QVERIFY(element("Label2(10)").text.endsWith("0°C"));
        QCOMPARE(QList<QRect>({element("Label2(10)").twips, element("Label2(13)").twips,
                               element("behag").twips, element("Label3").twips}),
                 QList<QRect>({QRect(10, 7310, 495, 375), QRect(15, 9780, 495, 375),
                               QRect(2760, 3720, 3132, 870), QRect(10, 10, 520, 10200)}));
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
        QCOMPARE(QImage(dir.filePath("picture.png")).size(), QSize(595 * 3, 716 * 3));
        // one page of 595 x 716 chart pixels at 96 per inch
        const QString pdf = test::run(QStringLiteral("pdfinfo"), {dir.filePath("chart.pdf")});
        QVERIFY2(pdf.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))) &&
                     pdf.contains(
                         QRegularExpression(QStringLiteral("Page size:\\s+446(\\.\\d+)? x 537"))),
                 qPrintable(pdf));
        QVERIFY(m_messages.shown().empty());
        m_dialogs.script(dir.filePath(QStringLiteral("missing/folder/chart.svg")));
        window.Command4_Click();
        QCOMPARE(m_messages.shown().size(), size_t(1));
        QVERIFY(m_messages.shown().front().text.contains(QLatin1String("chart.svg")));
    }

    void mappedStatesLieOnTheirCurve_data() { test::addRows("pressures.tsv"); }

    void mappedStatesLieOnTheirCurve()
    {
        QFETCH(double, pressure);
        int checked = 0;
        for (int phi = 10; phi <= 100; phi += 10) {
            const QPolygonF curve = HxChartPicture::humidityCurve(phi, pressure);
            for (double t = -20; t <= 50; t += 0.7) {
                const double x = HumidityRatio(t, phi, pressure);
                if (!HxMapping::onChart(x, t))
                    continue;
                // where the window's rounded mapping puts the state, in chart pixels
                const HxMapping::Point p = HxMapping::point({x, t});
                const double d = distanceToPolyline(QPointF(p.X, p.Y) / 15, curve);
                QVERIFY2(
                    d < 0.1,
                    qPrintable(QStringLiteral("%1 %, %2 °C: %3 px off").arg(phi).arg(t).arg(d)));
                ++checked;
            }
        }
        QVERIFY(checked > 300);
    }

    void curvesEndAtTheChartsBorder()
    {
        const QPointF rightEdge = HxMapping::pixels(17, 0);
        // saturation leaves through the right edge, 10 % through the top
        const QPolygonF saturation = HxChartPicture::humidityCurve(100, 1013.25);
        QCOMPARE(saturation.first(), HxMapping::pixels(HumidityRatio(-20, 100, 1013.25), -20));
        QCOMPARE(saturation.last().x(), rightEdge.x());
        const QPolygonF dry = HxChartPicture::humidityCurve(10, 1013.25);
        QCOMPARE(dry.last(), HxMapping::pixels(HumidityRatio(50, 10, 1013.25), 50));
        // a pressure so low that the air cannot hold the water gives no NaN points
        for (const QPointF &point : HxChartPicture::humidityCurve(100, 20))
            QVERIFY(std::isfinite(point.x()) && std::isfinite(point.y()));
    }

    void svgKeepsTheContract()
    {
        VixGraphEU graph;
        graph.setPressure(950);
        graph.setPoint1X(4268);
        graph.setPoint1Y(4298);
        graph.setPoint2X(1502);
        graph.setPoint2Y(8131);
        graph.setDisHag(true);
        graph.setCaptionWasserGehalt(QStringLiteral("Water <content> & more"));
        QXmlStreamAttributes root;
        const QHash<QString, SvgItem> items = svgItems(ChartExport::svg(graph), &root);
        QVERIFY(!items.isEmpty());
        QStringList size;
        for (const char *name : {"width", "height", "viewBox", "data-pressure-hpa"})
            size << root.value(QLatin1String(name)).toString();
        QCOMPARE(size, QStringList({"595", "716", "0 0 595 716", "950"}));
        for (int phi = 10; phi <= 100; phi += 10) {
            const SvgItem curve = items.value(QStringLiteral("rh-%1").arg(phi));
            QCOMPARE(curve.element, QLatin1String("polyline"));
            const QPolygonF drawn =
                points(curve.attributes.value(QLatin1String("points")).toString());
            const QPolygonF exact = HxChartPicture::humidityCurve(phi, 950);
            QCOMPARE(drawn.size(), exact.size());
            for (int i = 0; i < drawn.size(); ++i)
                QVERIFY(QLineF(drawn[i], exact[i]).length() < 0.001);
        }
        // the states' markers at their points, in chart pixels
        for (const auto &[id, point] :
             {std::pair("pt1", QPointF(4268, 4298)), std::pair("pt2", QPointF(1502, 8131))}) {
            const SvgItem marker = items.value(QLatin1String(id));
            const QPointF centre(marker.attributes.value(QLatin1String("cx")).toDouble(),
                                 marker.attributes.value(QLatin1String("cy")).toDouble());
            QVERIFY2(marker.element == "circle" && QLineF(centre, point / 15).length() < 0.001, id);
        }
        for (const char *id :
             {"Line1", "comfort-zone", "lb2", "Label3", "grid", "enthalpy", "pressure"})
            QVERIFY2(items.contains(QLatin1String(id)), id);
    }

    void otherFormatsAreRefused()
    {
        QTemporaryDir dir;
        QString error;
        QVERIFY(!ChartExport::save(VixGraphEU(), dir.filePath("chart.jpg"), 1, &error));
        QVERIFY(error.contains(QLatin1String(".svg")));
        QVERIFY(!QFileInfo::exists(dir.filePath("chart.jpg")));
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

QTEST_MAIN(ChartTest)
#include "charttest.moc"
