#include "form/mmain.h"

#include "form/appglobals.h"
#include "io/filehelpers.h"
#include "form/platformservices.h"
#include "form/settings.h"
#include "convert/vixconvert.h"
#include "ini/vixinihandling.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace vc::mMain {

namespace {

// The start-up messages are the only ones with built-in texts: without the
// Language folder there is no file to take them from.
void reportMissingFolder(const QString &text)
{
    Services::messages().show(text, MessageService::Buttons::Ok, MessageService::Icon::Critical,
                              QStringLiteral("Run Error"));
}

// A path below AppPath; the root folder already ends in a separator.
QString inApp(const QString &relative)
{
    const QString &root = app().AppPath;
    if (root.endsWith(QLatin1Char('/')))
        return root + relative;
    return root + QLatin1Char('/') + relative;
}

// The file as it exists (found without case), or the path as composed.
QString existingOrComposed(const QString &path)
{
    const QString found = nativePath(path);
    return QFileInfo(found).isFile() ? found : path;
}

} // namespace

void resolveLanguage(const QString &language)
{
    AppGlobals &g = app();
    g.LanguageFile =
        existingOrComposed(inApp(QStringLiteral("Language/") + language + QStringLiteral(".lng")));
    // A name is a file name, never a path into another folder.
    const bool plainName = !language.isEmpty() && !language.contains(QLatin1Char('/')) &&
                           !language.contains(QLatin1Char('\\'));
    g.LanguageName = plainName && PathExists(g.LanguageFile, 0, false) ? language : QString();
}

void resolveUnit(const QString &unitText)
{
    AppGlobals &g = app();
    g.UnitSystem = VixConvert::GInt(unitText);
    g.UnitFile = existingOrComposed(
        inApp(QStringLiteral("Unit/") +
              (g.UnitSystem == 1 ? QStringLiteral("USA.lng") : QStringLiteral("SI.lng"))));
    g.UnitName = PathExists(g.UnitFile, 0, false) ? unitText : QString();
}

void Main(const QString &appFolder, const QString &executableName)
{
    AppGlobals &g = app();
    g = AppGlobals();
    g.AppPath = QDir::cleanPath(QDir(appFolder).absolutePath());
    g.DataPath = inApp(QStringLiteral("Data"));
    g.DocsPath = inApp(QStringLiteral("Docs"));
    PathExists(g.DataPath, 1, true);
    PathExists(g.DocsPath, 1, true);

    QString name = QFileInfo(executableName).fileName();
    if (name.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive))
        name.chop(4);
    g.SettingsFile = existingOrComposed(inApp(name + QStringLiteral(".ini")));

    VixIniHandling ini;
    ini.GetIniFile(g.SettingsFile);
    const QString language = settings::read(settings::Language);
    if (!PathExists(inApp(QStringLiteral("Language")), 1, false))
        reportMissingFolder(
            QStringLiteral("Language folder not found\r\nI will be Run only on English"));
    resolveLanguage(language);

    const QString unitText = settings::read(settings::Unit);
    if (!PathExists(inApp(QStringLiteral("Unit")), 1, false))
        reportMissingFolder(
            QStringLiteral("Unit folder not found\r\nI will be Run only with metric"));
    resolveUnit(unitText);
}

void Main()
{
    Main(QCoreApplication::applicationDirPath(),
         QFileInfo(QCoreApplication::applicationFilePath()).fileName());
}

} // namespace vc::mMain
