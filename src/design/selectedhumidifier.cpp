#include "selectedhumidifier.h"

#include "distributorsizing.h"
#include "mainform.h"
#include "convert/numberformat.h"
#include "unitfactors.h"

#include <algorithm>

namespace vc {

namespace {

// A size code is the capacity in kg/h followed by a two-digit supply code.
constexpr int supplyDigits = 100;

} // namespace

QString SelectedHumidifier::capacityOf(const QString &sizeCode)
{
    const QString code = sizeCode.trimmed();
    if (code.size() < 3 || code.size() > 6 ||
        !std::all_of(code.begin(), code.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return QString();
    const int capacity = code.toInt() / supplyDigits;
    return capacity > 0 ? QString::number(capacity) : QString();
}

SelectedHumidifier::Figures SelectedHumidifier::of(MainForm &f)
{
    const QString capacity = capacityOf(f.Label20(8).text());
    DistributorSizing::ModelData data;
    if (capacity.isEmpty() || !DistributorSizing::modelData(f.Label20(7).text(), capacity, data))
        return {};
    if (f.usUnits()) {
        // As the distance page shows them: inches with one decimal.
        for (QString *mm : {&data.width, &data.height, &data.depth})
            *mm = formatNumber(leadingNumber(*mm) / UnitFactors::inch, QStringLiteral("#,##0.0"));
    }
    return {data.power, data.width, data.height, data.depth};
}

} // namespace vc
