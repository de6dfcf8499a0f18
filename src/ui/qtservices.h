#pragma once

#include "form/platformservices.h"

#include <QStringList>

namespace vc::ui {

// The platform services as the windows provide them: Qt message boxes, Qt file
// dialogs and the system clipboard.
class QtMessages : public MessageService
{
public:
    Answer show(const QString &text, Buttons buttons, Icon icon, const QString &title) override;
};

class QtFileDialogs : public FileDialogService
{
public:
    QString choose(Mode mode, const QString &title, const QString &defaultName,
                   const QString &filter, const QString &initialFolder,
                   const QString &defaultExtension) override;
    // "Project (*.sti)|*.sti|All files|*.*" -> {"Project (*.sti *.STI)", "All files (*)"}:
    // Windows matches patterns without case, so both cases are offered.
    static QStringList qtFilters(const QString &windowsFilter);
};

class QtClipboard : public ClipboardService
{
public:
    void clear() override;
    void setRichText(const QByteArray &rtf, const QString &html, const QString &plain) override;
    void setText(const QString &text) override;
    void setImage(const QImage &image) override;
    QString text() const override;
};

// Puts the Qt services in force for the rest of the process.
void installQtServices();

} // namespace vc::ui
