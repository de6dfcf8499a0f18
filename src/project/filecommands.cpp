#include "filecommands.h"

#include "form/appglobals.h"
#include "io/filehelpers.h"
#include "languagecaptions.h"
#include "mainform.h"
#include "form/platformservices.h"
#include "projectfile.h"
#include "form/settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vc {

namespace {

QString messageTitle()
{
    return QStringLiteral("VeltrannCalc");
}

// Whether the file or folder may be written: its permissions must allow it,
// whoever runs the program (a read-only mark holds for an administrator too).
bool writable(const QFileInfo &info)
{
    // Not WriteUser: for an administrator it says yes whatever the mode bits say.
    const auto anyWrite = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return info.isWritable() && (info.permissions() & anyWrite);
}

} // namespace

FileCommands::FileCommands(MainForm &main) : m_main(main)
{
}

QString FileCommands::fileFilter()
{
    return QStringLiteral("Veltrann Documents (*.sti)|*.sti");
}

QString FileCommands::defaultExtension()
{
    return QStringLiteral("sti");
}

QString FileCommands::defaultSaveName()
{
    return QStringLiteral("MyProject");
}

QString FileCommands::menuCaption(const QString &name, const QString &builtIn) const
{
    const Control *control = m_main.form().find(name);
    const QString caption = control && !control->text().isEmpty() ? control->text() : builtIn;
    // The title shows the caption as the menu does: without its access-key mark.
    QString title;
    for (int i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == QLatin1Char('&') && ++i >= caption.size())
            break;
        title += caption.at(i);
    }
    return title;
}

void FileCommands::setProjectFile(const QString &path)
{
    app().ProjectFile = path;
    m_main[QStringLiteral("msgLabel")].setText(path);
}

void FileCommands::rememberLastFile(const QString &path) const
{
    settings::write(settings::LastFile, path);
}

void FileCommands::showProblem(const QString &key, const QString &path) const
{
    QString builtIn;
    if (key == QLatin1String("msgFileNotProject"))
        builtIn = tr("This file is not a VeltrannCalc project. Nothing was changed.");
    else if (key == QLatin1String("msgFileNotFound"))
        builtIn = tr("The project file cannot be found. Nothing was changed.");
    else if (key == QLatin1String("msgFileTooLarge"))
        builtIn = tr("This file is too large to be a VeltrannCalc project. Nothing was changed.");
    else if (key == QLatin1String("msgFileNotSaved"))
        builtIn =
            tr("The project could not be saved, perhaps because the disk is full. The file is "
               "unchanged and your changes are still open.");
    else if (key == QLatin1String("msgFileReadOnly"))
        builtIn = tr("The project file is read-only. Use \"Save as\" to save the project under another name.");
    else
        builtIn = tr("The project cannot be saved in this folder. Use \"Save as\" to choose another folder.");
    const QString text = messageText(QStringLiteral("Messages"), key, builtIn);
    Services::messages().show(text + QStringLiteral("\r\n") + QDir::toNativeSeparators(path),
                              MessageService::Buttons::Ok, MessageService::Icon::Exclamation, messageTitle());
}

bool FileCommands::canWrite(const QString &path, QString *messageKey) const
{
    const QFileInfo info(path);
    if (info.exists() && (!info.isFile() || !writable(info))) {
        *messageKey = QStringLiteral("msgFileReadOnly");
        return false;
    }
    // The profile layer saves a file by writing a new one beside it: the folder must take it.
    const QFileInfo folder(info.absolutePath());
    if (!folder.isDir() || !writable(folder)) {
        *messageKey = QStringLiteral("msgFolderNotWritable");
        return false;
    }
    // Entries are written into the file in place: never into something else.
    if (info.exists() && info.size() > 0)
        return isProject(path, messageKey);
    return true;
}

bool FileCommands::isProject(const QString &path, QString *messageKey) const
{
    switch (checkProjectFile(path)) {
    case ProjectFileCheck::Project:
        return true;
    case ProjectFileCheck::TooLarge:
        *messageKey = QStringLiteral("msgFileTooLarge");
        return false;
    case ProjectFileCheck::NotProject:
        break;
    }
    *messageKey = QStringLiteral("msgFileNotProject");
    return false;
}

bool FileCommands::save(const QString &path)
{
    bool written = false;
    WriteProject(m_main, &written);
    m_saveFailed = !written;
    if (!written) {
        // The file on disk is the last good one; the changes stay to be saved.
        m_main.ProjectChanged = true;
        showProblem(QStringLiteral("msgFileNotSaved"), path);
        return false;
    }
    rememberLastFile(path);
    return true;
}

bool FileCommands::askSaveChanges()
{
    m_saveFailed = false;
    if (!m_main.ProjectChanged)
        return false;
    const auto answer = Services::messages().show(saveChangesQuestion(), MessageService::Buttons::YesNo,
                                                  MessageService::Icon::Exclamation, messageTitle());
    if (answer != MessageService::Answer::Yes)
        return false;
    mnuSave();
    return true;
}

void FileCommands::mnuNew()
{
    // The user wanted the changes kept: if they could not be saved, they stay in the window.
    if (askSaveChanges() && m_saveFailed)
        return;
    setProjectFile(QString());
    for (int i = 0; i <= 7; ++i)
        m_main.form().at(QStringLiteral("Text1"), i).setText(QString());
    m_main.ProjectChanged = false;
    m_main[QStringLiteral("ImgFlowting")].setPicture(QString());
}

void FileCommands::loadProject(const QString &path)
{
    setProjectFile(path);
    ReadProject(m_main);
    m_main.ProjectChanged = false;
    m_main.calculateLoad();
    m_main.Command6_Click();
    m_main.Command7_Click();
}

void FileCommands::openFile(const QString &path)
{
    loadProject(path);
    rememberLastFile(path);
}

void FileCommands::mnuOpen()
{
    if (askSaveChanges() && m_saveFailed)
        return;
    const QString path = ShowFileDialog(1, menuCaption(QStringLiteral("mnuOpen"), QStringLiteral("Open")),
                                        QString(), fileFilter(), app().DataPath, defaultExtension());
    if (path.isEmpty() || !PathExists(path, 0, false))
        return;
    QString problem;
    if (!isProject(path, &problem)) {
        showProblem(problem, path);
        return;
    }
    openFile(path);
}

void FileCommands::mnuLastFile()
{
    if (m_main.ProjectChanged && askSaveChanges())
        setProjectFile(QString());
    if (m_main.ProjectChanged)
        return;
    const QString path = settings::read(settings::LastFile);
    if (path.isEmpty() || !PathExists(path, 0, false)) {
        showProblem(QStringLiteral("msgFileNotFound"), path);
        return;
    }
    QString problem;
    if (!isProject(path, &problem)) {
        showProblem(problem, path);
        return;
    }
    setProjectFile(path);
    ReadProject(m_main);
    setProjectFile(app().ProjectFile);
}

void FileCommands::mnuSave()
{
    const QString path = app().ProjectFile;
    if (path.isEmpty() || !PathExists(path, 0, false)) {
        mnuSaveAs();
        return;
    }
    if (!m_main.ProjectChanged)
        return;
    QString problem;
    if (!canWrite(path, &problem)) {
        showProblem(problem, path);
        return;
    }
    save(path);
}

void FileCommands::mnuSaveAs()
{
    const QString path = ShowFileDialog(2, menuCaption(QStringLiteral("mnuSave"), QStringLiteral("Save")),
                                        defaultSaveName(), fileFilter(), app().DataPath, defaultExtension());
    QString problem;
    if (!path.isEmpty() && !canWrite(path, &problem)) {
        // The project keeps its file and its unsaved state; nothing is written.
        showProblem(problem, path);
        return;
    }
    setProjectFile(path);
    if (path.isEmpty()) {
        m_main.ProjectChanged = true;
        return;
    }
    if (save(path))
        m_main.ProjectChanged = false;
}

} // namespace vc
