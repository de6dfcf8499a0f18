#include "mainwindowfactory.h"

#include "frmmainwindow.h"
#include "frmsplash.h"
#include "localisation.h"
#include "mainform.h"
#include "reportdocuments.h"

namespace vc::ui {

QWidget *createMainWindow()
{
    // The window owns its logic object, which lives exactly as long as it does.
    auto *mainForm = new MainForm;
    installLocalisation(*mainForm);
    installReports(*mainForm);
    auto *window = new FrmMainWindow(*mainForm);
    mainForm->setParent(window);
    window->setAboutHandler([window] { frmSplash::showAbout(window); });
    window->load();
    return window;
}

} // namespace vc::ui
