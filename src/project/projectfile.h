#pragma once

#include <QString>

namespace vc {

class MainForm;

// The main window's part of a project file (vc::app().ProjectFile): the input
// pages and the chosen family. Entries are written one by one into the file
// as it stands, so sections this module does not write (the basket) survive.

// Writes the input pages and the family. False, with the project left marked
// as changed, when no picture of a chosen family exists to be named (the
// entries written before stay in the file) or when the file could not be
// written at all (a full disk: the file then stays as it was, and *written,
// when given, is false).
bool WriteProject(MainForm &mainForm, bool *written = nullptr);

// Reads the input pages and the family into the window; missing entries
// empty their fields. Does not recalculate.
bool ReadProject(MainForm &mainForm);

enum class ProjectFileCheck { Project, NotProject, TooLarge };

// A project is text that can be read and holds at least one section of a
// project. Its size is no sign of that, but a file beyond any real project's
// size (64 MiB) is not read.
ProjectFileCheck checkProjectFile(const QString &path);
inline bool isProjectFile(const QString &path)
{
    return checkProjectFile(path) == ProjectFileCheck::Project;
}

} // namespace vc
