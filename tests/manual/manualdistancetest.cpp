#include "manualdistance.h"
#include "datarows.h"
#include "designfixture.h"
#include "languagecaptions.h"

#include <QSignalSpy>
#include <QTest>

using namespace vc;
using namespace vc::test;

class ManualDistanceTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void standardWidths_data() { addRows(QStringLiteral("standardwidths.tsv")); }

    void standardWidths()
    {
        QFETCH(bool, small);
        QFETCH(double, length);
        QFETCH(int, width);
        QCOMPARE(ManualDistance::ductWidth(small, length), width);
    }

    void pipeListFollowsSteamOutput_data() { addRows(QStringLiteral("pipelist.tsv")); }

    void pipeListFollowsSteamOutput()
    {
        QFETCH(QString, steam);
        QFETCH(bool, small);
        DesignFixture fx;
        fx.f().Text3(4).setText(steam);
        fx.f().Label30(1).setText(QStringLiteral("3.4"));
        ManualDistance window(fx.f());
        window.load();
        QCOMPARE(window[QStringLiteral("Combo22")].isVisible(), small);
        QCOMPARE(window[QStringLiteral("Combo35")].isVisible(), !small);
        QCOMPARE(window[QStringLiteral("Label4(0)")].caption(), small ? "22 mm" : "35 mm");
        QCOMPARE(window[QStringLiteral("Text1")].text(), QStringLiteral("3.4"));
    }

    void ok_data() { addRows(QStringLiteral("manualdistance.tsv")); }

    void ok()
    {
        QFETCH(int, unitSystem);
        QFETCH(QStringList, entered);
        QFETCH(QStringList, after);
        QFETCH(bool, message);
        DesignFixture fx(unitSystem);
        MainForm &f = fx.f();
        const char *const fields[] = {"Text3(0)", "Text3(1)", "Text3(2)", "Label30(3)",
                                      "Label30(1)"};
        const char *const before[] = {"2500", "1000", "500", "950", "3.3"};
        for (int i = 0; i < 5; ++i)
            f[QLatin1String(fields[i])].setText(QLatin1String(before[i]));
        f.Text3(4).setText(entered[0]);
        ManualDistance window(f);
        window.load();
        QSignalSpy closed(&window, &ManualDistance::unload);
        const bool small = window[QStringLiteral("Combo22")].isVisible();
        window[small ? QStringLiteral("Combo22") : QStringLiteral("Combo35")].setText(entered[1]);
        window[QStringLiteral("Text1")].setText(entered[2]);
        window.Command1_Click();

        QCOMPARE((QStringList{f.Text3(1).text(), f.Text3(2).text(), f.Label30(3).text(),
                              f.Label30(1).text()}),
                 after);
        QCOMPARE(f.Text3(0).text(), QStringLiteral("2500"));
        QCOMPARE(closed.count(), 1);
        QCOMPARE(fx.messages.shown().size(), std::size_t(message ? 1 : 0));
        if (message) {
            const auto &shown = fx.messages.shown().front();
            QCOMPARE(shown.icon, MessageService::Icon::Information);
            QCOMPARE(shown.title, window.form().caption());
            const QString expected =
                languageText(QStringLiteral("frmManBS"), QStringLiteral("msg1")) +
                QStringLiteral("\r\n") +
                languageText(QStringLiteral("frmManBS"), QStringLiteral("msg2"));
            QCOMPARE(shown.text, expected);
        }
    }
};

QTEST_GUILESS_MAIN(ManualDistanceTest)
#include "manualdistancetest.moc"
