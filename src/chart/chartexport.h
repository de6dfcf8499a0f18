#pragma once

#include <QString>

namespace vc {

class VixGraphEU;

// Writes the chart control as it shows (states, line, comfort zone) to a
// file whose kind follows its extension: PNG (scale times the control's
// 595 x 716 pixels), SVG (user units are the control's pixels) or PDF (one
// page of the chart's size, vectors). The SVG root carries the pressure the
// curves are drawn for as data-pressure-hpa.
class ChartExport
{
public:
    enum class Format { Unknown, Png, Svg, Pdf };
    static Format formatOf(const QString &path);

    // False, with a reason, when the file cannot be written; nothing is left then.
    static bool save(const VixGraphEU &graph, const QString &path, double scale,
                     QString *error = nullptr);

    static QByteArray svg(const VixGraphEU &graph);
};

} // namespace vc
