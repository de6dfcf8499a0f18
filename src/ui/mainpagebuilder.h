#pragma once

#include <QString>
#include <functional>

class QLabel;
class QTextDocument;
class QWidget;

namespace vc {

class FormBinder;

// Lays out the form pages of the main window (project, load, distance, the
// two document pages) and its bottom bar, binding every widget to its control
// by name. Built-in English captions are the widgets' design texts. The
// commands are what the buttons run; an empty command leaves its button
// disabled, for windows that are not part of this build yet.
class MainPageBuilder
{
public:
    using Command = std::function<void()>;
    struct Commands {
        Command calc, calcHumid, refreshReport, copyReport, refreshTender, copyTender, saveAs, back, next;
        Command printReport, printTender, hxDiagram;
        Command equipment; // opens the basket window
        Command manualLoad, manualDistance; // the two Alternative buttons
    };
    // Called for every input field, so the window can watch its focus and keys.
    using FieldWatcher = std::function<void(QWidget *field, const QString &name)>;

    MainPageBuilder(FormBinder &binder, FieldWatcher watchField, Commands commands);

    QWidget *projectPage();
    QWidget *loadPage();
    QWidget *distancePage();
    // The Summary page (summary) or the Text for tender page, showing document.
    QWidget *documentPage(bool summary, QTextDocument *document);
    QWidget *bottomBar();

private:
    QLabel *caption(const QString &name, const QString &text, QWidget *parent = nullptr);
    QLabel *unit(const QString &name, const QString &text);
    QLabel *result(const QString &name, int minimumWidth = 70);
    QWidget *textField(const QString &name, int width = 90);
    QWidget *comboField(const QString &name, int width = 90);
    QWidget *button(const QString &name, const QString &text, std::function<void()> run);

    FormBinder &m_binder;
    FieldWatcher m_watchField;
    Commands m_commands;
};

} // namespace vc
