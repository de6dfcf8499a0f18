#include "manualload.h"

#include "languagecaptions.h"
#include "mainform.h"
#include "manualvalues.h"
#include "psychrometrics.h"
#include "unitlabels.h"

#include <cmath>

namespace vc {

namespace {

using Kind = Control::Kind;
using manual::entry;
using manual::valueText;

// The exponential part of the saturation pressure at the two fixed
// temperatures: ps(T) = 6.11 x K.
constexpr double saturation5 = 1.427077914;
constexpr double saturation22 = 4.3249023727;

double humidityAt(double p, double x, double k)
{
    return 10000 * p / (1 + 622 / x) / k / 611;
}

// A result is written only when it reads back as a number of the field.
bool writable(double value)
{
    return std::isfinite(value) && std::abs(value) < 1e12;
}

} // namespace

ManualLoad::ManualLoad(MainForm &mainForm, QObject *parent)
    : QObject(parent), m_main(mainForm), m_form(QStringLiteral("frmManDM"))
{
    m_form.setCaption(QStringLiteral("Manual input for humidification load"));
    m_form.add(QStringLiteral("Frame1"), Kind::Frame)
        .setCaption(QStringLiteral("Additional manual input :"));
    const char *const captions[] = {"Air volume to be humidified", "Absolute humidity outside",
                                    "Absolute humidity inside", "sea level"};
    const char *const entries[] = {"TextbV(0)", "Textxa", "Textxi", "Textsl(1)"};
    const char *const units[][2] = {
        {"Label3(0)", "m3 / h"}, {"Label4", "g/kg"}, {"Label6", "g/kg"}, {"Label8(1)", "m"}};
    for (int i = 0; i < 4; ++i) {
        m_form.add(QStringLiteral("Label1"), i, Kind::Label).setCaption(QLatin1String(captions[i]));
        m_form.add(QLatin1String(entries[i]), Kind::TextBox);
        m_form.add(QLatin1String(units[i][0]), Kind::Label).setCaption(QLatin1String(units[i][1]));
    }
    m_form.add(QStringLiteral("Command1"), Kind::Button).setCaption(QStringLiteral("&OK"));
    m_form.add(QStringLiteral("Command2"), Kind::Button).setCaption(QStringLiteral("&Cancel"));
}

double ManualLoad::outsideHumidity(double p, double x)
{
    return humidityAt(p, x, saturation5);
}

double ManualLoad::insideHumidity(double p, double x)
{
    return humidityAt(p, x, saturation22);
}

void ManualLoad::load()
{
    LoadLanguageCaptions(m_form);
    UnitLabels::LoadUnitLabels(m_form);
}

void ManualLoad::Command1_Click()
{
    // Each entry stands on its own: one that is 0 or no number leaves its fields alone.
    const double altitude = entry(m_form.at(QStringLiteral("Textsl(1)")).text());
    if (altitude > 0) {
        // Above the standard atmosphere's reach there is no pressure to show.
        const double pressure = PressureFromAltitude(altitude);
        if (std::isfinite(pressure) && pressure >= 0.5) {
            m_main.Label20(6).setText(valueText(altitude));
            m_main.Combo2(1).setText(formatNumber(pressure, QStringLiteral("####0")));
        }
    }

    const double total = entry(m_main.Text2(0).text());
    const double volume = entry(m_form.at(QStringLiteral("TextbV(0)")).text());
    if (volume > 0) {
        m_main.Label20(0).setText(valueText(volume));
        // Without a total air flow there is no share to compute; the percentage stays.
        const double percent = total > 0 ? 100 * volume / total : NAN;
        if (writable(percent))
            m_main.Combo2(0).setText(formatNumber(percent, QStringLiteral("####0")));
    }

    const double pressure = entry(m_main.Combo2(1).text());
    const double outside = entry(m_form.at(QStringLiteral("Textxa")).text());
    const double inside = entry(m_form.at(QStringLiteral("Textxi")).text());
    const double phiOutside = outsideHumidity(pressure, outside);
    if (outside > 0 && writable(phiOutside)) {
        m_main.Label20(1).setText(valueText(outside));
        m_main.Text2(1).setText(QStringLiteral("5"));
        m_main.Combo2(2).setText(formatNumber(phiOutside, QStringLiteral("####0.0")));
    }
    const double phiInside = insideHumidity(pressure, inside);
    if (inside > 0 && writable(phiInside)) {
        m_main.Label20(2).setText(valueText(inside));
        m_main.Text2(2).setText(QStringLiteral("22"));
        m_main.Combo2(3).setText(formatNumber(phiInside, QStringLiteral("####0.0")));
    }
    Q_EMIT unload();
}

void ManualLoad::Command2_Click()
{
    Q_EMIT unload();
}

} // namespace vc
