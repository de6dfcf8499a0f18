// The main window driven as a planner drives it: keys, mouse clicks, menus.
#include "frmmainwindow.h"
#include "familypage.h"
#include "filecommands.h"
#include "form/appglobals.h"
#include "form/settings.h"
#include "mainform.h"
#include "picturebox.h"
#include "richtext/richtextfield.h"
#include "datarows.h"
#include "testsupport.h"
#include "windowfixture.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

using namespace vc;
using vc::test::WindowFixture;

namespace {

QByteArray iniValue(const QString &file, const QByteArray &section, const QByteArray &key)
{
    const QList<QByteArray> lines = vc::test::readFile(file).split('\n');
    bool inSection = false;
    for (QByteArray line : lines) {
        line = line.trimmed();
        if (line.startsWith('['))
            inSection = line.mid(1, line.size() - 2).toLower() == section.toLower();
        else if (inSection && line.startsWith(QByteArray(key + '=')))
            return line.mid(key.size() + 1);
    }
    return QByteArray("<missing>");
}

} // namespace

class FrmMainWindowTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void startsWithDefaults_data();
    void startsWithDefaults();
    void typicalJob();
    void refusedFamilyShowsMessage();
    void saveChangesQuestion_data();
    void saveChangesQuestion();
    void lastFileQuestionAnsweredNoKeepsProject();
    void focusHighlighting();
    void navigationWrapsAround_data();
    void navigationWrapsAround();
    void exampleProjectsOpen_data();
    void exampleProjectsOpen();
    void failedFileCommandKeepsTheProject_data();
    void failedFileCommandKeepsTheProject();
    void floatingPreviewFollowsMouse();
    void selfCleaningHotSpotsHighlight();
    void documentPagesShowAndCopyTheFields_data();
    void documentPagesShowAndCopyTheFields();
    void unitMenuConvertsTheInputs();
    void exitClosesWithoutAsking(); // last: it ends the application's event loop
};

void FrmMainWindowTest::startsWithDefaults_data()
{
    QTest::addColumn<int>("unitSystem");
    QTest::addColumn<QStringList>("texts"); // Text2(0..2), Combo2(1), Text3(1), Text3(2), Combo3(0)
    QTest::addColumn<bool>("alternativeShown");
    QTest::newRow("metric") << 0 << QStringList{"8000", "-5", "22", "950", "1000", "500", "22"} << true;
    QTest::newRow("US customary") << 1 << QStringList{"5000", "23", "72", "28", "40", "20", "73"} << false;
}

void FrmMainWindowTest::startsWithDefaults()
{
    QFETCH(int, unitSystem);
    QFETCH(QStringList, texts);
    QFETCH(bool, alternativeShown);
    WindowFixture f(QStringLiteral("English"), unitSystem);
    const QStringList names{"Text2(0)", "Text2(1)", "Text2(2)", "Combo2(1)", "Text3(1)", "Text3(2)", "Combo3(0)"};
    for (int i = 0; i < names.size(); ++i) {
        QCOMPARE(f.field(names[i]), texts[i]);
        QWidget *w = f.widget(names[i]);
        const QString shown = qobject_cast<QLineEdit *>(w) ? static_cast<QLineEdit *>(w)->text()
                                                           : static_cast<QComboBox *>(w)->currentText();
        QCOMPARE(shown, texts[i]);
    }
    QCOMPARE(f.window().tabs()->currentIndex(), 0);
    QCOMPARE(f.window().tabs()->count(), 6);
    QCOMPARE(f.widget<QLabel>("msgLabel")->text(), QString());
    QCOMPARE(f.widget<QComboBox>("Combo2(0)")->count(), 100);
    QCOMPARE(f.widget<QComboBox>("Combo2(1)")->count(), unitSystem == 1 ? 13 : 31);
    QCOMPARE(!f.widget("Command20(0)")->isHidden(), alternativeShown);
    QCOMPARE(!f.widget("Command30(0)")->isHidden(), alternativeShown);
    QCOMPARE(!f.widget("Label2(17)")->isHidden(), alternativeShown);
    QCOMPARE(f.action("mnuOtherUnit(" + QString::number(unitSystem) + ")")->isChecked(), true);
    QCOMPARE(f.action("mnuOtherLanguage(0)")->isChecked(), true);
    QVERIFY(!f.main().ProjectChanged);
}

// The Overview's typical job, start to finish, with the file checked at the end.
void FrmMainWindowTest::typicalJob()
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
    QCOMPARE(f.field("Label20(0)"), QStringLiteral("1600"));
    QCOMPARE(f.field("Label20(1)"), QStringLiteral("1.7"));
    QCOMPARE(f.field("Label20(2)"), QStringLiteral("8.8"));
    QCOMPARE(f.field("Label20(3)"), QStringLiteral("7.1"));
    QCOMPARE(f.field("Label20(4)"), QStringLiteral("1.12"));
    QCOMPARE(f.field("Label20(5)"), QStringLiteral("12.7"));
    QCOMPARE(f.field("Label20(6)"), QStringLiteral("539"));
    QCOMPARE(f.field("Label20(8)"), QStringLiteral("1534"));
    QCOMPARE(f.widget<QLabel>("Label20(5)")->text(), QStringLiteral("12.7"));

    // Family page: 1534 greys the three small families; Dremon 500 is refused, Tavro 500 taken.
    f.click("btnNext");
    QCOMPARE(f.window().tabs()->currentIndex(), 2);
    for (int i = 0; i < 6; ++i)
        QCOMPARE(f.widget(Form::item("Image5", i))->isVisibleTo(&f.window()), i < 3);
    QTest::mouseClick(f.window().familyPage()->familyArea(3), Qt::LeftButton);
    QCOMPARE(f.field("Label20(7)"), QString());
    QVERIFY(!f.field("Label20(9)").isEmpty());
    QTest::mouseClick(f.window().familyPage()->familyArea(0), Qt::LeftButton);
    QCOMPARE(f.field("Label20(7)"), QStringLiteral("Tavro 500"));
    QCOMPARE(f.field("Label20(9)"), QString());
    QVERIFY(f.widget<PictureBox>("ImageSelected")->picture().endsWith("U-tavro 500.jpg"));
    QVERIFY(f.widget<PictureBox>("ImageSelected")->hasImage());

    // Distance page: the family carried over, sized on Calculate.
    f.click("btnNext");
    QCOMPARE(f.window().tabs()->currentIndex(), 3);
    QCOMPARE(f.field("Label30(0)"), QStringLiteral("Tavro 500"));
    QCOMPARE(f.field("Text3(0)"), QStringLiteral("8000"));
    QCOMPARE(f.field("Text3(4)"), QStringLiteral("15"));
    f.click("btnCalcHumid");
    QCOMPARE(f.field("Label30(1)"), QStringLiteral("4.4"));
    QCOMPARE(f.field("Label30(3)"), QStringLiteral("900"));
    QCOMPARE(f.field("Label30(4)"), QStringLiteral("35"));
    QCOMPARE(f.field("Label30(5)"), QStringLiteral("0.9"));
    QCOMPARE(f.field("Label30(6)"), QStringLiteral("4.5"));
    QCOMPARE(f.field("Label20(10)"), QStringLiteral("11.4"));
    QCOMPARE(f.widget<QLabel>("Label30(5)")->text(), QStringLiteral("0.9"));

    // Save as from the summary page's button.
    const QString file = f.path("Data/Hotel Brisa.sti");
    f.dialogs.script(file);
    f.clickTab(4);
    f.click("Command50");
    // The dialogs are titled with the menu captions, shown without their access-key marks.
    QCOMPARE(f.dialogs.asked().back().title, f.field("mnuSave").remove('&'));
    QVERIFY(!f.dialogs.asked().back().title.isEmpty());
    QCOMPARE(f.dialogs.asked().back().defaultName, QStringLiteral("MyProject"));
    QCOMPARE(f.dialogs.asked().back().initialFolder, app().DataPath);
    QCOMPARE(f.dialogs.asked().back().defaultExtension, QStringLiteral("sti"));
    QCOMPARE(f.dialogs.asked().back().filter, QStringLiteral("Veltrann Documents (*.sti)|*.sti"));
    QVERIFY(QFile::exists(file));
    QCOMPARE(app().ProjectFile, file);
    QCOMPARE(f.widget<QLabel>("msgLabel")->text(), file);
    QCOMPARE(settings::read(settings::LastFile), file);
    QVERIFY(!f.main().ProjectChanged);

    // New empties the project information only.
    f.action("mnuNew")->trigger();
    QCOMPARE(f.field("Text1(0)"), QString());
    QCOMPARE(f.widget<QLineEdit>("Text1(0)")->text(), QString());
    QCOMPARE(f.field("Label20(7)"), QStringLiteral("Tavro 500"));
    QCOMPARE(app().ProjectFile, QString());
    QCOMPARE(f.messages.shown().size(), size_t(0));

    // Open brings it back, recalculated.
    f.dialogs.script(file);
    f.action("mnuOpen")->trigger();
    QCOMPARE(f.dialogs.asked().back().title, f.field("mnuOpen").remove('&'));
    QCOMPARE(f.dialogs.asked().back().defaultName, QString());
    QCOMPARE(f.field("Text1(0)"), QStringLiteral("Hotel Brisa"));
    QCOMPARE(f.field("Label20(7)"), QStringLiteral("Tavro 500"));
    QCOMPARE(f.field("Label20(5)"), QStringLiteral("12.7"));
    QCOMPARE(f.field("Label30(5)"), QStringLiteral("0.9"));
    QCOMPARE(app().ProjectFile, file);

    // Lastfile after clearing the window reopens the same project.
    f.action("mnuNew")->trigger();
    f.action("mnuLastFile(0)")->trigger();
    QCOMPARE(f.field("Text1(0)"), QStringLiteral("Hotel Brisa"));
    QCOMPARE(f.field("Text1(6)"), QStringLiteral("A. Planner"));
    QCOMPARE(f.widget<QLabel>("msgLabel")->text(), file);

    // The file holds the pages and the family.
    QCOMPARE(iniValue(file, "Seite1-Text1", "0"), QByteArray("Hotel Brisa"));
    QCOMPARE(iniValue(file, "Seite2-Text2", "0"), QByteArray("8000"));
    QCOMPARE(iniValue(file, "Seite2-Combo2", "5"), QByteArray("3"));
    QCOMPARE(iniValue(file, "Seite3-Text3", "1"), QByteArray("1000"));
    QCOMPARE(iniValue(file, "Ger\xe4t", "Model"), QByteArray("Tavro 500"));
    QCOMPARE(iniValue(file, "Ger\xe4t", "Bild"), QByteArray("U-tavro 500.jpg"));
    QCOMPARE(f.messages.shown().size(), size_t(0));
}

void FrmMainWindowTest::refusedFamilyShowsMessage()
{
    WindowFixture f;
    // A small load on 400 V three-phase gives size code 434, which Oskel cannot serve.
    f.clickTab(1);
    f.typeInto("Text2(0)", "1000");
    f.click("btnCalc");
    f.clickTab(2);
    QTest::mouseClick(f.window().familyPage()->familyArea(5), Qt::LeftButton);
    QCOMPARE(f.field("Label20(7)"), QString());
    const QString msg4 = f.field("Label20(9)");
    QVERIFY(!msg4.isEmpty());
    QCOMPARE(f.widget<QLabel>("Label20(9)")->text(), msg4);
    QCOMPARE(f.widget<PictureBox>("ImageSelected")->picture(), QString());
    QVERIFY(f.main().ProjectChanged);
}

void FrmMainWindowTest::saveChangesQuestion_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("answered Yes saves first") << true;
    QTest::newRow("answered No discards the changes") << false;
}

void FrmMainWindowTest::saveChangesQuestion()
{
    QFETCH(bool, yes);
    WindowFixture f;
    f.typeInto("Text1(0)", "Unsaved client");
    const QString file = f.path("Data/unsaved.sti");
    f.messages.script(yes ? MessageService::Answer::Yes : MessageService::Answer::No);
    f.dialogs.script(file); // the Save as of a never-saved project, if asked
    f.action("mnuNew")->trigger();

    QCOMPARE(f.messages.shown().size(), size_t(1));
    QCOMPARE(f.messages.shown().front().buttons, MessageService::Buttons::YesNo);
    QCOMPARE(f.messages.shown().front().icon, MessageService::Icon::Exclamation);
    QVERIFY(!f.messages.shown().front().text.isEmpty());
    QCOMPARE(QFile::exists(file), yes);
    if (yes)
        QCOMPARE(iniValue(file, "Seite1-Text1", "0"), QByteArray("Unsaved client"));
    // Either way New goes on.
    QCOMPARE(f.field("Text1(0)"), QString());
    QCOMPARE(app().ProjectFile, QString());
    QVERIFY(!f.main().ProjectChanged);
}

void FrmMainWindowTest::lastFileQuestionAnsweredNoKeepsProject()
{
    WindowFixture f;
    const QString saved = f.path("Data/first.sti");
    f.typeInto("Text1(0)", "First");
    f.dialogs.script(saved);
    f.action("mnuSaveAs")->trigger();
    f.typeInto("Text1(0)", "Second");
    f.messages.script(MessageService::Answer::No);
    f.action("mnuLastFile(0)")->trigger();
    QCOMPARE(f.messages.shown().size(), size_t(1));
    QCOMPARE(f.field("Text1(0)"), QStringLiteral("Second"));
    QVERIFY(f.main().ProjectChanged);
    QCOMPARE(iniValue(saved, "Seite1-Text1", "0"), QByteArray("First"));
}

void FrmMainWindowTest::focusHighlighting()
{
    WindowFixture f;
    f.clickTab(1);
    auto *first = f.widget<QLineEdit>("Text2(1)");
    auto *second = f.widget<QLineEdit>("Text2(2)");
    const QColor normal = first->palette().color(QPalette::Base);
    first->setFocus(Qt::TabFocusReason);
    QCOMPARE(first->palette().color(QPalette::Base), QColor(255, 255, 0));
    QCOMPARE(first->selectedText(), QStringLiteral("-5"));
    QCOMPARE(f.main()["Text2(1)"].backColor(), QColor(255, 255, 0));

    second->setFocus(Qt::TabFocusReason);
    QCOMPARE(first->palette().color(QPalette::Base), normal);
    QCOMPARE(second->palette().color(QPalette::Base), QColor(255, 255, 0));
    QCOMPARE(second->selectedText(), QStringLiteral("22"));

    // A drop-down field turns yellow but keeps its selection as it is.
    auto *combo = f.widget<QComboBox>("Combo2(2)");
    combo->setFocus(Qt::TabFocusReason);
    QCOMPARE(second->palette().color(QPalette::Base), normal);
    QCOMPARE(combo->palette().color(QPalette::Base), QColor(255, 255, 0));
    first->setFocus(Qt::TabFocusReason);
    QCOMPARE(combo->palette().color(QPalette::Base), normal);

    // The Tab key moves on the same way.
    QTest::keyClick(first, Qt::Key_Tab);
    QVERIFY(second->hasFocus());
    QCOMPARE(first->palette().color(QPalette::Base), normal);
    QCOMPARE(second->palette().color(QPalette::Base), QColor(255, 255, 0));
    QCOMPARE(second->selectedText(), QStringLiteral("22"));

    // A click into a field selects its whole text as well.
    first->setFocus(Qt::TabFocusReason);
    QTest::mouseClick(second, Qt::LeftButton);
    QTest::qWait(1);
    QCOMPARE(second->selectedText(), QStringLiteral("22"));
}

void FrmMainWindowTest::navigationWrapsAround_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("to");
    QTest::newRow("Next on the tender page shows the project page") << 5 << "btnNext" << 0;
    QTest::newRow("Back on the project page shows the tender page") << 0 << "btnPrev" << 5;
    QTest::newRow("Next on the project page") << 0 << "btnNext" << 1;
    QTest::newRow("Back on the summary page") << 4 << "btnPrev" << 3;
}

void FrmMainWindowTest::navigationWrapsAround()
{
    QFETCH(int, from);
    QFETCH(QString, button);
    QFETCH(int, to);
    WindowFixture f;
    f.main().selectPage(from);
    QCOMPARE(f.window().tabs()->currentIndex(), from);
    f.click(button);
    QCOMPARE(f.window().tabs()->currentIndex(), to);
    QCOMPARE(f.main().currentPage(), to);
}

void FrmMainWindowTest::exampleProjectsOpen_data()
{
    QTest::addColumn<int>("unitSystem");
    QTest::addColumn<QString>("family");
    QTest::newRow("metric example") << 0 << "Tavro 500";
    QTest::newRow("US example") << 1 << "Quenil 500";
}

void FrmMainWindowTest::exampleProjectsOpen()
{
    QFETCH(int, unitSystem);
    QFETCH(QString, family);
    WindowFixture f(QStringLiteral("English"), unitSystem);
    f.openExample(unitSystem);
    QCOMPARE(f.messages.texts(), QStringList());
    QVERIFY(!f.field("Text1(0)").isEmpty());
    QCOMPARE(f.field("Label20(7)"), family);
    QCOMPARE(f.field("Label20(9)"), QString());
    QVERIFY(!f.main().NoModelFound);
    QVERIFY(!f.field("Label20(8)").isEmpty());
    for (int i = 1; i <= 9; ++i)
        QVERIFY2(!f.field(Form::item("Label30", i)).isEmpty(), qPrintable(Form::item("Label30", i)));
    QVERIFY(f.widget<PictureBox>("ImageSelected")->hasImage());
    QVERIFY(!f.main().ProjectChanged);
}

// A saved project, then a file command that cannot be carried out: one message,
// the window and the project as they were, no file touched.
void FrmMainWindowTest::failedFileCommandKeepsTheProject_data()
{
    vc::test::addRows(QStringLiteral("failedfilecommands.tsv"));
}

void FrmMainWindowTest::failedFileCommandKeepsTheProject()
{
    QFETCH(QString, command);
    QFETCH(QString, target);
    QFETCH(QByteArray, content);
    QFETCH(int, lock);
    QFETCH(bool, changed);
    WindowFixture f;
    const QString current = f.path("Data/current.sti");
    f.typeInto("Text1(0)", "Original");
    f.dialogs.script(current);
    f.action("mnuSaveAs")->trigger();
    if (changed)
        f.typeInto("Text1(0)", "Changed");

    const QString file = f.path(target);
    QVERIFY(QDir().mkpath(QFileInfo(file).path()));
    if (content == "LNG")
        content = vc::test::readFile(f.path("Language/English.lng"));
    if (!content.isNull())
        QVERIFY(vc::test::writeFile(file, content));
    const bool existed = QFile::exists(file);
    const QByteArray before = vc::test::readFile(file);
    const QString locked = lock == 2 ? QFileInfo(file).path() : file;
    const auto permissions = QFile::permissions(locked);
    const auto unlock = qScopeGuard([&] { QFile::setPermissions(locked, permissions); });
    if (lock)
        QFile::setPermissions(locked,
                              QFileDevice::ReadOwner |
                                  (lock == 2 ? QFileDevice::ExeOwner : QFileDevice::Permissions()));

    if (command == QLatin1String("mnuLastFile(0)"))
        settings::write(settings::LastFile, file);
    else
        f.dialogs.script(file);
    if (command.startsWith(QLatin1String("mnu"))) {
        f.action(command)->trigger();
    } else {
        f.clickTab(5);
        f.click(command);
    }

    QCOMPARE(f.messages.shown().size(), size_t(1));
    if (command == QLatin1String("mnuOpen"))
        QVERIFY(f.messages.shown().front().text.contains("bad.sti"));
    QCOMPARE(f.field("Text1(0)"), changed ? QStringLiteral("Changed") : QStringLiteral("Original"));
    QCOMPARE(f.main().ProjectChanged, changed);
    QCOMPARE(app().ProjectFile, current);
    QCOMPARE(f.widget<QLabel>("msgLabel")->text(), current);
    if (command != QLatin1String("mnuLastFile(0)"))
        QCOMPARE(settings::read(settings::LastFile), current);
    QCOMPARE(QFile::exists(file), existed);
    QCOMPARE(vc::test::readFile(file), before);
}

void FrmMainWindowTest::floatingPreviewFollowsMouse()
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

    // The page background ends the preview.
    QTest::mouseMove(page, QPoint(5, 5)); // the margin, where the page shows
    QTRY_VERIFY(preview->isHidden());
    QCOMPARE(preview->picture(), QString());
}

void FrmMainWindowTest::selfCleaningHotSpotsHighlight()
{
    WindowFixture f;
    f.clickTab(2);
    FamilyPage *page = f.window().familyPage();
    auto *caption = f.widget<QLabel>("Label2(32)");
    for (int spot = 0; spot < 3; ++spot) {
        QTest::mouseMove(page->hotSpot(spot), page->hotSpot(spot)->rect().center());
        QTRY_VERIFY(caption->font().underline());
        QCOMPARE(caption->palette().color(QPalette::WindowText), QColor(0, 0, 192));
        QCOMPARE(f.main()["Shape5(0)"].backColor(), QColor(0, 0, 192));
        QTest::mouseMove(page, QPoint(5, 5)); // the margin, where the page shows
        QTRY_VERIFY(!caption->font().underline());
        QCOMPARE(caption->palette().color(QPalette::WindowText), QColor(192, 0, 0));
        QCOMPARE(f.main()["Shape5(1)"].backColor(), QColor(192, 64, 0));
    }
}

void FrmMainWindowTest::documentPagesShowAndCopyTheFields_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("editor");
    QTest::addColumn<QString>("copy");
    QTest::newRow("summary") << 4 << "RtfCalulation" << "Command2";
    QTest::newRow("text for tender") << 5 << "RtfTender" << "Command1";
}

void FrmMainWindowTest::documentPagesShowAndCopyTheFields()
{
    QFETCH(int, page);
    QFETCH(QString, editor);
    QFETCH(QString, copy);
    WindowFixture f;
    f.clickTab(page);
    RichTextField &field = page == 4 ? f.main().RtfCalulation() : f.main().RtfTender();
    field.setPlainText(QStringLiteral("Humidification load 12.7 kg/h\nTavro 500"));
    auto *shown = f.widget<QTextEdit>(editor);
    QCOMPARE(shown->toPlainText(), QStringLiteral("Humidification load 12.7 kg/h\nTavro 500"));
    f.click(copy);
    QVERIFY(f.clipboard.text().contains(QStringLiteral("Humidification load 12.7 kg/h")));
    QVERIFY(f.clipboard.text().contains(QStringLiteral("Tavro 500")));
    QCOMPARE(field.selectionStart(), 0);
    QCOMPARE(field.selectionLength(), 0);
}

void FrmMainWindowTest::unitMenuConvertsTheInputs()
{
    WindowFixture f;
    const QString metricFlowUnit = f.widget<QLabel>("Einheit(5)")->text();
    f.action("mnuOtherUnit(1)")->trigger();
    QCOMPARE(f.widget<QLineEdit>("Text2(0)")->text(), QStringLiteral("4709"));
    QCOMPARE(f.widget<QLineEdit>("Text2(1)")->text(), QStringLiteral("23.0"));
    QCOMPARE(f.widget<QComboBox>("Combo2(1)")->count(), 13);
    QVERIFY(f.widget<QLabel>("Einheit(5)")->text() != metricFlowUnit);
    QVERIFY(f.action("mnuOtherUnit(1)")->isChecked());
    QVERIFY(!f.action("mnuOtherUnit(0)")->isChecked());
    QVERIFY(f.widget("Command20(0)")->isHidden());
    QVERIFY(!f.field("Label20(5)").isEmpty());

    f.action("mnuOtherUnit(0)")->trigger();
    QCOMPARE(f.widget<QLineEdit>("Text2(0)")->text(), QStringLiteral("8001"));
    QCOMPARE(f.widget<QLabel>("Einheit(5)")->text(), metricFlowUnit);
    QVERIFY(!f.widget("Command20(0)")->isHidden());
}

void FrmMainWindowTest::exitClosesWithoutAsking()
{
    WindowFixture f;
    f.typeInto("Text1(0)", "Unsaved");
    f.action("mnuExit")->trigger();
    QVERIFY(f.window().isHidden());
    QCOMPARE(f.messages.shown().size(), size_t(0));
    QVERIFY(QDir(f.path("Data")).entryList({"*.sti"}).size() == 2); // only the shipped examples
}

QTEST_MAIN(FrmMainWindowTest)
#include "frmmainwindowtest.moc"
