#pragma once

#include <QString>

namespace vc {

class Form;

// Applies the current language file to a window: reads the window's own
// section (the form's name) key by key, in the window's order, and sets every
// caption, tab caption, column header and chart caption, empty or not; only
// the main window's menus keep their built-in English caption when the file
// gives them none, so a broken file never hides the Language menu. Does
// nothing while no language file is in use (LanguageName empty), so the
// built-in English texts stay. Never writes the language file.
void LoadLanguageCaptions(Form &form);

// The text of a key in the current language file as it reads now; "" when
// the file, section or key is missing. Messages read their text this way each
// time they are shown.
QString languageText(const QString &section, const QString &key);

// Like languageText, but builtIn while no language file is in use or when the
// key reads empty.
QString messageText(const QString &section, const QString &key, const QString &builtIn);

// The question asked before a project with unsaved changes is replaced:
// "Messages"/"msg1", or the built-in English text while no language file is
// in use.
QString saveChangesQuestion();

} // namespace vc
