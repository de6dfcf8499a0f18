#pragma once

#include <QColor>
#include <QHash>
#include <QMainWindow>
#include <functional>
#include <memory>

class QTabWidget;
class QWidget;

namespace vc {

class Control;
class FamilyPage;
class FileCommands;
class FormBinder;
class MainForm;

// The main window frmMain: the six pages of the tabbed dialog SSTab1, the
// page buttons, the menus and the status line, each widget bound to its
// control of the MainForm. Everything the window does runs through the
// MainForm's handlers and the file commands; the window adds only what is
// about widgets: the focus colours, the floating preview, the Exit command.
class FrmMainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit FrmMainWindow(MainForm &mainForm, QWidget *parent = nullptr);
    ~FrmMainWindow() override;

    MainForm &mainForm() { return m_main; }
    FormBinder &binder() { return *m_binder; }
    FileCommands &fileCommands() { return *m_files; }
    QTabWidget *tabs() const { return m_tabs; }
    FamilyPage *familyPage() const { return m_familyPage; }

    // Runs the window's load handler: captions, units, lists, defaults.
    void load();

    // What About shows; the start-up code installs the splash window here.
    void setAboutHandler(std::function<void()> handler) { m_about = std::move(handler); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenus();
    void watchFocus(QWidget *field, const QString &name);
    void onExit();
    // Print on the Summary page and the print menu: fill both documents, then preview.
    void printReport();
    void openPreview();
    // Equipment: the basket window, modal, loaded anew each time.
    void openBasket();

    MainForm &m_main;
    std::unique_ptr<FormBinder> m_binder;
    std::unique_ptr<FileCommands> m_files;
    QTabWidget *m_tabs = nullptr;
    FamilyPage *m_familyPage = nullptr;
    std::function<void()> m_about;
    QColor m_focusSavedColor; // FocusSavedColor: one for all fields, one field has the focus
    QHash<QObject *, QString> m_focusFields;
};

} // namespace vc
