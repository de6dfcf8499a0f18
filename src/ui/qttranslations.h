#pragma once

#include <QString>

namespace vc::ui {

// Qt's own texts (the buttons of message boxes, the file dialogs) in the
// program's language: the Qt translation for the language named in the
// language menu is loaded, and replaced when the language changes. English
// and any unknown name use Qt's built-in English.
class QtTranslations
{
public:
    // "de" for "Deutsch", "fr" for "Français", "pl" for "Polski"; "" otherwise.
    static QString localeOf(const QString &languageName);
    // Loads the Qt translation for the language; false when there is none.
    static bool apply(const QString &languageName);
};

} // namespace vc::ui
