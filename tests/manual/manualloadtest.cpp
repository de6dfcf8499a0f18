#include "manualload.h"
#include "datarows.h"
#include "designfixture.h"

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
    void ok_data() { addRows(QStringLiteral("manualload.tsv")); }

    void ok()
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
};

QTEST_GUILESS_MAIN(ManualLoadTest)
#include "manualloadtest.moc"
