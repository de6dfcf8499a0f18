#pragma once

#include "form/appglobals.h"
#include "ini/vixinihandling.h"
#include "testsupport.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
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
        for (const char *folder : {"Language", "Unit"})
            for (const QFileInfo &file : QDir(dataDir() + QLatin1Char('/') + QLatin1String(folder))
                                             .entryInfoList(QDir::Files))
                writeFile(path() + QLatin1Char('/') + QLatin1String(folder) + QLatin1Char('/') +
                              file.fileName(),
                          readFile(file.filePath()));
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

    // Checksums of every language and unit file, to prove nothing wrote them.
    QMap<QString, QByteArray> installationDataSums() const
    {
        QMap<QString, QByteArray> sums;
        for (const char *folder : {"Language", "Unit"}) {
            QDirIterator it(path() + QLatin1Char('/') + QLatin1String(folder), QDir::Files);
            while (it.hasNext()) {
                const QString file = it.next();
                sums.insert(file,
                            QCryptographicHash::hash(readFile(file), QCryptographicHash::Sha1));
            }
        }
        return sums;
    }

private:
    TempInstall m_install;
    AppGlobals m_saved;
};

} // namespace vc::test
