// The main window driven as a planner drives it: keys, mouse clicks, menus.
#include "form/appglobals.h"
#include "familypage.h"
#include "filecommands.h"
#include "frmmainwindow.h"
#include "frmsplash.h"
#include "mainwindowfactory.h"
#include "mainform.h"
#include "picturebox.h"
#include "richtext/richtextfield.h"
#include "form/settings.h"
#include "testsupport.h"
#include "windowfixture.h"

#include <QAction>
#include <QApplication>
#include <QTimer>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QTest>

using namespace vc;
using vc::test::WindowFixture;

namespace {

QWidget *widget(WindowFixture &f, const QString &name)
{
    auto *w = f.window().findChild<QWidget *>(name);
    if (!w)
        qWarning("no widget %s", qPrintable(name));
    return w;
}

QAction *action(WindowFixture &f, const QString &name)
{
    return f.window().findChild<QAction *>(name);
}

// Tabs into a field (which selects its whole text) and types over it.
void typeInto(WindowFixture &f, const QString &name, const QString &text)
{
    QWidget *field = widget(f, name);
    if (field->hasFocus())
        f.window().tabs()->setFocus(Qt::TabFocusReason);
    field->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(field, text);
}

void click(WindowFixture &f, const QString &name)
{
    QTest::mouseClick(widget(f, name), Qt::LeftButton);
}

void clickTab(WindowFixture &f, int page)
{
    QTabBar *bar = f.window().tabs()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(page).center());
}

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
    void onlyProjectFieldsMarkChanged_data();
    void onlyProjectFieldsMarkChanged();
    void navigationWrapsAround_data();
    void navigationWrapsAround();
    void exampleProjectsOpen_data();
    void exampleProjectsOpen();
    void notAProjectIsNotOpened_data();
    void notAProjectIsNotOpened();
    void missingLastFileKeepsProject();
    void readOnlyProjectIsNotWritten_data();
    void readOnlyProjectIsNotWritten();
    void unwritableFolderKeepsProject();
    void saveAsOverAnotherFileKeepsIt();
    void floatingPreviewFollowsMouse();
    void selfCleaningHotSpotsHighlight();
    void windowsNotYetBuiltAreDisabled();
    void documentPagesShowAndCopyTheFields_data();
    void documentPagesShowAndCopyTheFields();
    void unitMenuConvertsTheInputs();
    void languageMenuChangesTheCaptions();
    void factoryWindowShowsAboutBox();
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
        QWidget *w = widget(f, names[i]);
        const QString shown = qobject_cast<QLineEdit *>(w) ? static_cast<QLineEdit *>(w)->text()
                                                           : static_cast<QComboBox *>(w)->currentText();
        QCOMPARE(shown, texts[i]);
    }
    QCOMPARE(f.window().tabs()->currentIndex(), 0);
    QCOMPARE(f.window().tabs()->count(), 6);
    QCOMPARE(static_cast<QLabel *>(widget(f, "msgLabel"))->text(), QString());
    QCOMPARE(static_cast<QComboBox *>(widget(f, "Combo2(0)"))->count(), 100);
    QCOMPARE(static_cast<QComboBox *>(widget(f, "Combo2(1)"))->count(), unitSystem == 1 ? 13 : 31);
    QCOMPARE(!widget(f, "Command20(0)")->isHidden(), alternativeShown);
    QCOMPARE(!widget(f, "Command30(0)")->isHidden(), alternativeShown);
    QCOMPARE(!widget(f, "Label2(17)")->isHidden(), alternativeShown);
    QCOMPARE(action(f, "mnuOtherUnit(" + QString::number(unitSystem) + ")")->isChecked(), true);
    QCOMPARE(action(f, "mnuOtherLanguage(0)")->isChecked(), true);
    QVERIFY(!f.main().ProjectChanged);
}

// The Overview's typical job, start to finish, with the file checked at the end.
void FrmMainWindowTest::typicalJob()
{
    WindowFixture f;
    typeInto(f, "Text1(0)", "Hotel Brisa");
    typeInto(f, "Text1(6)", "A. Planner");
    QVERIFY(f.main().ProjectChanged);

    click(f, "btnNext");
    QCOMPARE(f.window().tabs()->currentIndex(), 1);
    typeInto(f, "Text2(0)", "8000");
    typeInto(f, "Text2(1)", "-5");
    click(f, "btnCalc");
    QCOMPARE(f.field("Label20(0)"), QStringLiteral("1600"));
    QCOMPARE(f.field("Label20(1)"), QStringLiteral("1.7"));
    QCOMPARE(f.field("Label20(2)"), QStringLiteral("8.8"));
    QCOMPARE(f.field("Label20(3)"), QStringLiteral("7.1"));
    QCOMPARE(f.field("Label20(4)"), QStringLiteral("1.12"));
    QCOMPARE(f.field("Label20(5)"), QStringLiteral("12.7"));
    QCOMPARE(f.field("Label20(6)"), QStringLiteral("539"));
    QCOMPARE(f.field("Label20(8)"), QStringLiteral("1534"));
    QCOMPARE(static_cast<QLabel *>(widget(f, "Label20(5)"))->text(), QStringLiteral("12.7"));

    // Family page: 1534 greys the three small families; Dremon 500 is refused, Tavro 500 taken.
    click(f, "btnNext");
    QCOMPARE(f.window().tabs()->currentIndex(), 2);
    for (int i = 0; i < 6; ++i)
        QCOMPARE(widget(f, Form::item("Image5", i))->isVisibleTo(&f.window()), i < 3);
    QTest::mouseClick(f.window().familyPage()->familyArea(3), Qt::LeftButton);
    QCOMPARE(f.field("Label20(7)"), QString());
    QVERIFY(!f.field("Label20(9)").isEmpty());
    QTest::mouseClick(f.window().familyPage()->familyArea(0), Qt::LeftButton);
    QCOMPARE(f.field("Label20(7)"), QStringLiteral("Tavro 500"));
    QCOMPARE(f.field("Label20(9)"), QString());
    QVERIFY(static_cast<PictureBox *>(widget(f, "ImageSelected"))->picture().endsWith("U-tavro 500.jpg"));
    QVERIFY(static_cast<PictureBox *>(widget(f, "ImageSelected"))->hasImage());

    // Distance page: the family carried over, sized on Calculate.
    click(f, "btnNext");
    QCOMPARE(f.window().tabs()->currentIndex(), 3);
    QCOMPARE(f.field("Label30(0)"), QStringLiteral("Tavro 500"));
    QCOMPARE(f.field("Text3(0)"), QStringLiteral("8000"));
    QCOMPARE(f.field("Text3(4)"), QStringLiteral("15"));
    click(f, "btnCalcHumid");
    QCOMPARE(f.field("Label30(1)"), QStringLiteral("4.4"));
    QCOMPARE(f.field("Label30(3)"), QStringLiteral("900"));
    QCOMPARE(f.field("Label30(4)"), QStringLiteral("35"));
    QCOMPARE(f.field("Label30(5)"), QStringLiteral("0.9"));
    QCOMPARE(f.field("Label30(6)"), QStringLiteral("4.5"));
    QCOMPARE(f.field("Label20(10)"), QStringLiteral("11.4"));
    QCOMPARE(static_cast<QLabel *>(widget(f, "Label30(5)"))->text(), QStringLiteral("0.9"));

    // Save as from the summary page's button.
    const QString file = f.path("Data/Hotel Brisa.sti");
    f.dialogs.script(file);
    clickTab(f, 4);
    click(f, "Command50");
    // The dialogs are titled with the menu captions, shown without their access-key marks.
    QCOMPARE(f.dialogs.asked().back().title, f.field("mnuSave").remove('&'));
    QVERIFY(!f.dialogs.asked().back().title.isEmpty());
    QCOMPARE(f.dialogs.asked().back().defaultName, QStringLiteral("MyProject"));
    QCOMPARE(f.dialogs.asked().back().initialFolder, app().DataPath);
    QCOMPARE(f.dialogs.asked().back().defaultExtension, QStringLiteral("sti"));
    QCOMPARE(f.dialogs.asked().back().filter, QStringLiteral("Veltrann Documents (*.sti)|*.sti"));
    QVERIFY(QFile::exists(file));
    QCOMPARE(app().ProjectFile, file);
    QCOMPARE(static_cast<QLabel *>(widget(f, "msgLabel"))->text(), file);
    QCOMPARE(settings::read(settings::LastFile), file);
    QVERIFY(!f.main().ProjectChanged);

    // New empties the project information only.
    action(f, "mnuNew")->trigger();
    QCOMPARE(f.field("Text1(0)"), QString());
    QCOMPARE(static_cast<QLineEdit *>(widget(f, "Text1(0)"))->text(), QString());
    QCOMPARE(f.field("Label20(7)"), QStringLiteral("Tavro 500"));
    QCOMPARE(app().ProjectFile, QString());
    QCOMPARE(f.messages.shown().size(), size_t(0));

    // Open brings it back, recalculated.
    f.dialogs.script(file);
    action(f, "mnuOpen")->trigger();
    QCOMPARE(f.dialogs.asked().back().title, f.field("mnuOpen").remove('&'));
    QCOMPARE(f.dialogs.asked().back().defaultName, QString());
    QCOMPARE(f.field("Text1(0)"), QStringLiteral("Hotel Brisa"));
    QCOMPARE(f.field("Label20(7)"), QStringLiteral("Tavro 500"));
    QCOMPARE(f.field("Label20(5)"), QStringLiteral("12.7"));
    QCOMPARE(f.field("Label30(5)"), QStringLiteral("0.9"));
    QCOMPARE(app().ProjectFile, file);

    // Lastfile after clearing the window reopens the same project.
    action(f, "mnuNew")->trigger();
    action(f, "mnuLastFile(0)")->trigger();
    QCOMPARE(f.field("Text1(0)"), QStringLiteral("Hotel Brisa"));
    QCOMPARE(f.field("Text1(6)"), QStringLiteral("A. Planner"));
    QCOMPARE(static_cast<QLabel *>(widget(f, "msgLabel"))->text(), file);

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
    clickTab(f, 1);
    typeInto(f, "Text2(0)", "1000");
    click(f, "btnCalc");
    clickTab(f, 2);
    QTest::mouseClick(f.window().familyPage()->familyArea(5), Qt::LeftButton);
    QCOMPARE(f.field("Label20(7)"), QString());
    const QString msg4 = f.field("Label20(9)");
    QVERIFY(!msg4.isEmpty());
    QCOMPARE(static_cast<QLabel *>(widget(f, "Label20(9)"))->text(), msg4);
    QCOMPARE(static_cast<PictureBox *>(widget(f, "ImageSelected"))->picture(), QString());
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
    typeInto(f, "Text1(0)", "Unsaved client");
    const QString file = f.path("Data/unsaved.sti");
    f.messages.script(yes ? MessageService::Answer::Yes : MessageService::Answer::No);
    f.dialogs.script(file); // the Save as of a never-saved project, if asked
    action(f, "mnuNew")->trigger();

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
    typeInto(f, "Text1(0)", "First");
    f.dialogs.script(saved);
    action(f, "mnuSaveAs")->trigger();
    typeInto(f, "Text1(0)", "Second");
    f.messages.script(MessageService::Answer::No);
    action(f, "mnuLastFile(0)")->trigger();
    QCOMPARE(f.messages.shown().size(), size_t(1));
    QCOMPARE(f.field("Text1(0)"), QStringLiteral("Second"));
    QVERIFY(f.main().ProjectChanged);
    QCOMPARE(iniValue(saved, "Seite1-Text1", "0"), QByteArray("First"));
}

void FrmMainWindowTest::focusHighlighting()
{
    WindowFixture f;
    clickTab(f, 1);
    auto *first = static_cast<QLineEdit *>(widget(f, "Text2(1)"));
    auto *second = static_cast<QLineEdit *>(widget(f, "Text2(2)"));
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
    auto *combo = static_cast<QComboBox *>(widget(f, "Combo2(2)"));
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

void FrmMainWindowTest::onlyProjectFieldsMarkChanged_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("changed");
    QTest::newRow("client") << 0 << "Text1(0)" << true;
    QTest::newRow("distributor") << 0 << "Text1(7)" << true;
    QTest::newRow("total air flow") << 1 << "Text2(0)" << false;
    QTest::newRow("fresh air list") << 1 << "Combo2(0)" << false;
    QTest::newRow("duct width") << 3 << "Text3(1)" << false;
}

void FrmMainWindowTest::onlyProjectFieldsMarkChanged()
{
    QFETCH(int, page);
    QFETCH(QString, field);
    QFETCH(bool, changed);
    WindowFixture f;
    f.main().selectPage(page);
    typeInto(f, field, "7");
    QCOMPARE(f.field(field), QStringLiteral("7"));
    QCOMPARE(f.main().ProjectChanged, changed);
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
    click(f, button);
    QCOMPARE(f.window().tabs()->currentIndex(), to);
    QCOMPARE(f.main().currentPage(), to);
}

void FrmMainWindowTest::exampleProjectsOpen_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("unitSystem");
    QTest::addColumn<QString>("family");
    QTest::newRow("metric example") << "Example metric.sti" << 0 << "Tavro 500";
    QTest::newRow("US example") << "Example US.sti" << 1 << "Quenil 500";
}

void FrmMainWindowTest::exampleProjectsOpen()
{
    QFETCH(QString, file);
    QFETCH(int, unitSystem);
    QFETCH(QString, family);
    WindowFixture f(QStringLiteral("English"), unitSystem);
    f.dialogs.script(f.path("Data/" + file));
    action(f, "mnuOpen")->trigger();
    QCOMPARE(f.messages.texts(), QStringList());
    QVERIFY(!f.field("Text1(0)").isEmpty());
    QCOMPARE(f.field("Label20(7)"), family);
    QCOMPARE(f.field("Label20(9)"), QString());
    QVERIFY(!f.main().NoModelFound);
    QVERIFY(!f.field("Label20(8)").isEmpty());
    for (int i = 1; i <= 9; ++i)
        QVERIFY2(!f.field(Form::item("Label30", i)).isEmpty(), qPrintable(Form::item("Label30", i)));
    QVERIFY(static_cast<PictureBox *>(widget(f, "ImageSelected"))->hasImage());
    QVERIFY(!f.main().ProjectChanged);
}

void FrmMainWindowTest::notAProjectIsNotOpened_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("fromLanguageFile");
    QTest::newRow("binary file") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0", 18) << false;
    QTest::newRow("empty file") << QByteArray() << false;
    QTest::newRow("language file renamed .sti") << QByteArray() << true;
    QTest::newRow("plain text") << QByteArray("Dear customer,\r\nplease find our offer.\r\n") << false;
}

void FrmMainWindowTest::notAProjectIsNotOpened()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, fromLanguageFile);
    WindowFixture f;
    const QString current = f.path("Data/current.sti");
    typeInto(f, "Text1(0)", "Kept client");
    f.dialogs.script(current);
    action(f, "mnuSaveAs")->trigger();

    const QString bad = f.path("Data/bad.sti");
    if (fromLanguageFile)
        content = vc::test::readFile(f.path("Language/English.lng"));
    QVERIFY(vc::test::writeFile(bad, content));
    f.dialogs.script(bad);
    action(f, "mnuOpen")->trigger();

    QCOMPARE(f.messages.shown().size(), size_t(1));
    QVERIFY(f.messages.shown().front().text.contains("bad.sti"));
    QCOMPARE(f.field("Text1(0)"), QStringLiteral("Kept client"));
    QCOMPARE(app().ProjectFile, current);
    QCOMPARE(settings::read(settings::LastFile), current);
    QCOMPARE(vc::test::readFile(bad), content);
}

void FrmMainWindowTest::missingLastFileKeepsProject()
{
    WindowFixture f;
    typeInto(f, "Text1(0)", "Kept client");
    f.main().ProjectChanged = false;
    settings::write(settings::LastFile, f.path("Data/gone.sti"));
    action(f, "mnuLastFile(0)")->trigger();
    QCOMPARE(f.messages.shown().size(), size_t(1));
    QCOMPARE(f.field("Text1(0)"), QStringLiteral("Kept client"));
    QCOMPARE(app().ProjectFile, QString());
}

void FrmMainWindowTest::readOnlyProjectIsNotWritten_data()
{
    QTest::addColumn<bool>("lockFolder");
    QTest::newRow("read-only project file") << false;
    QTest::newRow("project in a read-only folder") << true;
}

void FrmMainWindowTest::readOnlyProjectIsNotWritten()
{
    QFETCH(bool, lockFolder);
    WindowFixture f;
    QVERIFY(QDir().mkpath(f.path("Jobs")));
    const QString file = f.path("Jobs/locked.sti");
    typeInto(f, "Text1(0)", "Original");
    f.dialogs.script(file);
    action(f, "mnuSaveAs")->trigger();
    const QByteArray before = vc::test::readFile(file);
    const QString locked = lockFolder ? f.path("Jobs") : file;
    const auto permissions = QFile::permissions(locked);
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther
                                      | (lockFolder ? QFileDevice::ExeOwner : QFileDevice::Permissions()));

    typeInto(f, "Text1(0)", "Changed");
    action(f, "mnuSave")->trigger();
    QFile::setPermissions(locked, permissions);
    QCOMPARE(f.messages.shown().size(), size_t(1));
    QVERIFY(f.main().ProjectChanged);
    QCOMPARE(f.field("Text1(0)"), QStringLiteral("Changed"));
    QCOMPARE(vc::test::readFile(file), before);
}

void FrmMainWindowTest::unwritableFolderKeepsProject()
{
    WindowFixture f;
    const QString file = f.path("Data/kept.sti");
    typeInto(f, "Text1(0)", "Original");
    f.dialogs.script(file);
    action(f, "mnuSaveAs")->trigger();
    typeInto(f, "Text1(0)", "Changed");

    const QString locked = f.path("Locked");
    QVERIFY(QDir().mkpath(locked));
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    f.dialogs.script(locked + "/new.sti");
    clickTab(f, 5);
    click(f, "Command60");
    QCOMPARE(f.messages.shown().size(), size_t(1));
    QVERIFY(!QFile::exists(locked + "/new.sti"));
    QCOMPARE(app().ProjectFile, file);
    QCOMPARE(static_cast<QLabel *>(widget(f, "msgLabel"))->text(), file);
    QVERIFY(f.main().ProjectChanged);
    QCOMPARE(f.field("Text1(0)"), QStringLiteral("Changed"));
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

void FrmMainWindowTest::saveAsOverAnotherFileKeepsIt()
{
    WindowFixture f;
    typeInto(f, "Text1(0)", "Client");
    const QString language = f.path("Language/English.lng");
    const QByteArray before = vc::test::readFile(language);
    f.dialogs.script(language);
    action(f, "mnuSaveAs")->trigger();
    QCOMPARE(f.messages.shown().size(), size_t(1));
    QCOMPARE(vc::test::readFile(language), before);
    QCOMPARE(app().ProjectFile, QString());
    QVERIFY(f.main().ProjectChanged);
}

void FrmMainWindowTest::floatingPreviewFollowsMouse()
{
    WindowFixture f;
    clickTab(f, 2);
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
    clickTab(f, 2);
    FamilyPage *page = f.window().familyPage();
    auto *caption = static_cast<QLabel *>(widget(f, "Label2(32)"));
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

void FrmMainWindowTest::windowsNotYetBuiltAreDisabled()
{
    WindowFixture f;
    QVERIFY(action(f, "mnuPrint")->isEnabled());
    for (const char *name : {"btnCalc", "btnCalcHumid", "btnNext", "btnPrev", "Command50", "Command60",
                             "Vixbutton1", "Vixbutton2", "Command11", "Command22(2)"})
        QVERIFY2(widget(f, name)->isEnabled(), name);
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
    clickTab(f, page);
    RichTextField &field = page == 4 ? f.main().RtfCalulation() : f.main().RtfTender();
    field.setPlainText(QStringLiteral("Humidification load 12.7 kg/h\nTavro 500"));
    auto *shown = static_cast<QTextEdit *>(widget(f, editor));
    QCOMPARE(shown->toPlainText(), QStringLiteral("Humidification load 12.7 kg/h\nTavro 500"));
    click(f, copy);
    QVERIFY(f.clipboard.text().contains(QStringLiteral("Humidification load 12.7 kg/h")));
    QVERIFY(f.clipboard.text().contains(QStringLiteral("Tavro 500")));
    QCOMPARE(field.selectionStart(), 0);
    QCOMPARE(field.selectionLength(), 0);
}

void FrmMainWindowTest::unitMenuConvertsTheInputs()
{
    WindowFixture f;
    const QString metricFlowUnit = static_cast<QLabel *>(widget(f, "Einheit(5)"))->text();
    action(f, "mnuOtherUnit(1)")->trigger();
    QCOMPARE(static_cast<QLineEdit *>(widget(f, "Text2(0)"))->text(), QStringLiteral("4709"));
    QCOMPARE(static_cast<QLineEdit *>(widget(f, "Text2(1)"))->text(), QStringLiteral("23.0"));
    QCOMPARE(static_cast<QComboBox *>(widget(f, "Combo2(1)"))->count(), 13);
    QVERIFY(static_cast<QLabel *>(widget(f, "Einheit(5)"))->text() != metricFlowUnit);
    QVERIFY(action(f, "mnuOtherUnit(1)")->isChecked());
    QVERIFY(!action(f, "mnuOtherUnit(0)")->isChecked());
    QVERIFY(widget(f, "Command20(0)")->isHidden());
    QVERIFY(!f.field("Label20(5)").isEmpty());

    action(f, "mnuOtherUnit(0)")->trigger();
    QCOMPARE(static_cast<QLineEdit *>(widget(f, "Text2(0)"))->text(), QStringLiteral("8001"));
    QCOMPARE(static_cast<QLabel *>(widget(f, "Einheit(5)"))->text(), metricFlowUnit);
    QVERIFY(!widget(f, "Command20(0)")->isHidden());
}

void FrmMainWindowTest::languageMenuChangesTheCaptions()
{
    WindowFixture f;
    QTabWidget *tabs = f.window().tabs();
    const QString englishTab = tabs->tabText(1);
    const QString englishCalc = static_cast<QPushButton *>(widget(f, "btnCalc"))->text();
    action(f, "mnuOtherLanguage(1)")->trigger();
    QVERIFY(tabs->tabText(1) != englishTab);
    QVERIFY(!tabs->tabText(1).isEmpty());
    QVERIFY(static_cast<QPushButton *>(widget(f, "btnCalc"))->text() != englishCalc);
    QVERIFY(action(f, "mnuOtherLanguage(1)")->isChecked());
    QVERIFY(!action(f, "mnuOtherLanguage(0)")->isChecked());
    QCOMPARE(f.window().windowTitle(), f.main().form().caption());

    action(f, "mnuOtherLanguage(0)")->trigger();
    QCOMPARE(tabs->tabText(1), englishTab);
}

void FrmMainWindowTest::factoryWindowShowsAboutBox()
{
    WindowFixture f; // the installation and services the factory's window works in
    std::unique_ptr<QWidget> window(ui::createMainWindow());
    auto *frm = qobject_cast<FrmMainWindow *>(window.get());
    QVERIFY(frm);
    QVERIFY(window->isHidden());
    QCOMPARE(frm->mainForm().form().at("Text2(0)").text(), QStringLiteral("8000"));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));

    // An ordinary window that stays until a key or click, and shows again when asked again.
    frm->findChild<QAction *>("mnuAbout")->trigger();
    auto *about = frm->findChild<ui::frmSplash *>();
    QVERIFY(about);
    QVERIFY(QTest::qWaitForWindowExposed(about));
    QVERIFY(!about->isModal());
    QVERIFY(!about->Timer1()->isActive());
    QTest::keyClick(about, Qt::Key_Escape);
    QVERIFY(!about->isVisible());
    frm->findChild<QAction *>("mnuAbout")->trigger();
    QCOMPARE(frm->findChild<ui::frmSplash *>(), about);
    QVERIFY(about->isVisible());
    about->close();
}

void FrmMainWindowTest::exitClosesWithoutAsking()
{
    WindowFixture f;
    typeInto(f, "Text1(0)", "Unsaved");
    action(f, "mnuExit")->trigger();
    QVERIFY(f.window().isHidden());
    QCOMPARE(f.messages.shown().size(), size_t(0));
    QVERIFY(QDir(f.path("Data")).entryList({"*.sti"}).size() == 2); // only the shipped examples
}

QTEST_MAIN(FrmMainWindowTest)
#include "frmmainwindowtest.moc"
