#pragma once

#include "form/platformservices.h"
#include "testsupport.h"

#include <QString>
#include <memory>

namespace vc {
class FrmMainWindow;
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

    ScriptedMessages messages;
    ScriptedFileDialogs dialogs;
    MemoryClipboard clipboard;

private:
    TempInstall m_install;
    std::unique_ptr<MainForm> m_main;
    std::unique_ptr<FrmMainWindow> m_window;
};

} // namespace vc::test
