#include "form/form.h"
#include "localisationfixture.h"
#include "unitlabels.h"

#include <QTest>

using namespace vc;
using vc::test::LocalisationInstall;

namespace {

// The labels as the main window is designed, before any unit file.
const QList<QPair<QString, QString>> &builtInMainLabels()
{
    static const QList<QPair<QString, QString>> labels{
        {"Einheit(5)", "m3 / h"}, {"Einheit(16)", "m3 / h"}, {"Einheit(33)", "m"},
        {"Einheit(17)", QString::fromUtf8("°C")}, {"Einheit(19)", QString::fromUtf8("°C")},
        {"Einheit(20)", "%"}, {"Einheit(21)", "%"}, {"Einheit(22)", "g/kg"}, {"Einheit(23)", "g/kg"},
        {"Einheit(24)", "g/kg"}, {"Einheit(25)", "kg/m3"}, {"Einheit(26)", "kg/h"},
        {"Label2(8)", "hPa or mbar"}, {"Einheit(29)", "130kg/h"}, {"Einheit(30)", "  65kg/h"},
        {"Einheit(31)", "    3kg/h"}, {"Einheit(32)", "    2kg/h"}, {"Einheit(1)", "m3 / h"},
        {"Einheit(2)", "m/s"}, {"Einheit(3)", QString::fromUtf8("°C")}, {"Einheit(4)", "g/kg"},
        {"Einheit(6)", "kg/h"}, {"Einheit(0)", "mm"}, {"Einheit(7)", "mm"}, {"Einheit(8)", "mm"},
        {"Einheit(14)", "mm"}, {"Einheit(9)", "m"}, {"Einheit(10)", "m"}, {"Einheit(11)", "m"},
        {"Einheit(12)", "m"}, {"Einheit(13)", "m"},
        // Set by no unit file.
        {"Einheit(15)", "x"}, {"Einheit(18)", "%"}, {"Einheit(27)", "V"},
        {"Einheit(28)", QString::fromUtf8("ø")}, {"Einheit(34)", "kW"}, {"Einheit(35)", "hPa"}};
    return labels;
}

void designMainWindow(Form &main)
{
    for (const auto &label : builtInMainLabels())
        main.add(label.first, Control::Kind::Label).setCaption(label.second);
}

QByteArray withoutLine(const QByteArray &file, const QByteArray &key)
{
    QList<QByteArray> lines = file.split('\n');
    lines.erase(std::remove_if(lines.begin(), lines.end(),
                               [&](const QByteArray &line) { return line.startsWith(key); }),
                lines.end());
    return lines.join('\n');
}

} // namespace

class UnitLabelsTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void metricFileChangesNothingVisible();
    void usFileLabels_data();
    void usFileLabels();
    void noUnitFileLeavesLabelsAlone();
    void missingKeyEmptiesOnlyItsLabel();
    void blanksKeptOnlyInQuotes_data();
    void blanksKeptOnlyInQuotes();
    void labelsWithoutKeyNeverChange();
    void manualWindows_data();
    void manualWindows();
    void fileGoneAfterStartEmptiesLabels();
    void longValueIsCut();
};

void UnitLabelsTest::metricFileChangesNothingVisible()
{
    LocalisationInstall install;
    install.useUnits(0, QStringLiteral("0"));
    Form main(QStringLiteral("frmMain"));
    designMainWindow(main);
    const auto before = install.installationDataSums();

    UnitLabels::LoadUnitLabels(main);

    for (const auto &label : builtInMainLabels())
        QCOMPARE(main.at(label.first).caption(), label.second);
    QCOMPARE(install.installationDataSums(), before);
}

void UnitLabelsTest::usFileLabels_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("expected");
    QTest::newRow("total air flow") << "Einheit(5)" << "cfm";
    QTest::newRow("altitude") << "Einheit(33)" << "ft";
    QTest::newRow("outside temperature") << "Einheit(17)" << QString::fromUtf8("°F");
    QTest::newRow("absolute humidity") << "Einheit(22)" << "gr/ft3";
    QTest::newRow("density") << "Einheit(25)" << "lb/ft3";
    QTest::newRow("load") << "Einheit(26)" << "lb/h";
    QTest::newRow("pressure beside its box") << "Label2(8)" << "inHg";
    QTest::newRow("largest capacity row") << "Einheit(29)" << "287lb/h";
    QTest::newRow("small capacity row keeps blanks") << "Einheit(31)" << "    7lb/h";
    QTest::newRow("air velocity") << "Einheit(2)" << "ft/min";
    QTest::newRow("humidity after humidifier") << "Einheit(4)" << "gr/ft3";
    QTest::newRow("duct height") << "Einheit(0)" << "in";
    QTest::newRow("pipe diameter") << "Einheit(8)" << "in";
    QTest::newRow("humidification distance") << "Einheit(9)" << "ft";
    QTest::newRow("relative humidity stays percent") << "Einheit(20)" << "%";
}

void UnitLabelsTest::usFileLabels()
{
    QFETCH(QString, label);
    QFETCH(QString, expected);
    LocalisationInstall install;
    install.useUnits(1, QStringLiteral("1"));
    Form main(QStringLiteral("frmMain"));
    designMainWindow(main);

    UnitLabels::LoadUnitLabels(main);

    QCOMPARE(main.at(label).caption(), expected);
}

void UnitLabelsTest::noUnitFileLeavesLabelsAlone()
{
    LocalisationInstall install;
    install.useUnits(1, QString()); // USA.lng exists, but start-up found no Unit entry
    Form main(QStringLiteral("frmMain"));
    designMainWindow(main);

    UnitLabels::LoadUnitLabels(main);

    for (const auto &label : builtInMainLabels())
        QCOMPARE(main.at(label.first).caption(), label.second);
}

void UnitLabelsTest::missingKeyEmptiesOnlyItsLabel()
{
    LocalisationInstall install;
    install.useUnits(1, QStringLiteral("1"));
    const QByteArray usa = vc::test::readFile(app().UnitFile);
    QVERIFY(vc::test::writeFile(app().UnitFile, withoutLine(usa, "Einheit(9).Caption")));
    Form main(QStringLiteral("frmMain"));
    designMainWindow(main);

    UnitLabels::LoadUnitLabels(main);

    QCOMPARE(main.at(QStringLiteral("Einheit(9)")).caption(), QString());
    QCOMPARE(main.at(QStringLiteral("Einheit(10)")).caption(), QStringLiteral("ft"));
    QCOMPARE(main.at(QStringLiteral("Einheit(13)")).caption(), QStringLiteral("ft"));
    QCOMPARE(main.at(QStringLiteral("Einheit(5)")).caption(), QStringLiteral("cfm"));
}

void UnitLabelsTest::blanksKeptOnlyInQuotes_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("expected");
    QTest::newRow("unquoted") << QByteArray("Einheit(30).Caption=  65kg/h") << "65kg/h";
    QTest::newRow("quoted") << QByteArray("Einheit(30).Caption=\"  65kg/h\"") << "  65kg/h";
    QTest::newRow("quoted, blanks around quotes") << QByteArray("Einheit(30).Caption =  \"  65kg/h\"  ")
                                                  << "  65kg/h";
}

void UnitLabelsTest::blanksKeptOnlyInQuotes()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, expected);
    LocalisationInstall install;
    install.useUnits(0, QStringLiteral("0"));
    QVERIFY(vc::test::writeFile(app().UnitFile, "[frmMain]\r\n" + line + "\r\n"));
    Form main(QStringLiteral("frmMain"));

    UnitLabels::LoadUnitLabels(main);

    QCOMPARE(main.at(QStringLiteral("Einheit(30)")).caption(), expected);
}

void UnitLabelsTest::labelsWithoutKeyNeverChange()
{
    LocalisationInstall install;
    install.useUnits(0, QStringLiteral("0"));
    QVERIFY(vc::test::writeFile(app().UnitFile, "[frmMain]\r\nEinheit(15).Caption=by\r\n"
                                                "Einheit(28).Caption=D\r\nEinheit(35).Caption=inHg\r\n"));
    Form main(QStringLiteral("frmMain"));
    designMainWindow(main);

    UnitLabels::LoadUnitLabels(main);

    QCOMPARE(main.at(QStringLiteral("Einheit(15)")).caption(), QStringLiteral("x"));
    QCOMPARE(main.at(QStringLiteral("Einheit(28)")).caption(), QString::fromUtf8("ø"));
    QCOMPARE(main.at(QStringLiteral("Einheit(35)")).caption(), QStringLiteral("hPa"));
}

void UnitLabelsTest::manualWindows_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("system");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("expected");
    QTest::newRow("distance window velocity, metric") << "frmManBS" << 0 << "Label3" << "m/s";
    QTest::newRow("distance window pipe, key without index") << "frmManBS" << 0 << "Label4(0)" << "mm";
    QTest::newRow("distance window velocity, US") << "frmManBS" << 1 << "Label3" << "ft/min";
    QTest::newRow("load window air volume, US") << "frmManDM" << 1 << "Label3(0)" << "cfm";
    QTest::newRow("load window outside humidity") << "frmManDM" << 0 << "Label4" << "g/kg";
    QTest::newRow("load window inside humidity, US") << "frmManDM" << 1 << "Label6" << "gr/ft3";
    QTest::newRow("load window altitude") << "frmManDM" << 0 << "Label8(1)" << "m";
}

void UnitLabelsTest::manualWindows()
{
    QFETCH(QString, window);
    QFETCH(int, system);
    QFETCH(QString, label);
    QFETCH(QString, expected);
    LocalisationInstall install;
    install.useUnits(system, QString::number(system));
    Form form(window);

    UnitLabels::LoadUnitLabels(form);

    QCOMPARE(form.at(label).caption(), expected);
}

void UnitLabelsTest::fileGoneAfterStartEmptiesLabels()
{
    LocalisationInstall install;
    install.useUnits(1, QStringLiteral("1"));
    QVERIFY(QFile::remove(app().UnitFile));
    Form main(QStringLiteral("frmMain"));
    designMainWindow(main);

    UnitLabels::LoadUnitLabels(main);

    for (const UnitLabels::Entry &entry : UnitLabels::keys(QStringLiteral("frmMain")))
        QCOMPARE(main.at(entry.control).caption(), QString());
    QCOMPARE(main.at(QStringLiteral("Einheit(27)")).caption(), QStringLiteral("V"));
    QVERIFY(!QFile::exists(app().UnitFile));
}

void UnitLabelsTest::longValueIsCut()
{
    LocalisationInstall install;
    install.useUnits(0, QStringLiteral("0"));
    QVERIFY(vc::test::writeFile(app().UnitFile,
                                "[frmManBS]\r\nLabel3.Caption=" + QByteArray(300, 'm') + "\r\n"));
    const auto before = install.installationDataSums();
    Form form(QStringLiteral("frmManBS"));

    UnitLabels::LoadUnitLabels(form);

    QCOMPARE(form.at(QStringLiteral("Label3")).caption(), QString(254, QLatin1Char('m')));
    QCOMPARE(install.installationDataSums(), before);
}

QTEST_GUILESS_MAIN(UnitLabelsTest)
#include "unitlabelstest.moc"
