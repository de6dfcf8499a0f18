#pragma once

namespace vc {

class MainForm;

// Plugs the language and unit behaviour into the main window: its hooks
// loadLanguageCaptions, loadUnitLabels and unitCommand (the unit menu, ending
// with the load calculation and the distance page's Calculate). Call once,
// before the window loads.
void installLocalisation(MainForm &mainForm);

// The language menu command of the main window (index 0..3).
void mnuOtherLanguage_Click(MainForm &mainForm, int index);

} // namespace vc
