#include "form/form.h"
#include "localisationfixture.h"
#include "tablefile.h"
#include "unitlabels.h"

#include <QTest>

using namespace vc;
using vc::test::LocalisationInstall;
using vc::test::readTable;
using vc::test::text;

namespace {

// The labels as the main window is designed, before any unit file.
const QList<QPair<QString, QString>> &builtInMainLabels()
{
    static const QList<QPair<QString, QString>> labels = [] {
        QList<QPair<QString, QString>> list;
        for (const auto &r : vc::test::readTable(QStringLiteral("mainlabels.tsv"), 2))
            list.append({vc::test::text(r[0]), vc::test::text(r[1])});
        return list;
    }();
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
    void labelsStayAsDesigned_data();
    void labelsStayAsDesigned();
    void missingKeyEmptiesOnlyItsLabel();
    void shippedFiles_data();
    void shippedFiles();
    void customFile_data();
    void customFile();
    void fileGoneAfterStartEmptiesLabels();
};

void UnitLabelsTest::labelsStayAsDesigned_data()
{
    QTest::addColumn<QString>("unitName");
    QTest::newRow("metric file holds the designed texts") << "0";
    QTest::newRow("no Unit entry at start-up: no file read") << "";
}

void UnitLabelsTest::labelsStayAsDesigned()
{
    QFETCH(QString, unitName);
    LocalisationInstall install;
    install.useUnits(unitName.isEmpty() ? 1 : 0, unitName); // the US file exists all the same
    Form main(QStringLiteral("frmMain"));
    designMainWindow(main);
    const auto before = install.installationDataSums();

    UnitLabels::LoadUnitLabels(main);

    for (const auto &label : builtInMainLabels())
        QCOMPARE(main.at(label.first).caption(), label.second);
    QCOMPARE(install.installationDataSums(), before);
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

void UnitLabelsTest::shippedFiles_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("system");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("expected");
    for (const auto &r : readTable(QStringLiteral("unitlabels.tsv"), 5))
        QTest::newRow(r[0].constData()) << text(r[1]) << r[2].toInt() << text(r[3]) << text(r[4]);
}

void UnitLabelsTest::shippedFiles()
{
    QFETCH(QString, window);
    QFETCH(int, system);
    QFETCH(QString, label);
    QFETCH(QString, expected);
    LocalisationInstall install;
    install.useUnits(system, QString::number(system));
    Form form(window);
    if (window == QLatin1String("frmMain"))
        designMainWindow(form);

    UnitLabels::LoadUnitLabels(form);

    QCOMPARE(form.at(label).caption(), expected);
}

void UnitLabelsTest::customFile_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("expected");
    for (const auto &r : readTable(QStringLiteral("customunits.tsv"), 4))
        QTest::newRow(r[0].constData()) << r[1] << text(r[2]) << text(r[3]);
}

void UnitLabelsTest::customFile()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, label);
    QFETCH(QString, expected);
    LocalisationInstall install;
    install.useUnits(0, QStringLiteral("0"));
    QVERIFY(vc::test::writeFile(app().UnitFile, file));
    Form main(QStringLiteral("frmMain"));
    designMainWindow(main);

    UnitLabels::LoadUnitLabels(main);

    QCOMPARE(main.at(label).caption(), expected);
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

QTEST_GUILESS_MAIN(UnitLabelsTest)
#include "unitlabelstest.moc"
