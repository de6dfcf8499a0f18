#pragma once

#include <QString>

namespace vc {

// The folders and files fixed at start-up; only the language and unit
// switching change the language and unit entries later.
struct AppGlobals {
    QString AppPath;      // folder of the executable
    QString DataPath;     // AppPath + "/Data"
    QString DocsPath;     // AppPath + "/Docs"
    QString SettingsFile; // executable name + ".ini" in AppPath
    QString LanguageFile; // AppPath + "/Language/" + language + ".lng"
    QString LanguageName; // empty: no language file, built-in English stays
    qint16 UnitSystem = 0; // 1 US customary, anything else metric
    QString UnitFile;     // AppPath + "/Unit/" + ("USA.lng" | "SI.lng")
    QString UnitName;     // empty: no unit file, built-in metric labels stay
    QString ProjectFile;  // the project file open now
    QString LanguageDocsPath; // Docs subfolder of the current language
};

// The process-wide instance.
AppGlobals &app();

} // namespace vc
