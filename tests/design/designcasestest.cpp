#include "ini/vixinihandling.h"
#include "readback.h"
#include "testsupport.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

namespace {

QString casesDir()
{
    return vc::test::sharedDir() + QStringLiteral("/design-cases");
}

QString languageText(const QString &key)
{
    return vc::VixIniHandling().Read_INI(vc::test::binDir() +
                                             QStringLiteral("/Language/English.lng"),
                                         QStringLiteral("frmMain"), key);
}

// "@key" and "@a + b" resolved against the main window's section.
QString expectedText(const QString &value)
{
    if (!value.startsWith(QLatin1Char('@')))
        return value;
    QStringList parts;
    for (const QString &key : value.mid(1).split(QStringLiteral(" + ")))
        parts.append(languageText(key.trimmed()));
    return parts.join(QLatin1Char(' '));
}

} // namespace

// Runs every worked design case through the command line, as a planner would,
// and compares each listed field, the message boxes and the no-model flag.
class DesignCasesTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The cases name their project files relative to their folder, in the C locale.
    void initTestCase()
    {
        QVERIFY(QDir::setCurrent(casesDir()));
        qputenv("LC_ALL", "C");
    }
    void designCase_data();
    void designCase();
};

void DesignCasesTest::designCase_data()
{
    QTest::addColumn<QString>("jsonFile");
    const QStringList cases =
        QDir(casesDir()).entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
    QVERIFY2(cases.size() >= 40, qPrintable(casesDir()));
    for (const QString &file : cases)
        QTest::newRow(qPrintable(QFileInfo(file).completeBaseName())) << file;
}

void DesignCasesTest::designCase()
{
    QFETCH(QString, jsonFile);
    const QJsonObject expected =
        QJsonDocument::fromJson(vc::test::readFile(casesDir() + QLatin1Char('/') + jsonFile))
            .object();
    QStringList args = expected.value(QLatin1String("command"))
                           .toString()
                           .split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QCOMPARE(args.value(0), QStringLiteral("veltranncalc-cli"));
    args.removeFirst();

    const vc::test::CliRun cli = vc::test::runCli(args);
    QVERIFY2(cli.status == 0, qPrintable(cli.err));
    QJsonParseError error{};
    const QJsonObject actual = QJsonDocument::fromJson(cli.out.toUtf8(), &error).object();
    QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));

    const QJsonObject fields = actual.value(QLatin1String("fields")).toObject();
    const QJsonObject expectedFields = expected.value(QLatin1String("fields")).toObject();
    for (auto it = expectedFields.begin(); it != expectedFields.end(); ++it) {
        QVERIFY2(fields.contains(it.key()), qPrintable(it.key()));
        QCOMPARE(it.key() + QLatin1String(": ") + fields.value(it.key()).toString(),
                 it.key() + QLatin1String(": ") + expectedText(it.value().toString()));
    }
    for (auto it = fields.begin(); it != fields.end(); ++it) {
        const QString text = it.value().toString();
        QVERIFY2(!text.contains(QLatin1String("nan"), Qt::CaseInsensitive) &&
                     !text.contains(QLatin1String("inf"), Qt::CaseInsensitive),
                 qPrintable(it.key() + QLatin1String(": ") + text));
    }

    QStringList messages;
    for (const QJsonValue &key : expected.value(QLatin1String("message_keys")).toArray()) {
        const QString k = key.toString();
        const QString second =
            k == QLatin1String("msgbox1") ? QStringLiteral("msgbox2") : QStringLiteral("msg22");
        messages.append(languageText(k) + QStringLiteral("\r\n") + languageText(second));
    }
    QStringList shown;
    for (const QJsonValue &message : actual.value(QLatin1String("messages")).toArray())
        shown.append(message.toString());
    QCOMPARE(shown, messages);
    QCOMPARE(actual.value(QLatin1String("no_model_found")).toBool(),
             expected.value(QLatin1String("no_model_found")).toBool());
}

QTEST_GUILESS_MAIN(DesignCasesTest)
#include "designcasestest.moc"
