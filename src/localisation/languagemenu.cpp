#include "languagemenu.h"

#include "languagecaptions.h"

#include "form/appglobals.h"
#include "form/form.h"
#include "form/settings.h"
#include "ini/vixinihandling.h"

namespace vc {

namespace {

Control &command(Form &mainForm, int index)
{
    return mainForm.at(Form::item(QStringLiteral("mnuOtherLanguage"), index));
}

} // namespace

QStringList LanguageMenu::names()
{
    return {QStringLiteral("English"), QStringLiteral("Deutsch"), QStringLiteral("Fran\u00e7ais"),
            QStringLiteral("Polski")};
}

void LanguageMenu::check(Form &mainForm)
{
    const int index = names().indexOf(app().LanguageName);
    for (int i = 0; i < names().size(); ++i)
        command(mainForm, i).setChecked(i == index);
}

void LanguageMenu::mnuOtherLanguage_Click(Form &mainForm, int index)
{
    if (index < 0 || index >= names().size())
        return;
    // The command's caption names the file; it is fixed, so a form that has
    // not been given its menu yet falls back to the same name.
    QString name = command(mainForm, index).caption();
    if (name.isEmpty())
        name = names().at(index);

    AppGlobals &globals = app();
    globals.LanguageFile = globals.AppPath + QStringLiteral("/Language/") + name + QStringLiteral(".lng");
    VixIniHandling().Write_INI(globals.SettingsFile, QLatin1String(settings::Language.section),
                               QLatin1String(settings::Language.key),
                               name);
    globals.LanguageName = name;
    LoadLanguageCaptions(mainForm);
    for (int i = 0; i < names().size(); ++i)
        command(mainForm, i).setChecked(i == index);
}

} // namespace vc
