#include "distributorsizing.h"

#include "humidificationdistance.h"
#include "mainform.h"
#include "convert/numberformat.h"
#include "stepmath.h"
#include "unitfactors.h"

namespace vc {

namespace {

struct PipeRow {
    double qAbove, qUpTo; // kg/h, lower bound exclusive
    double widthFrom;     // the duct is at least this wide (mm) ...
    double widthBelow;    // ... and narrower than this
    int length;
};

constexpr double any = 1e300;

// The first matching row wins.
constexpr PipeRow pipeTable[] = {
    {0.1, 8, 870, any, 850},   {0.1, 8, 670, any, 650},   {0.1, 8, 470, any, 450},
    {8, any, 1520, any, 1500}, {8, any, 1220, any, 1200}, {8, any, 920, any, 900},
    {8, any, 620, any, 600},   {64, 90, 470, any, 450},   {32, 45, 470, any, 450},
    {8, 23, 470, any, 450},    {8, 15, 320, any, 300},    {45, 64, -any, 920, 600},
    {23, 32, -any, 920, 600},  {64, 90, -any, 620, 450},  {32, 45, -any, 620, 450},
    {15, 23, -any, 620, 450},  {0.1, 15, -any, 470, 300},
};

// The pipe runs across the duct with 20 mm to spare when no row fits.
constexpr double pipeClearance = 20;

struct ModelRow {
    const char *family1;
    const char *family2;
    const char *capacity; // nullptr: 4 kg/h or less
    const char *power, *width, *height, *depth;
};

constexpr ModelRow modelTable[] = {
    {"Tavro 500", "Quenil 500", nullptr, "3", "390", "585", "230"},
    {"Tavro 500", "Quenil 500", "8", "6.1", "390", "585", "230"},
    {"Tavro 500", "Quenil 500", "15", "11.4", "470", "645", "305"},
    {"Tavro 500", "Quenil 500", "23", "17.5", "470", "645", "305"},
    {"Tavro 500", "Quenil 500", "32", "24.3", "525", "715", "360"},
    {"Tavro 500", "Quenil 500", "45", "34.2", "525", "715", "360"},
    {"Tavro 500", "Quenil 500", "65", "49.4", "525", "715", "360"},
    {"Tavro 500", "Quenil 500", "64", "2x24.3", "975", "730", "385"},
    {"Tavro 500", "Quenil 500", "90", "2x34.2", "975", "730", "385"},
    {"Tavro 500", "Quenil 500", "130", "2x49.4", "975", "730", "385"},
    {"Sorbix", "Sorbix", nullptr, "3", "354", "562", "210"},
    {"Sorbix", "Sorbix", "8", "6.1", "354", "562", "210"},
    {"Sorbix", "Sorbix", "15", "11.4", "490", "672", "340"},
    {"Sorbix", "Sorbix", "23", "17.5", "490", "672", "340"},
    {"Sorbix", "Sorbix", "32", "24.3", "490", "672", "340"},
    {"Sorbix", "Sorbix", "45", "34.2", "490", "672", "340"},
    {"Sorbix", "Sorbix", "65", "49.4", "490", "672", "340"},
    {"Dremon 500", "Falcy 500", "2", "1.5", "250", "590", "195"},
    {"Dremon 500", "Falcy 500", "3", "2.2", "250", "650", "195"},
    {"Oskel", "Oskel", "2", "1.5", "290", "450", "200"},
};

// The family installed in the room only, never in a duct.
const char *const roomOnlyFamily = "Dremon 500";

bool pipeRowMatches(const PipeRow &row, double q, double w)
{
    if (!(q > row.qAbove && q <= row.qUpTo))
        return false;
    return row.widthBelow < any ? w < row.widthBelow : w >= row.widthFrom;
}

} // namespace

double DistributorSizing::pipeLength(double q, double w)
{
    for (const PipeRow &row : pipeTable) {
        if (pipeRowMatches(row, q, w))
            return row.length;
    }
    return w - pipeClearance;
}

QString DistributorSizing::pipeLengthText(double q, double w)
{
    const double length = pipeLength(q, w);
    if (!StepMath::ok(length))
        return QString();
    return QString::number(length, 'g', 15);
}

bool DistributorSizing::modelData(const QString &family, const QString &capacity, ModelData &data)
{
    for (const ModelRow &row : modelTable) {
        if (family != QLatin1String(row.family1) && family != QLatin1String(row.family2))
            continue;
        const bool fits = row.capacity ? capacity == QLatin1String(row.capacity)
                                       : leadingNumber(capacity) <= 4;
        if (!fits)
            continue;
        data = {QLatin1String(row.power), QLatin1String(row.width), QLatin1String(row.height),
                QLatin1String(row.depth)};
        return true;
    }
    return false;
}

void DistributorSizing::run(MainForm &f)
{
    const bool us = f.usUnits();
    double width = leadingNumber(f.Text3(1).text());
    double steam = leadingNumber(f.Text3(4).text());
    if (us) {
        width *= UnitFactors::inch;
        steam *= UnitFactors::massFlow;
    }

    // The smallest sizes run with the capacity of their code; the pipe
    // keeps the steam output read above.
    const QString code = f.Label20(8).text();
    f.Label30(11).setText(code);
    if (code == QLatin1String("222"))
        f.Text3(4).setText(QStringLiteral("2"));
    else if (code == QLatin1String("322"))
        f.Text3(4).setText(QStringLiteral("3"));
    else if (code == QLatin1String("422"))
        f.Text3(4).setText(QStringLiteral("4"));

    f.Label30(3).setText(pipeLengthText(steam, width));

    const double entered = leadingNumber(f.Combo3(0).text());
    if (entered <= 5 || entered > 100)
        f.showRangeWarning();

    HumidificationDistance::Inputs in;
    in.airFlow = leadingNumber(f.Text3(0).text());
    in.width = width;
    in.height = leadingNumber(f.Text3(2).text());
    in.humidity = leadingNumber(f.Text3(3).text());
    in.temperature = entered;
    in.steamOutput = leadingNumber(f.Text3(4).text());
    in.pipes = leadingNumber(f.Text3(5).text());
    in.pipeLength = leadingNumber(f.Label30(3).text());
    double steamUs = 0;
    if (us) {
        in.airFlow *= UnitFactors::airFlow;
        in.height *= UnitFactors::inch;
        in.humidity *= UnitFactors::humidityBack;
        in.temperature = UnitFactors::celsius(in.temperature);
        steamUs = in.steamOutput;
        in.steamOutput *= UnitFactors::massFlow;
    }
    const HumidificationDistance::Texts t = HumidificationDistance::compute(in, us, steamUs);
    f.Label30(2).setText(t.factorK);
    f.Label30(1).setText(t.velocity);
    f.Label30(3).setText(t.pipeLength);
    f.Label30(5).setText(t.distance);
    for (int i = 0; i < 4; ++i)
        f.Label30(6 + i).setText(t.minimum[i]);

    // The table is in kg/h; in US units the field holds lb/h.
    QString capacity = f.Text3(4).text();
    if (us)
        capacity = formatNumber(leadingNumber(capacity) / UnitFactors::massFlowPerKg, QStringLiteral("####0"));
    ModelData data;
    if (modelData(f.Label20(7).text(), capacity, data)) {
        f.Label20(10).setText(data.power);
        if (us) {
            for (QString *mm : {&data.width, &data.height, &data.depth})
                *mm = formatNumber(leadingNumber(*mm) / UnitFactors::inch, QStringLiteral("#,##0.0"));
        }
        f.Label20(11).setText(data.width);
        f.Label20(12).setText(data.height);
        f.Label20(13).setText(data.depth);
    }
    if (us)
        f.Label30(12).setText(QStringLiteral("0.2/0.4"));

    const QString noDuct = f.languageText(QStringLiteral("noDuct"));
    const bool roomOnly = f.Label30(0).text() == QLatin1String(roomOnlyFamily);
    for (int i : {1, 2, 5})
        f.Text3(i).setVisible(!roomOnly);
    f.Label30(3).setVisible(!roomOnly);
    for (int i = 6; i <= 9; ++i)
        f.Label30(i).setVisible(!roomOnly);
    f.Label3(11).setVisible(!roomOnly);
    f.Einheit(9).setVisible(!roomOnly);
    if (roomOnly) {
        f.Label30(10).setText(QString());
        f.Label30(5).setText(noDuct + QLatin1Char(' ') + f.form().at(QStringLiteral("Label2(26)")).caption());
    } else {
        f.Label30(10).setText(f.languageText(QStringLiteral("Label30(10).Caption")));
    }

    // Above the velocity limit no minimum distances hold: the note replaces
    // them. A unit in the room has no duct, so neither is shown for it.
    const bool tooFast = t.velocityMs > HumidificationDistance::maximumVelocity;
    f.Label30(10).setVisible(tooFast && !roomOnly);
    for (int i = 6; i <= 9; ++i)
        f.Label30(i).setVisible(!tooFast && !roomOnly);
    for (int i = 13; i <= 17; ++i)
        f.Label3(i).setVisible(!tooFast && !roomOnly);
    for (int i = 10; i <= 13; ++i)
        f.Einheit(i).setVisible(!tooFast && !roomOnly);
}

} // namespace vc
