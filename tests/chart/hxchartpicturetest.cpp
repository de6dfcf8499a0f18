// The chart's curves against the design's relations, and the drawings the
// chart is saved as: SVG by the command line's contract, PNG and PDF.
#include "hxchartpicture.h"
#include "chartexport.h"
#include "datarows.h"
#include "hxmapping.h"
#include "psychrometrics.h"
#include "readback.h"
#include "vixgrapheu.h"

#include <cmath>
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

class HxChartPictureTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
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
        QCOMPARE(root.value(QLatin1String("width")), QLatin1String("595"));
        QCOMPARE(root.value(QLatin1String("height")), QLatin1String("716"));
        QCOMPARE(root.value(QLatin1String("viewBox")), QLatin1String("0 0 595 716"));
        QCOMPARE(root.value(QLatin1String("data-pressure-hpa")).toDouble(), 950.0);
        for (int phi = 10; phi <= 100; phi += 10) {
            const SvgItem curve = items.value(QStringLiteral("rh-%1").arg(phi));
            QCOMPARE(curve.element, QLatin1String("polyline"));
            const QPolygonF drawn =
                points(curve.attributes.value(QLatin1String("points")).toString());
            const QPolygonF exact = HxChartPicture::humidityCurve(phi, 950);
            QCOMPARE(drawn.size(), exact.size());
            for (int i = 0; i < drawn.size(); ++i)
                QVERIFY(std::hypot(drawn[i].x() - exact[i].x(), drawn[i].y() - exact[i].y()) <
                        0.001);
        }
        const auto centre = [&](const char *id) {
            const SvgItem item = items.value(QLatin1String(id));
            return QPointF(item.attributes.value(QLatin1String("cx")).toDouble(),
                           item.attributes.value(QLatin1String("cy")).toDouble());
        };
        QCOMPARE(items.value("pt1").element, QLatin1String("circle"));
        QVERIFY(std::hypot(centre("pt1").x() - 4268 / 15.0, centre("pt1").y() - 4298 / 15.0) <
                0.001);
        QVERIFY(std::hypot(centre("pt2").x() - 1502 / 15.0, centre("pt2").y() - 8131 / 15.0) <
                0.001);
        for (const char *id :
             {"Line1", "comfort-zone", "lb2", "Label3", "grid", "enthalpy", "pressure"})
            QVERIFY2(items.contains(QLatin1String(id)), id);
    }

    void pngAndPdfAtTheChartsSize()
    {
        QTemporaryDir dir;
        VixGraphEU graph;
        QString error;
        QVERIFY(ChartExport::save(graph, dir.filePath("chart.png"), 2, &error));
        QCOMPARE(QImage(dir.filePath("chart.png")).size(), QSize(1190, 1432));
        QVERIFY(ChartExport::save(graph, dir.filePath("chart.pdf"), 1, &error));
        const QString text = test::run(QStringLiteral("pdfinfo"), {dir.filePath("chart.pdf")});
        QVERIFY2(text.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))),
                 qPrintable(text));
        // 595 x 716 chart pixels at 96 per inch
        QVERIFY2(
            text.contains(QRegularExpression(QStringLiteral("Page size:\\s+446(\\.\\d+)? x 537"))),
            qPrintable(text));
        QVERIFY(!ChartExport::save(graph, dir.filePath("chart.jpg"), 1, &error));
        QVERIFY(error.contains(QLatin1String(".svg")));
        QVERIFY(!QFileInfo::exists(dir.filePath("chart.jpg")));
    }
};

QTEST_MAIN(HxChartPictureTest)
#include "hxchartpicturetest.moc"
