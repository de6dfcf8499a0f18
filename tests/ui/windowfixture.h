#pragma once

#include "form/platformservices.h"
#include "frmmainwindow.h"
#include "testsupport.h"

#include <functional>
#include <memory>
#include <QString>

class QAction;

namespace vc {
class MainForm;
}

namespace vc::test {

// Fills the application globals for an installation folder the way start-up
// does for the executable's folder, with the language and unit system given.
void useInstallation(const QString &appPath, const QString &language, int unitSystem);

// A main window on a throw-away installation, with scripted message boxes,
// file dialogs and clipboard; shown, loaded and active.
class WindowFixture
{
public:
    explicit WindowFixture(const QString &language = QStringLiteral("English"), int unitSystem = 0);
    ~WindowFixture();

    MainForm &main() { return *m_main; }
    FrmMainWindow &window() { return *m_window; }
    QString path(const QString &relative) const { return m_install.filePath(relative); }
    QString field(const QString &name) const;

    // The window's widgets and menu commands by name, and what the planner does with them.
    template <class T = QWidget> T *widget(const QString &name) const
    {
        T *w = m_window->findChild<T *>(name);
        if (!w)
            qWarning("no widget %s", qPrintable(name));
        return w;
    }
    QAction *action(const QString &name) const;
    void click(const QString &name);
    void clickTab(int page);
    // Tabs into a field, which selects its whole text, and types over it.
    void typeInto(const QString &name, const QString &text);
    // File > Open on the shipped example of the unit system.
    void openExample(int unitSystem = 0);

    ScriptedMessages messages;
    ScriptedFileDialogs dialogs;
    MemoryClipboard clipboard;

private:
    TempInstall m_install;
    std::unique_ptr<MainForm> m_main;
    std::unique_ptr<FrmMainWindow> m_window;
};

// Runs what the user does in the modal window the trigger opens, then closes
// it if the act left it open; the window's class name, or "" when none opened.
QString inModal(const std::function<void()> &trigger, const std::function<void(QWidget *)> &act);

} // namespace vc::test
