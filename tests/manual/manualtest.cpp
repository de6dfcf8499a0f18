// The windows for entering the distance and the load by hand on a main form filled by hand, and
// the information text in each language.
#include "datarows.h"
#include "designfixture.h"
#include "infotext.h"
#include "languagecaptions.h"
#include "manualdistance.h"
#include "manualload.h"
#include "richtext/richtextfield.h"

#include <QSignalSpy>
#include <QTest>
#include <QTextDocument>

using namespace vc;
using namespace vc::test;

namespace {

// Sets the named fields of a form to the texts given, in order.
template <class F> void setTexts(F &form, const QStringList &names, const QStringList &texts)
{
    for (int i = 0; i < names.size(); ++i)
        form[names[i]].setText(texts.value(i));
}

} // namespace

class ManualTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { m_saved = app(); }
    void cleanup() { app() = m_saved; }

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

    void distanceOk_data() { addRows(QStringLiteral("manualdistance.tsv")); }

    void distanceOk()
    {
        QFETCH(int, unitSystem);
        QFETCH(QStringList, entered);
        QFETCH(QStringList, after);
        QFETCH(bool, message);
        DesignFixture fx(unitSystem);
        MainForm &f = fx.f();
        setTexts(f, {"Text3(0)", "Text3(1)", "Text3(2)", "Label30(3)", "Label30(1)", "Text3(4)"},
                 {"2500", "1000", "500", "950", "3.3", entered[0]});
        ManualDistance window(f);
        window.load();
        QSignalSpy closed(&window, &ManualDistance::unload);
        const bool small = window[QStringLiteral("Combo22")].isVisible();
        setTexts(window, {small ? "Combo22" : "Combo35", "Text1"}, entered.mid(1));
        window.Command1_Click();

        QCOMPARE(texts(f, {"Text3(1)", "Text3(2)", "Label30(3)", "Label30(1)", "Text3(0)"}),
                 after.join('|') + "|2500");
        QCOMPARE(closed.count(), 1);
        QCOMPARE(fx.messages.shown().size(), std::size_t(message ? 1 : 0));
        if (message) {
            const auto &shown = fx.messages.shown().front();
            QCOMPARE(shown.icon, MessageService::Icon::Information);
            QCOMPARE(shown.title, window.form().caption());
            QCOMPARE(shown.text,
                     languageText("frmManBS", "msg1") + "\r\n" + languageText("frmManBS", "msg2"));
        }
    }

    void loadOk_data() { addRows(QStringLiteral("manualload.tsv")); }

    void loadOk()
    {
        QFETCH(int, unitSystem);
        QFETCH(QString, total);
        QFETCH(QStringList, entries);
        QFETCH(QStringList, after);
        const QStringList written = {"Label20(6)", "Combo2(1)", "Label20(0)", "Combo2(0)",
                                     "Label20(1)", "Text2(1)",  "Combo2(2)",  "Label20(2)",
                                     "Text2(2)",   "Combo2(3)", "Text2(0)"};
        DesignFixture fx(unitSystem);
        MainForm &f = fx.f();
        setTexts(f, written,
                 {"539", "950", "2000", "35", "1.66", "-5", "60", "8.77", "21", "45", total});
        ManualLoad window(f);
        window.load();
        QSignalSpy closed(&window, &ManualLoad::unload);
        setTexts(window, {"TextbV(0)", "Textxa", "Textxi", "Textsl(1)"}, entries);
        window.Command1_Click();
        QCOMPARE(closed.count(), 1);
        QCOMPARE(texts(f, written), after.join('|') + '|' + total);
        QVERIFY(fx.messages.shown().empty());
    }

    void infoTextPath_data() { addRows(QStringLiteral("infotextpaths.tsv")); }

    void infoTextPath()
    {
        QFETCH(QString, language);
        QFETCH(QString, folder);
        app().DocsPath = QStringLiteral("C:\\VC\\Docs");
        app().LanguageName = language;
        QCOMPARE(InfoText::documentPath(), folder + QStringLiteral("\\SC.RTF"));
        QCOMPARE(app().LanguageDocsPath, folder);
    }

    void shippedInfoTexts_data() { addRows(QStringLiteral("infotexts.tsv")); }

    void shippedInfoTexts()
    {
        QFETCH(QString, language);
        QFETCH(QString, title);
        QFETCH(QString, cylinder);
        app().DocsPath = dataDir() + QStringLiteral("/Docs");
        app().LanguageName = language;
        RichTextField field;
        QVERIFY(InfoText::load(field));
        const QString text = field.document()->toPlainText();
        QVERIFY2(text.startsWith(title), qPrintable(text.left(80)));
        QVERIFY(text.contains(cylinder));
        QVERIFY(!text.contains(QLatin1Char('?'))); // no letter fell back to its stand-in
        QVERIFY(text.size() > 2500);
        const RtfReadReport &read = field.lastReadReport();
        QCOMPARE(QList<int>({read.pictures, read.tables, read.emptyFrames}), QList<int>({1, 1, 0}));
    }

private:
    AppGlobals m_saved;
};

QTEST_MAIN(ManualTest)
#include "manualtest.moc"
