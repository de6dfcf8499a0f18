#pragma once

#include "form/appglobals.h"
#include "mainform.h"
#include "form/platformservices.h"
#include "testsupport.h"
#include "ini/vixinihandling.h"

#include <QLocale>
#include <memory>

namespace vc::test {

// The main window's form loaded on the shipped installation data, in the unit
// system asked for, with every message box answered from a script and
// recorded. Restores the globals, the message service and the locale.
class DesignFixture
{
public:
    explicit DesignFixture(int unitSystem = 0) : m_saved(app())
    {
        AppGlobals &g = app();
        g.AppPath = dataDir();
        g.DataPath = g.AppPath + QStringLiteral("/Data");
        g.DocsPath = g.AppPath + QStringLiteral("/Docs");
        g.LanguageName = QStringLiteral("English");
        g.LanguageFile = g.AppPath + QStringLiteral("/Language/English.lng");
        g.UnitSystem = qint16(unitSystem);
        g.ProjectFile.clear();
        Services::setMessages(&messages);
        form = std::make_unique<MainForm>();
        form->load();
        messages.clear();
    }
    ~DesignFixture()
    {
        form.reset();
        Services::setMessages(nullptr);
        QLocale::setDefault(m_locale);
        app() = m_saved;
    }

    MainForm &f() { return *form; }

    // The text of a key of the main window's section of the English file.
    static QString text(const QString &key)
    {
        return VixIniHandling().Read_INI(app().LanguageFile, QStringLiteral("frmMain"), key);
    }
    static QString rangeWarning() { return text(QStringLiteral("msg21")) + QStringLiteral("\r\n") + text(QStringLiteral("msg22")); }

    ScriptedMessages messages;
    std::unique_ptr<MainForm> form;

private:
    AppGlobals m_saved;
    QLocale m_locale;
};

} // namespace vc::test
