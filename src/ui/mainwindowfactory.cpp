#include "mainwindowfactory.h"

#include <QMainWindow>

namespace vc::ui {

// Stands in until the real main window is linked in.
QWidget *createMainWindow()
{
    auto *window = new QMainWindow;
    window->setWindowTitle(QStringLiteral("VeltrannCalc"));
    window->resize(800, 600);
    return window;
}

} // namespace vc::ui
