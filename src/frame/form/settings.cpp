#include "form/settings.h"

#include "form/appglobals.h"
#include "form/platformservices.h"
#include "ini/vixinihandling.h"

namespace vc::settings {

namespace {
bool g_reported = false;
}

QString read(const Setting &setting)
{
    const QString value = VixIniHandling().Read_INI(
        app().SettingsFile, QLatin1String(setting.section), QLatin1String(setting.key));
    return value.isEmpty() ? QString::fromLatin1(setting.defaultValue) : value;
}

bool write(const Setting &setting, const QString &value)
{
    const bool ok = VixIniHandling().Write_INI(app().SettingsFile, QLatin1String(setting.section),
                                               QLatin1String(setting.key), value);
    if (!ok && !g_reported) {
        g_reported = true;
        // The profile sits below the language layer, so it reads its one message itself.
        QString text;
        if (!app().LanguageName.isEmpty())
            text = VixIniHandling().Read_INI(app().LanguageFile, QStringLiteral("Messages"),
                                             QStringLiteral("msgSettingsNotSaved"));
        if (text.isEmpty())
            text = QStringLiteral("The settings file cannot be written. Language, units and the "
                                  "last file will not be kept.");
        Services::messages().show(text + QStringLiteral("\r\n") + app().SettingsFile,
                                  MessageService::Buttons::Ok, MessageService::Icon::Exclamation,
                                  QStringLiteral("VeltrannCalc"));
    }
    return ok;
}

bool writeFailureReported()
{
    return g_reported;
}

void resetWriteFailureReport()
{
    g_reported = false;
}

} // namespace vc::settings
