#include "manualload.h"
#include "designfixture.h"
#include "languagecaptions.h"
#include "datarows.h"

#include <QSignalSpy>
#include <QTest>

using namespace vc;
using namespace vc::test;

namespace {

// The main-window fields the load window writes, in one row.
const QStringList written = {QStringLiteral("Label20(6)"), QStringLiteral("Combo2(1)"),
                             QStringLiteral("Label20(0)"), QStringLiteral("Combo2(0)"),
                             QStringLiteral("Label20(1)"), QStringLiteral("Text2(1)"),
                             QStringLiteral("Combo2(2)"),  QStringLiteral("Label20(2)"),
                             QStringLiteral("Text2(2)"),   QStringLiteral("Combo2(3)")};
const QStringList before = {"539", "950", "2000", "35", "1.66", "-5", "60", "8.77", "21", "45"};

void prepare(MainForm &f)
{
    for (int i = 0; i < written.size(); ++i)
        f[written[i]].setText(before[i]);
}

} // namespace

class ManualLoadTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void ok_data();
    void ok();
    void captionsAndUnitLabels_data();
    void captionsAndUnitLabels();
};

void ManualLoadTest::ok_data()
{
    addRows(QStringLiteral("manualload.tsv"));
}

void ManualLoadTest::ok()
{
    QFETCH(int, unitSystem);
    QFETCH(QString, total);
    QFETCH(QStringList, entries);
    QFETCH(QStringList, after);
    DesignFixture fx(unitSystem);
    MainForm &f = fx.f();
    prepare(f);
    f.Text2(0).setText(total);
    ManualLoad window(f);
    window.load();
    QSignalSpy closed(&window, &ManualLoad::unload);
    const char *const names[] = {"TextbV(0)", "Textxa", "Textxi", "Textsl(1)"};
    for (int i = 0; i < 4; ++i)
        window[QLatin1String(names[i])].setText(entries[i]);
    window.Command1_Click();
    QCOMPARE(closed.count(), 1);
    for (int i = 0; i < written.size(); ++i)
        QCOMPARE(f[written[i]].text(), after[i]);
    QCOMPARE(f.Text2(0).text(), total);
    QVERIFY(fx.messages.shown().empty());
}

void ManualLoadTest::captionsAndUnitLabels_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("unitSystem");
    QTest::addColumn<QStringList>("units"); // Label3(0), Label4, Label6, Label8(1)
    QTest::newRow("Deutsch, SI") << "Deutsch" << 0 << QStringList{"m3 / h", "g/kg", "g/kg", "m"};
    QTest::newRow("Polski, USA") << "Polski" << 1 << QStringList{"cfm", "gr/ft3", "gr/ft3", "ft"};
}

void ManualLoadTest::captionsAndUnitLabels()
{
    QFETCH(QString, language);
    QFETCH(int, unitSystem);
    QFETCH(QStringList, units);
    DesignFixture fx(unitSystem);
    app().LanguageName = language;
    app().LanguageFile =
        dataDir() + QStringLiteral("/Language/") + language + QStringLiteral(".lng");
    app().UnitName = QString::number(unitSystem);
    app().UnitFile = dataDir() + (unitSystem == 1 ? QStringLiteral("/Unit/USA.lng")
                                                  : QStringLiteral("/Unit/SI.lng"));
    ManualLoad window(fx.f());
    window.load();
    const auto text = [](const char *key) {
        return languageText(QStringLiteral("frmManDM"), QLatin1String(key));
    };
    QVERIFY(!text("caption").isEmpty());
    QCOMPARE(window.form().caption(), text("caption"));
    QCOMPARE(window[QStringLiteral("Label1(3)")].caption(), text("Label1(3).Caption"));
    const char *const labels[] = {"Label3(0)", "Label4", "Label6", "Label8(1)"};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(window[QLatin1String(labels[i])].caption(), units[i]);
}

QTEST_GUILESS_MAIN(ManualLoadTest)
#include "manualloadtest.moc"
