#include "unitlabels.h"

#include "form/appglobals.h"
#include "form/form.h"
#include "ini/vixinihandling.h"

namespace vc {

namespace {

UnitLabels::Entry label(const QString &control)
{
    return {control + QStringLiteral(".Caption"), control};
}

QList<UnitLabels::Entry> mainLabels()
{
    QList<UnitLabels::Entry> list;
    auto unit = [&list](int index) { list.append(label(Form::item(QStringLiteral("Einheit"), index))); };
    // Load page, then the pressure label beside the pressure box, the
    // capacity rows of the family page and the distance page.
    for (int index : {5, 16, 33, 17, 19, 20, 21, 22, 23, 24, 25, 26})
        unit(index);
    list.append(label(QStringLiteral("Label2(8)")));
    for (int index : {29, 30, 31, 32, 1, 2, 3, 4, 6, 0, 7, 8, 14, 9, 10, 11, 12, 13})
        unit(index);
    return list;
}

} // namespace

QStringList UnitLabels::windows()
{
    return {QStringLiteral("frmMain"), QStringLiteral("frmManBS"), QStringLiteral("frmManDM")};
}

QList<UnitLabels::Entry> UnitLabels::keys(const QString &window)
{
    const QString name = window.trimmed().toLower();
    if (name == QLatin1String("frmmain"))
        return mainLabels();
    if (name == QLatin1String("frmmanbs"))
        // The key names the array without an index and sets its member 0.
        return {label(QStringLiteral("Label3")), {QStringLiteral("Label4.Caption"), QStringLiteral("Label4(0)")}};
    if (name == QLatin1String("frmmandm"))
        return {label(QStringLiteral("Label3(0)")), label(QStringLiteral("Label4")),
                label(QStringLiteral("Label6")), label(QStringLiteral("Label8(1)"))};
    return {};
}

void UnitLabels::LoadUnitLabels(Form &form)
{
    const AppGlobals &globals = app();
    if (globals.UnitName.isEmpty())
        return;
    const VixIniHandling ini;
    const QString section = form.name();
    for (const Entry &entry : keys(section))
        form.at(entry.control).setCaption(ini.Read_INI(globals.UnitFile, section, entry.key));
}

} // namespace vc
