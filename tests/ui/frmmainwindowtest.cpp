// The main window driven as a planner drives it: keys, mouse clicks, menus.
#include "frmmainwindow.h"
#include "datarows.h"
#include "familypage.h"
#include "form/appglobals.h"
#include "form/settings.h"
#include "ini/vixinihandling.h"
#include "mainform.h"
#include "picturebox.h"
#include "richtext/richtextfield.h"
#include "shapemark.h"
#include "testsupport.h"
#include "windowfixture.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>

using namespace vc;
using vc::test::WindowFixture;

namespace {

QString iniValue(const QString &file, const QString &section, const QString &key)
{
    return VixIniHandling().Read_INI(file, section, key);
}

QStringList fields(const WindowFixture &f, const QStringList &names)
{
    QStringList texts;
    for (const QString &name : names)
        texts << f.field(name);
    return texts;
}

// The "Selected humidifier" panel as the planner reads it: family, size, power, housing.
QString panel(const WindowFixture &f)
{
    const auto shown = [&](const char *name) {
        auto *label = f.widget<QLabel>(name);
        return label->isVisibleTo(label->window()) ? label->text() : QStringLiteral("<hidden>");
    };
    return f.field("Label20(7)") + " | " + f.field("Label20(8)") + " | " + shown("selectedPower") +
           ' ' + shown("Einheit(34)") + " | " + shown("selectedHousing") + ' ' +
           shown("selectedHousingUnit");
}

const QColor yellow(255, 255, 0);

QColor base(QWidget *w)
{
    return w->palette().color(QPalette::Base);
}

} // namespace

class FrmMainWindowTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void startsWithDefaults_data() { vc::test::addRows("startdefaults.tsv"); }

    void startsWithDefaults()
    {
        QFETCH(int, unitSystem);
        QFETCH(QStringList, texts);
        QFETCH(QStringList, entries);
        QFETCH(QString, family);
        WindowFixture f(QStringLiteral("English"), unitSystem);
        QCOMPARE(fields(f, {"Text2(0)", "Text2(1)", "Text2(2)", "Combo2(0)", "Combo2(1)",
                            "Combo2(2)", "Combo2(3)", "Combo2(4)", "Combo2(5)", "Text3(1)",
                            "Text3(2)", "Combo3(0)", "Label20(8)"}),
                 texts);
        QStringList counts;
        for (const char *name : {"Combo2(0)", "Combo2(1)", "Combo3(0)"})
            counts << QString::number(f.widget<QComboBox>(name)->count());
        QCOMPARE(counts, entries);
        QCOMPARE(f.widget<QComboBox>("Combo2(0)")->itemText(0), "1");
        QCOMPARE(f.main()["Combo2(4)"].items() + f.main()["Combo2(5)"].items(),
                 QStringList({"400", "230", "3", "1"}));
        QCOMPARE(f.window().tabs()->currentIndex(), 0);
        QCOMPARE(f.window().tabs()->count(), 6);
        QCOMPARE(f.widget<QLabel>("msgLabel")->text(), QString());
        // The manual input windows work in metric units only.
        for (const char *name : {"Command20(0)", "Command30(0)", "Label2(17)"})
            QCOMPARE(f.widget(name)->isHidden(), unitSystem == 1);
        QVERIFY(f.action("mnuOtherUnit(" + QString::number(unitSystem) + ")")->isChecked());
        QVERIFY(f.action("mnuOtherLanguage(0)")->isChecked());
        QVERIFY(!f.main().ProjectChanged);
        // The page buttons wrap around.
        f.click("btnPrev");
        QCOMPARE(f.window().tabs()->currentIndex(), 5);
        f.click("btnNext");
        QCOMPARE(f.window().tabs()->currentIndex(), 0);

        // The shipped example opens whole, calculated and unchanged.
        f.openExample(unitSystem);
        QCOMPARE(f.messages.texts(), QStringList());
        QCOMPARE(f.field("Label20(7)"), family);
        QCOMPARE(f.field("Label20(9)"), QString());
        QVERIFY(!f.main().NoModelFound);
        for (const char *name : {"Text1(0)", "Label20(8)"})
            QVERIFY2(!f.field(name).isEmpty(), name);
        for (int i = 1; i <= 9; ++i)
            QVERIFY2(!f.field(Form::item("Label30", i)).isEmpty(), qPrintable(QString::number(i)));
        QVERIFY(f.widget<PictureBox>("ImageSelected")->hasImage());
        QVERIFY(!f.main().ProjectChanged);
    }

    // A planner's typical job, start to finish, with the file checked at the end.
    void typicalJob()
    {
        WindowFixture f;
        f.typeInto("Text1(0)", "Hotel Brisa");
        f.typeInto("Text1(6)", "A. Planner");
        QVERIFY(f.main().ProjectChanged);

        f.click("btnNext");
        QCOMPARE(f.window().tabs()->currentIndex(), 1);
        f.typeInto("Text2(0)", "8000");
        f.typeInto("Text2(1)", "-5");
        f.click("btnCalc");
        QCOMPARE(fields(f, {"Label20(0)", "Label20(1)", "Label20(2)", "Label20(3)", "Label20(4)",
                            "Label20(5)", "Label20(6)", "Label20(8)"}),
                 QStringList({"1600", "1.7", "8.8", "7.1", "1.12", "12.7", "539", "1534"}));

        // Family page: 1534 greys the three small families; Tavro 500 is taken, Dremon 500
        // refused, which empties the panel, then Tavro 500 taken again.
        f.click("btnNext");
        for (int i = 0; i < 6; ++i)
            QCOMPARE(f.widget(Form::item("Image5", i))->isVisibleTo(&f.window()), i < 3);
        auto *picture = f.widget<PictureBox>("ImageSelected");
        for (int family : {0, 3, 0}) {
            QTest::mouseClick(f.window().familyPage()->familyArea(family), Qt::LeftButton);
            const bool taken = family == 0;
            QCOMPARE(f.field("Label20(7)"), taken ? QStringLiteral("Tavro 500") : QString());
            QCOMPARE(f.field("Label20(9)").isEmpty(), taken);
            QCOMPARE(f.widget<QLabel>("Label20(9)")->text(), f.field("Label20(9)"));
            QCOMPARE(f.widget("Label20(9)")->isHidden(), taken); // an empty message takes no room
            QCOMPARE(picture->picture().endsWith("U-tavro 500.jpg"), taken);
            QCOMPARE(picture->picture().isEmpty(), !taken);
            QCOMPARE(picture->hasImage(), taken);
        }

        // Distance page: the family carried over, sized on Calculate.
        f.click("btnNext");
        QCOMPARE(fields(f, {"Label30(0)", "Text3(0)", "Text3(4)"}),
                 QStringList({"Tavro 500", "8000", "15"}));
        f.click("btnCalcHumid");
        QCOMPARE(fields(f, {"Label30(1)", "Label30(3)", "Label30(4)", "Label30(5)", "Label30(6)",
                            "Label20(10)"}),
                 QStringList({"4.4", "900", "35", "0.9", "4.5", "11.4"}));

        // Save as from the summary page's button; the dialog is titled with the menu caption
        // shown without its access-key mark.
        const QString file = f.path("Data/Hotel Brisa.sti");
        f.dialogs.script(file);
        f.clickTab(4);
        f.click("Command50");
        const ScriptedFileDialogs::Asked saveAs = f.dialogs.asked().back();
        QVERIFY(!saveAs.title.isEmpty());
        QCOMPARE(QStringList({saveAs.title, saveAs.defaultName, saveAs.initialFolder,
                              saveAs.defaultExtension, saveAs.filter}),
                 QStringList({f.field("mnuSave").remove('&'), "MyProject", app().DataPath, "sti",
                              "Veltrann Documents (*.sti)|*.sti"}));
        QCOMPARE(QStringList({app().ProjectFile, f.widget<QLabel>("msgLabel")->text(),
                              settings::read(settings::LastFile)}),
                 QStringList(3, file));
        QVERIFY(!f.main().ProjectChanged);

        // New empties the project information only; Open brings it back, recalculated.
        f.action("mnuNew")->trigger();
        QCOMPARE(f.widget<QLineEdit>("Text1(0)")->text() + '|' + f.field("Label20(7)") + '|' +
                     app().ProjectFile,
                 "|Tavro 500|");
        f.dialogs.script(file);
        f.action("mnuOpen")->trigger();
        QCOMPARE(f.dialogs.asked().back().title + '|' + f.dialogs.asked().back().defaultName,
                 f.field("mnuOpen").remove('&') + '|');
        QCOMPARE(fields(f, {"Text1(0)", "Label20(7)", "Label20(5)", "Label30(5)"}),
                 QStringList({"Hotel Brisa", "Tavro 500", "12.7", "0.9"}));
        QCOMPARE(f.widget<QLabel>("msgLabel")->text(), file);

        // Save writes a changed client; Save as on the tender page takes a new file.
        f.typeInto("Text1(0)", "Hotel Brisa Sur");
        f.action("mnuSave")->trigger();
        QCOMPARE(iniValue(file, "Seite1-Text1", "0"), "Hotel Brisa Sur");
        const QString copy = f.path("Data/Hotel Brisa Sur.sti");
        f.dialogs.script(copy);
        f.clickTab(5);
        f.click("Command60");
        QCOMPARE(app().ProjectFile, copy);
        QCOMPARE(iniValue(copy, "Seite1-Text1", "0"), "Hotel Brisa Sur");

        // The file holds the pages and the family.
        QStringList saved;
        for (const char *entry : {"Seite1-Text1/6", "Seite2-Text2/0", "Seite2-Combo2/5",
                                  "Seite3-Text3/1", "Ger\u00e4t/Model", "Ger\u00e4t/Bild"})
            saved << iniValue(copy, QString::fromUtf8(entry).section('/', 0, 0),
                              QString::fromUtf8(entry).section('/', 1));
        QCOMPARE(saved,
                 QStringList({"A. Planner", "8000", "3", "1000", "Tavro 500", "U-tavro 500.jpg"}));
        QCOMPARE(f.messages.shown().size(), size_t(0));
    }

    void saveChangesQuestion_data() { vc::test::addRows("savechanges.tsv"); }

    void saveChangesQuestion()
    {
        QFETCH(bool, yes);
        WindowFixture f;
        f.typeInto("Text1(0)", "Unsaved client");
        const QString file = f.path("Data/unsaved.sti");
        f.messages.script(yes ? MessageService::Answer::Yes : MessageService::Answer::No);
        f.dialogs.script(file); // the Save as of a never-saved project, if asked
        f.action("mnuNew")->trigger();

        QCOMPARE(f.messages.shown().size(), size_t(1));
        const auto &asked = f.messages.shown().front();
        QVERIFY(asked.buttons == MessageService::Buttons::YesNo &&
                asked.icon == MessageService::Icon::Exclamation && !asked.text.isEmpty());
        QCOMPARE(QFile::exists(file), yes);
        if (yes)
            QCOMPARE(iniValue(file, "Seite1-Text1", "0"), "Unsaved client");
        // Either way New goes on.
        QCOMPARE(f.field("Text1(0)") + app().ProjectFile, QString());
        QVERIFY(!f.main().ProjectChanged);
    }

    // Entering a field by Tab, the Tab key or a click turns it yellow and selects its
    // whole text; a drop-down field keeps its selection.
    void focusHighlighting()
    {
        WindowFixture f;
        f.clickTab(1);
        auto *first = f.widget<QLineEdit>("Text2(1)");
        auto *second = f.widget<QLineEdit>("Text2(2)");
        auto *combo = f.widget<QComboBox>("Combo2(2)");
        const QColor normal = base(first);
        first->setFocus(Qt::TabFocusReason);
        QCOMPARE(base(first), yellow);
        QCOMPARE(first->selectedText(), QStringLiteral("-5"));
        QCOMPARE(f.main()["Text2(1)"].backColor(), yellow);

        combo->setFocus(Qt::TabFocusReason);
        QCOMPARE(base(first), normal);
        QCOMPARE(base(combo), yellow);
        first->setFocus(Qt::TabFocusReason);
        QCOMPARE(base(combo), normal);

        QTest::keyClick(first, Qt::Key_Tab);
        QVERIFY(second->hasFocus());
        QCOMPARE(base(first), normal);
        QCOMPARE(base(second), yellow);
        QCOMPARE(second->selectedText(), QStringLiteral("22"));

        first->setFocus(Qt::TabFocusReason);
        QTest::mouseClick(second, Qt::LeftButton);
        QTest::qWait(1);
        QCOMPARE(second->selectedText(), QStringLiteral("22"));
    }

    void panelFollowsTheFamilyAndSize_data() { vc::test::addRows("selectedpanel.tsv"); }

    // The panel shows only the model its family and size call for, whatever the planner did before.
    void panelFollowsTheFamilyAndSize()
    {
        QFETCH(int, unitSystem);
        QFETCH(QString, steps);
        QFETCH(QString, expected);
        WindowFixture f(QStringLiteral("English"), unitSystem);
        f.messages.setDefaultAnswer(MessageService::Answer::No);
        for (const QString &step : steps.split(';')) {
            const QString argument = step.section(' ', 1);
            if (step.startsWith("calc")) {
                f.main().selectPage(MainForm::LoadPage);
                f.typeInto("Text2(0)", argument);
                f.click("btnCalc");
            } else if (step.startsWith("family")) {
                f.main().selectPage(MainForm::FamilyPage);
                QTest::mouseClick(f.window().familyPage()->familyArea(argument.toInt()),
                                  Qt::LeftButton);
            } else {
                f.main().ProjectChanged = false;
                settings::write(settings::LastFile, f.path("Data/Example metric.sti"));
                f.action("mnuLastFile(0)")->trigger();
                f.main().selectPage(MainForm::FamilyPage);
            }
        }
        QCOMPARE(panel(f), expected);
    }

    // Over a family its picture floats beside the mouse, inside the page; over a
    // self-cleaning hot spot the caption and its marks light up; the page's
    // margin ends both.
    void previewAndHotSpotsFollowTheMouse()
    {
        WindowFixture f;
        f.clickTab(2);
        FamilyPage *page = f.window().familyPage();
        PictureBox *preview = page->floatingPreview();
        QVERIFY(preview->isHidden());
        QWidget *quenil = page->familyArea(1);
        QTest::mouseMove(quenil, quenil->rect().center());
        QTRY_VERIFY(!preview->isHidden());
        QVERIFY(preview->picture().endsWith("U-quenil 500.jpg"));
        const QPoint first = preview->pos();
        QTest::mouseMove(quenil, quenil->rect().center() + QPoint(-20, -30));
        QTRY_VERIFY(preview->pos() != first);
        QVERIFY(page->rect().contains(preview->geometry()));
        QTest::mouseMove(page, QPoint(5, 5));
        QTRY_VERIFY(preview->isHidden());
        QCOMPARE(preview->picture(), QString());

        auto *caption = f.widget<QLabel>("Label2(32)");
        for (int spot = 0; spot < 3; ++spot) {
            QTest::mouseMove(page->hotSpot(spot), page->hotSpot(spot)->rect().center());
            QTRY_VERIFY(caption->font().underline());
            QCOMPARE(caption->palette().color(QPalette::WindowText), QColor(0, 0, 192));
            QCOMPARE(f.widget<ShapeMark>("Shape5(0)")->fillColor(), QColor(0, 0, 192));
            QTest::mouseMove(page, QPoint(5, 5));
            QTRY_VERIFY(!caption->font().underline());
            QCOMPARE(caption->palette().color(QPalette::WindowText), QColor(192, 0, 0));
            QCOMPARE(f.main()["Shape5(1)"].backColor(), QColor(192, 64, 0));
        }
    }

    void documentPagesShowAndCopyTheFields_data() { vc::test::addRows("documentpages.tsv"); }

    void documentPagesShowAndCopyTheFields()
    {
        QFETCH(int, page);
        QFETCH(QString, editor);
        QFETCH(QString, copy);
        WindowFixture f;
        f.clickTab(page);
        RichTextField &field = page == 4 ? f.main().RtfCalulation() : f.main().RtfTender();
        const QString text = QStringLiteral("Humidification load 12.7 kg/h\nTavro 500");
        field.setPlainText(text);
        QCOMPARE(f.widget<QTextEdit>(editor)->toPlainText(), text);
        f.click(copy);
        for (const QString &line : text.split('\n'))
            QVERIFY(f.clipboard.text().contains(line));
        QCOMPARE(field.selectionStart(), 0);
        QCOMPARE(field.selectionLength(), 0);
    }

    // The menu reaches the switch and the widgets follow; the conversions are the switch's own.
    void unitMenuConvertsTheInputs()
    {
        WindowFixture f;
        const QString metricFlowUnit = f.widget<QLabel>("Einheit(5)")->text();
        for (int system : {1, 0}) {
            f.action("mnuOtherUnit(" + QString::number(system) + ")")->trigger();
            QCOMPARE(f.widget<QLineEdit>("Text2(0)")->text(), system ? "4709" : "8001");
            QCOMPARE(f.widget<QLabel>("Einheit(5)")->text() == metricFlowUnit, system == 0);
            QCOMPARE(f.widget("Command20(0)")->isHidden(), system == 1);
            QVERIFY(f.action("mnuOtherUnit(" + QString::number(system) + ")")->isChecked());
        }
    }

    // last: it ends the application's event loop
    void exitClosesWithoutAsking()
    {
        WindowFixture f;
        f.typeInto("Text1(0)", "Unsaved");
        f.action("mnuExit")->trigger();
        QVERIFY(f.window().isHidden());
        QCOMPARE(f.messages.shown().size(), size_t(0));
        QVERIFY(QDir(f.path("Data")).entryList({"*.sti"}).size() == 2); // only the shipped examples
    }
};

QTEST_MAIN(FrmMainWindowTest)
#include "frmmainwindowtest.moc"
