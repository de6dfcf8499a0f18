#pragma once

class QWidget;

namespace vc::ui {

// The main window frmMain, built and loaded (its load handler has run), not
// yet shown. The caller shows it; the window may delete itself on close.
QWidget *createMainWindow();

} // namespace vc::ui
