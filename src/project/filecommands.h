#pragma once

#include <QCoreApplication>
#include <QString>

namespace vc {

class MainForm;

// The File menu of the main window: New Project, Open, Lastfile, Save and
// Save as (also behind the two "Save as" buttons of the document pages).
// They keep vc::app().ProjectFile, the status line "msgLabel" and the
// profile's "System"/"LastFile" in step, and ask before they replace a
// project that has unsaved changes.
//
// Guarantees beyond the plain commands: a file that is not a project (empty,
// binary, some other INI file), a last file that has gone, a read-only project
// file or a folder that cannot be written are reported in a message box; the
// project in the window stays as it was and no file is touched. A save that
// fails midway (a full disk) leaves the file as it was, is reported, and the
// project stays marked as changed.
class FileCommands
{
    Q_DECLARE_TR_FUNCTIONS(FileCommands)
public:
    explicit FileCommands(MainForm &main);

    void mnuNew();
    void mnuOpen();
    void mnuLastFile();
    void mnuSave();
    void mnuSaveAs();

    // Opens a project file without asking and without recording it as the
    // last file: read, recalculate, refresh both documents. Open is this
    // plus the last-file entry; the command line uses it alone, as it never
    // writes the profile.
    void loadProject(const QString &path);

    // Fixed texts of the project dialogs.
    static QString fileFilter();
    static QString defaultExtension();
    static QString defaultSaveName();

private:
    // The save-changes question, asked only when the project has unsaved
    // changes; saves on Yes. True when the user answered Yes. New and Open
    // stop when that save failed, so the changes are not thrown away.
    bool askSaveChanges();
    // Opens path into the window: loadProject and the last-file entry.
    void openFile(const QString &path);
    bool canWrite(const QString &path, QString *messageKey) const;
    // Whether path holds a project; if not, the key of the message saying why.
    bool isProject(const QString &path, QString *messageKey) const;
    // WriteProject and the last-file entry; a file that could not be written
    // is reported and leaves the project marked as changed.
    bool save(const QString &path);
    void showProblem(const QString &key, const QString &path) const;
    void setProjectFile(const QString &path);
    void rememberLastFile(const QString &path) const;
    QString menuCaption(const QString &name, const QString &builtIn) const;

    MainForm &m_main;
    bool m_saveFailed = false; // the last save of askSaveChanges could not write the file
};

} // namespace vc
