#pragma once

#include "form/appglobals.h"
#include "form/platformservices.h"
#include "ini/vixinihandling.h"
#include "mainform.h"
#include "testsupport.h"

#include <memory>
#include <QLocale>

namespace vc::test {

// The texts of the named fields, joined by "|", to compare a group at once.
inline QString texts(MainForm &f, const QStringList &names)
{
    QStringList list;
    for (const QString &name : names)
        list << f[name].text();
    return list.join('|');
}

// The main window's form loaded on the installation data, English, in the unit
// system asked for, with every message box and file dialog answered from a
// script and recorded. The data is the shipped one in the source tree, or a
// throw-away copy with its own settings profile that the test may write.
// Restores the globals, the services and the locale.
class DesignFixture
{
public:
    explicit DesignFixture(int unitSystem = 0, bool ownInstall = false) : m_saved(app())
    {
        if (ownInstall)
            m_install = std::make_unique<TempInstall>();
        AppGlobals &g = app();
        g.AppPath = m_install ? m_install->path() : dataDir();
        g.DataPath = g.AppPath + QStringLiteral("/Data");
        g.DocsPath = g.AppPath + QStringLiteral("/Docs");
        if (m_install)
            g.SettingsFile = g.AppPath + QStringLiteral("/VeltrannCalc.ini");
        g.LanguageName = "English";
        g.LanguageFile = g.AppPath + QStringLiteral("/Language/English.lng");
        g.UnitSystem = qint16(unitSystem);
        g.ProjectFile.clear();
        Services::setMessages(&messages);
        Services::setFileDialogs(&dialogs);
        form = std::make_unique<MainForm>();
        form->load();
        messages.clear();
    }
    ~DesignFixture()
    {
        form.reset();
        Services::setMessages(nullptr);
        Services::setFileDialogs(nullptr);
        QLocale::setDefault(m_locale);
        app() = m_saved;
    }

    MainForm &f() { return *form; }
    QString field(const QString &name) { return (*form)[name].text(); }
    QString path(const QString &relative) const { return app().AppPath + '/' + relative; }

    // The text of a key of the main window's section of the English file.
    static QString text(const QString &key)
    {
        return VixIniHandling().Read_INI(app().LanguageFile, "frmMain", key);
    }
    static QString rangeWarning() { return text("msg21") + QStringLiteral("\r\n") + text("msg22"); }

    ScriptedMessages messages;
    ScriptedFileDialogs dialogs;
    std::unique_ptr<MainForm> form;

private:
    AppGlobals m_saved;
    QLocale m_locale;
    std::unique_ptr<TempInstall> m_install;
};

} // namespace vc::test
