#include "unitlabels.h"
#include "datarows.h"
#include "form/form.h"
#include "localisationfixture.h"

#include <QTest>

using namespace vc;
using vc::test::LocalisationInstall;

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

} // namespace

class UnitLabelsTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void labelsStayAsDesigned_data();
    void labelsStayAsDesigned();
    void shippedFiles_data() { vc::test::addRows(QStringLiteral("unitlabels.tsv")); }
    void shippedFiles();
    void customFile_data() { vc::test::addRows(QStringLiteral("customunits.tsv")); }
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
