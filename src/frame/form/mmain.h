#pragma once

#include <QString>

namespace vc::mMain {

// Start-up of the program, before any window opens: fixes the application
// folders in app(), creates "Data" and "Docs" when missing, reads the language
// and unit system from the settings profile (the executable's name + ".ini"
// beside it) and resolves the language and unit files. A missing "Language" or
// "Unit" folder is reported through Services::messages(); nothing else is, and
// no profile, however bad, stops it.
void Main();

// The same for an explicit application folder and executable name (the
// command line reads the program's profile; tests use a temporary folder).
void Main(const QString &appFolder, const QString &executableName);

// Sets LanguageFile to language + ".lng" in the Language folder (found
// without case) and LanguageName to language when that file exists, else "".
void resolveLanguage(const QString &language);

// Sets UnitSystem from unitText (whole number, 0 when not numeric), UnitFile to
// "USA.lng" for 1, else "SI.lng" in the Unit folder, and UnitName to unitText
// when that file exists, else "".
void resolveUnit(const QString &unitText);

} // namespace vc::mMain
