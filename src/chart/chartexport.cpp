#include "chartexport.h"

#include "svgchartsink.h"
#include "vixgrapheu.h"

#include <QFileInfo>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace vc {

namespace {

bool fail(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}

} // namespace

ChartExport::Format ChartExport::formatOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png"))
        return Format::Png;
    if (suffix == QLatin1String("svg"))
        return Format::Svg;
    if (suffix == QLatin1String("pdf"))
        return Format::Pdf;
    return Format::Unknown;
}

QByteArray ChartExport::svg(const VixGraphEU &graph)
{
    const QString pressure = QLocale::c().toString(graph.pressure(), 'g', 15);
    SvgChartSink sink(VixGraphEU::pixelSize(),
                      QStringLiteral("h,x chart, p = %1 hPa").arg(pressure),
                      QStringLiteral("data-pressure-hpa=\"%1\"").arg(pressure));
    graph.paint(sink);
    return sink.document();
}

bool ChartExport::save(const VixGraphEU &graph, const QString &path, double scale, QString *error)
{
    const Format format = formatOf(path);
    if (format == Format::Unknown)
        return fail(error,
                    QStringLiteral("%1: the file name must end in .png, .svg or .pdf").arg(path));
    // Written beside the target and renamed when complete, so a failure leaves nothing.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(error,
                    QStringLiteral("%1 cannot be written: %2").arg(path, file.errorString()));
    bool ok = true;
    switch (format) {
    case Format::Svg:
        ok = file.write(svg(graph)) >= 0;
        break;
    case Format::Png:
        ok = graph.toImage(scale).save(&file, "PNG");
        break;
    case Format::Pdf: {
        QPdfWriter pdf(&file);
        const QSize size = VixGraphEU::pixelSize();
        pdf.setResolution(1200);
        pdf.setPageSize(QPageSize(QSizeF(size) * 72.0 / 96, QPageSize::Point, QString(),
                                  QPageSize::ExactMatch));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setTitle(QStringLiteral("h,x chart"));
        pdf.setCreator(QStringLiteral("VeltrannCalc"));
        QPainter painter;
        ok = painter.begin(&pdf);
        if (ok) {
            painter.scale(1200.0 / 96, 1200.0 / 96);
            graph.render(painter);
            ok = painter.end();
        }
        break;
    }
    case Format::Unknown:
        break;
    }
    if (!ok) {
        file.cancelWriting();
        return fail(error, QStringLiteral("%1 cannot be written").arg(path));
    }
    if (!file.commit())
        return fail(error,
                    QStringLiteral("%1 cannot be written: %2").arg(path, file.errorString()));
    return true;
}

} // namespace vc
