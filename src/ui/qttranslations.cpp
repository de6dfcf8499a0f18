#include "qttranslations.h"

#include <memory>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace vc::ui {

QString QtTranslations::localeOf(const QString &languageName)
{
    if (languageName.compare(QLatin1String("Deutsch"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("de");
    if (languageName.compare(QString::fromUtf8("Fran\xc3\xa7"
                                               "ais"),
                             Qt::CaseInsensitive) == 0)
        return QStringLiteral("fr");
    if (languageName.compare(QLatin1String("Polski"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("pl");
    return QString();
}

bool QtTranslations::apply(const QString &languageName)
{
    static std::unique_ptr<QTranslator> current;
    if (current) {
        QCoreApplication::removeTranslator(current.get());
        current.reset();
    }
    const QString locale = localeOf(languageName);
    if (locale.isEmpty())
        return false;
    auto translator = std::make_unique<QTranslator>();
    // "qt_xx" gathers the translations of every Qt module installed.
    if (!translator->load(QStringLiteral("qt_") + locale,
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    QCoreApplication::installTranslator(translator.get());
    current = std::move(translator);
    return true;
}

} // namespace vc::ui
