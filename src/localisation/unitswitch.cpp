#include "unitswitch.h"

#include "unitlabels.h"

#include "form/appglobals.h"
#include "form/form.h"
#include "mainform.h"
#include "form/settings.h"
#include "convert/numberformat.h"
#include "ini/vixinihandling.h"

namespace vc {

namespace {

using Field = UnitSwitch::Field;

double cfm(double m3h) { return m3h / UnitSwitch::airFlowFactor; }
double m3h(double cfm) { return cfm * UnitSwitch::airFlowFactor; }
double fahrenheit(double celsius) { return celsius * 1.8 + 32; }
double celsius(double fahrenheit) { return (fahrenheit - 32) * 5 / 9; }
double inch(double mm) { return mm / UnitSwitch::lengthFactor; }
double mm(double inch) { return inch * UnitSwitch::lengthFactor; }

void convert(Form &form, const Field &field, UnitSwitch::Direction direction)
{
    Control &control = form.at(field.control);
    const bool toUs = direction == UnitSwitch::Direction::ToUs;
    control.setText(UnitSwitch::convertText(control.text(), toUs ? field.toUs : field.toMetric,
                                            toUs ? field.usPattern : field.metricPattern));
}

// A list box whose entries depend on the unit system: its text is converted
// first, then the list is refilled and the text put back.
void convertList(Form &form, const Field &field, const QStringList &entries,
                 UnitSwitch::Direction direction)
{
    Control &box = form.at(field.control);
    const bool toUs = direction == UnitSwitch::Direction::ToUs;
    const QString text = UnitSwitch::convertText(box.text(), toUs ? field.toUs : field.toMetric,
                                                 toUs ? field.usPattern : field.metricPattern);
    box.clearItems();
    box.setItems(entries);
    box.setText(text);
}

void convertPages(Form &form, UnitSwitch::Direction direction)
{
    const bool toUs = direction == UnitSwitch::Direction::ToUs;
    for (const QString &name : MainForm::metricOnlyControls())
        form.at(name).setVisible(!toUs);

    const QList<Field> load = UnitSwitch::loadPageFields();
    for (const Field &field : load) {
        if (field.control == QLatin1String("Combo2(1)"))
            convertList(form, field, MainForm::pressureList(toUs), direction);
        else
            convert(form, field, direction);
    }
    for (const Field &field : UnitSwitch::distancePageFields()) {
        if (field.control == QLatin1String("Combo3(0)"))
            convertList(form, field, MainForm::airTemperatureList(toUs), direction);
        else
            convert(form, field, direction);
    }
}

} // namespace

QList<UnitSwitch::Field> UnitSwitch::loadPageFields()
{
    return {
        {QStringLiteral("Text2(0)"), cfm, QStringLiteral("####0"), m3h, QStringLiteral("####0")},
        {QStringLiteral("Combo2(1)"), [](double hPa) { return hPa / pressureFactor; },
         QStringLiteral("####0.0"), [](double inHg) { return inHg * pressureFactor; },
         QStringLiteral("####0")},
        {QStringLiteral("Text2(1)"), fahrenheit, QStringLiteral("####0.0"), celsius, QStringLiteral("####0.0")},
        {QStringLiteral("Text2(2)"), fahrenheit, QStringLiteral("####0.0"), celsius, QStringLiteral("####0.0")},
    };
}

QList<UnitSwitch::Field> UnitSwitch::distancePageFields()
{
    return {
        {QStringLiteral("Text3(0)"), cfm, QStringLiteral("####0"), m3h, QStringLiteral("####0")},
        {QStringLiteral("Text3(1)"), inch, QStringLiteral("####0"), mm, QStringLiteral("####0")},
        {QStringLiteral("Text3(2)"), inch, QStringLiteral("####0"), mm, QStringLiteral("####0")},
        {QStringLiteral("Text3(3)"), [](double x) { return x / humidityFactor; }, QStringLiteral("###0.0"),
         [](double x) { return x * humidityFactor; }, QStringLiteral("###0.0")},
        {QStringLiteral("Text3(4)"), [](double kgh) { return kgh * massFlowFactor; }, QStringLiteral("####0"),
         [](double lbh) { return lbh / massFlowFactor; }, QStringLiteral("####0")},
        // The pipe diameter is a result, but its caption is converted too.
        {QStringLiteral("Label30(4)"), inch, QStringLiteral("#0.00"), mm, QStringLiteral("#0")},
        {QStringLiteral("Combo3(0)"), fahrenheit, QStringLiteral("####0.0"), celsius,
         QStringLiteral("####0.0")},
    };
}

QString UnitSwitch::convertText(const QString &text, const std::function<double(double)> &operation,
                                const QString &pattern, const QLocale &locale)
{
    bool ok = false;
    const double value = locale.toDouble(text.trimmed(), &ok);
    if (!ok || !operation)
        return QString();
    return formatNumber(operation(value), pattern, locale);
}

void UnitSwitch::mnuOtherUnit_Click(Form &mainForm, int index, const std::function<void()> &recalculate)
{
    AppGlobals &globals = app();
    if (index == globals.UnitSystem)
        return;
    globals.UnitFile = globals.AppPath + QStringLiteral("/Unit/")
        + (index == 1 ? QStringLiteral("USA.lng") : QStringLiteral("SI.lng"));
    VixIniHandling().Write_INI(globals.SettingsFile, QLatin1String(settings::Unit.section),
                               QLatin1String(settings::Unit.key),
                               QString::number(index));
    globals.UnitSystem = qint16(index);
    globals.UnitName = QString::number(index);
    UnitLabels::LoadUnitLabels(mainForm);

    // The menu has two commands; any other index leaves both unticked and
    // converts nothing, as the original's failing statement did.
    Control &metric = mainForm.at(QStringLiteral("mnuOtherUnit(0)"));
    Control &us = mainForm.at(QStringLiteral("mnuOtherUnit(1)"));
    metric.setChecked(index == 0);
    us.setChecked(index == 1);
    if (us.isChecked())
        convertPages(mainForm, Direction::ToUs);
    if (metric.isChecked())
        convertPages(mainForm, Direction::ToMetric);

    if (recalculate)
        recalculate();
}

} // namespace vc
