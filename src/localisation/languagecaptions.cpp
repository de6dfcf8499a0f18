#include "languagecaptions.h"

#include "captionkeys.h"

#include "form/appglobals.h"
#include "form/form.h"
#include "ini/vixinihandling.h"

#include <QHash>

namespace vc {

namespace {

// A menu must never go blank, or a broken language file would hide the very
// Language menu that leads back out of it: without a text from the file, a
// menu shows its built-in caption.
QString builtInMenuCaption(const QString &control)
{
    static const QHash<QString, QString> captions = {
        {QStringLiteral("mnuFile"), QStringLiteral("File")},
        {QStringLiteral("mnuNew"), QStringLiteral("New Project")},
        {QStringLiteral("mnuOpen"), QStringLiteral("Open")},
        {QStringLiteral("mnuLastFile(0)"), QStringLiteral("Lastfile")},
        {QStringLiteral("mnuSave"), QStringLiteral("Save")},
        {QStringLiteral("mnuSaveAs"), QStringLiteral("Save as")},
        {QStringLiteral("mnuPrint"), QStringLiteral("Print")},
        {QStringLiteral("mnuExit"), QStringLiteral("Exit")},
        {QStringLiteral("mnuLanguage"), QStringLiteral("Language")},
        {QStringLiteral("mnuUnit"), QStringLiteral("Units")},
        {QStringLiteral("mnuOtherUnit(0)"), QStringLiteral("SI")},
        {QStringLiteral("mnuOtherUnit(1)"), QStringLiteral("USA")},
        {QStringLiteral("mnuInfo"), QStringLiteral("Info")},
        {QStringLiteral("mnuAbout"), QStringLiteral("About")},
        {QStringLiteral("mnuSC"), QStringLiteral("SC-System")},
    };
    return captions.value(control);
}

void setTabCaption(Control &tabs, int page, const QString &text)
{
    QStringList captions = tabs.items();
    while (captions.size() <= page)
        captions.append(QString());
    captions[page] = text;
    tabs.setItems(captions);
}

} // namespace

void LoadLanguageCaptions(Form &form)
{
    const AppGlobals &globals = app();
    if (globals.LanguageName.isEmpty())
        return;
    const VixIniHandling ini;
    const QString section = form.name();
    for (const CaptionKeys::Entry &entry : CaptionKeys::captions(section)) {
        const QString text = ini.Read_INI(globals.LanguageFile, section, entry.key);
        for (const CaptionKeys::Target &target : entry.targets) {
            switch (target.kind) {
            case CaptionKeys::Target::Kind::WindowTitle:
                form.setCaption(text);
                break;
            case CaptionKeys::Target::Kind::TabCaption:
                setTabCaption(form.at(target.control), target.index, text);
                break;
            case CaptionKeys::Target::Kind::Control: {
                const QString builtIn =
                    text.trimmed().isEmpty() ? builtInMenuCaption(target.control) : QString();
                form.at(target.control).setCaption(builtIn.isEmpty() ? text : builtIn);
                break;
            }
            }
        }
    }
    // The basket's captions for other articles repeat those for units.
    if (section.compare(QLatin1String("frmKorb"), Qt::CaseInsensitive) == 0) {
        form.at(QStringLiteral("lbDesc(4)")).setCaption(form.at(QStringLiteral("lbDesc(0)")).caption());
        form.at(QStringLiteral("lbDesc(5)")).setCaption(form.at(QStringLiteral("lbDesc(1)")).caption());
    }
}

QString languageText(const QString &section, const QString &key)
{
    return VixIniHandling().Read_INI(app().LanguageFile, section, key);
}

QString messageText(const QString &section, const QString &key, const QString &builtIn)
{
    if (app().LanguageName.isEmpty())
        return builtIn;
    const QString text = languageText(section, key);
    return text.isEmpty() ? builtIn : text;
}

QString saveChangesQuestion()
{
    if (app().LanguageName.isEmpty())
        return QStringLiteral("Your data would be changed, you need to save");
    return languageText(QStringLiteral("Messages"), QStringLiteral("msg1"));
}

} // namespace vc
