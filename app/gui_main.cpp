#include "frmsplash.h"
#include "mainwindowfactory.h"
#include "form/mmain.h"
#include "qtservices.h"

#include <QApplication>
#include <QPointer>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    vc::ui::installQtServices();
    vc::mMain::Main();

    QPointer<QWidget> mainWindow;
    auto *splash = new vc::ui::frmSplash(vc::ui::frmSplash::Mode::StartUp);
    splash->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(splash, &vc::ui::frmSplash::openMainWindow, [&mainWindow] {
        mainWindow = vc::ui::createMainWindow();
        mainWindow->show();
    });
    splash->show();

    const int status = application.exec();
    delete mainWindow.data();
    return status;
}
