#pragma once

#include <QStringList>

namespace vc {

class Form;

// The main window's language menu: four fixed commands "mnuOtherLanguage(0..3)"
// whose captions are also the base names of the language files.
class LanguageMenu
{
public:
    // "English", "Deutsch", "Français", "Polski", by command index.
    static QStringList names();

    // Ticks the command of the language in use, none for any other name
    // (also none while no language file is in use).
    static void check(Form &mainForm);

    // The language switch: points the language file at the command's
    // language, records it in the settings profile, reapplies the main
    // window's captions and moves the tick. Also when that language is active
    // already, and also when its file is missing (the captions then go
    // empty). Unit labels, report and tender stay as they are.
    static void mnuOtherLanguage_Click(Form &mainForm, int index);
};

} // namespace vc
