#pragma once

#include <QString>

namespace vc {

class MainForm;

// The main window's part of a project file (vc::app().ProjectFile): the input
// pages and the chosen family. Entries are written one by one into the file
// as it stands, so sections this module does not write (the basket) survive.

// Writes the input pages and the family. False, with the project left marked
// as changed, when no picture of a chosen family exists to be named; the
// entries written before stay in the file.
bool WriteProject(MainForm &mainForm);

// Reads the input pages and the family into the window; missing entries
// empty their fields. Does not recalculate.
bool ReadProject(MainForm &mainForm);

// True when the file is text that can be read and holds at least one section
// of a project.
bool isProjectFile(const QString &path);

} // namespace vc
