#pragma once

#include "form/appglobals.h"
#include "ini/vixinihandling.h"
#include "testsupport.h"

#include <QDir>
#include <QMap>

namespace vc::test {

// A throw-away installation with copies of the shipped language and unit files
// (the documents, which nothing here writes, stay shipped ones: copying them for
// every case made these tests slow), and the globals pointing at it as start-up
// would set them. Restores the globals.
class LocalisationInstall
{
public:
    LocalisationInstall() : m_install(false), m_saved(app())
    {
        for (const QString folder : {"/Language/", "/Unit/"})
            for (const QString &file : QDir(dataDir() + folder).entryList(QDir::Files))
                writeFile(path() + folder + file, readFile(dataDir() + folder + file));
        AppGlobals &g = app();
        g.AppPath = m_install.path();
        g.DataPath = g.AppPath + QStringLiteral("/Data");
        g.DocsPath = dataDir() + QStringLiteral("/Docs");
        g.SettingsFile = g.AppPath + QStringLiteral("/VeltrannCalc.ini");
        useLanguage(QString());
        useUnits(0, QString());
    }
    ~LocalisationInstall() { app() = m_saved; }

    QString path() const { return m_install.path(); }
    QString languageFile(const QString &name) const
    {
        return path() + QStringLiteral("/Language/") + name + QStringLiteral(".lng");
    }
    QString unitFile(const QString &name) const
    {
        return path() + QStringLiteral("/Unit/") + name + QStringLiteral(".lng");
    }

    // As start-up resolves them: the name only when the file exists.
    void useLanguage(const QString &name)
    {
        app().LanguageFile = languageFile(name);
        app().LanguageName =
            !name.isEmpty() && QFile::exists(app().LanguageFile) ? name : QString();
    }
    void useLanguageFile(const QString &file, const QString &name)
    {
        app().LanguageFile = file;
        app().LanguageName = name;
    }
    // A language file of the test's own, written and in use.
    bool useOwnLanguageFile(const QByteArray &bytes)
    {
        useLanguageFile(languageFile(QStringLiteral("Test")), QStringLiteral("Test"));
        return writeFile(app().LanguageFile, bytes);
    }
    void useUnits(int system, const QString &unitName)
    {
        app().UnitSystem = qint16(system);
        app().UnitFile = unitFile(system == 1 ? QStringLiteral("USA") : QStringLiteral("SI"));
        app().UnitName = unitName;
    }

    // What the settings profile records under [System].
    static QString recorded(const QString &key)
    {
        return VixIniHandling().Read_INI(app().SettingsFile, "System", key);
    }

    // Every language and unit file's bytes, to prove nothing wrote them.
    QMap<QString, QByteArray> installationData() const
    {
        QMap<QString, QByteArray> files;
        for (const QString folder : {"/Language/", "/Unit/"})
            for (const QString &file : QDir(path() + folder).entryList(QDir::Files))
                files.insert(folder + file, readFile(path() + folder + file));
        return files;
    }

private:
    TempInstall m_install;
    AppGlobals m_saved;
};

} // namespace vc::test
