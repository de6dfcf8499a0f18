// What the planner's keys and clicks do to the fields, and the language of
// Qt's own dialog texts.
#include "form/appglobals.h"
#include "frmmainwindow.h"
#include "mainform.h"
#include "mainwindowfactory.h"
#include "form/mmain.h"
#include "testsupport.h"
#include "valuecombobox.h"
#include "windowfixture.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace vc;
using vc::test::WindowFixture;

class MainWindowInputTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void onlyATextChangeMarksTheProject_data();
    void onlyATextChangeMarksTheProject();
    void listOpensAtTheValue_data();
    void listOpensAtTheValue();
    void choosingAnEntryKeepsTheFocusColour();
    void standardDialogsSpeakTheLanguage_data();
    void standardDialogsSpeakTheLanguage();
    void firstStartWithTheShippedProfile();
};

void MainWindowInputTest::onlyATextChangeMarksTheProject_data()
{
    QTest::addColumn<QString>("keys"); // key names, or "type:TEXT" / "paste:TEXT"
    QTest::addColumn<bool>("changed");
    QTest::newRow("Tab") << "Tab" << false;
    QTest::newRow("Ctrl+C") << "Ctrl+C" << false;
    QTest::newRow("arrows") << "Left Right Up Down Home End" << false;
    QTest::newRow("shift+arrow selects") << "Shift+Left" << false;
    QTest::newRow("the same text pasted") << "paste:Hotel Nord" << false;
    QTest::newRow("a letter typed") << "type:x" << true;
    QTest::newRow("Delete") << "Delete" << true;
    QTest::newRow("another text pasted") << "paste:Hotel Süd" << true;
}

void MainWindowInputTest::onlyATextChangeMarksTheProject()
{
    QFETCH(QString, keys);
    QFETCH(bool, changed);
    WindowFixture f;
    f.main().Text1(0).setText(QStringLiteral("Hotel Nord"));
    f.main().ProjectChanged = false;
    auto *client = f.window().findChild<QLineEdit *>(QStringLiteral("Text1(0)"));
    client->setFocus(Qt::TabFocusReason); // selects the whole text
    for (const QString &key : keys.split(QLatin1Char(' '))) {
        if (key.startsWith(QLatin1String("type:"))) {
            QTest::keyClicks(client, key.mid(5));
        } else if (key.startsWith(QLatin1String("paste:"))) {
            QApplication::clipboard()->setText(keys.mid(6));
            client->selectAll();
            client->paste();
            break;
        } else {
            const QKeySequence sequence(key);
            QTest::keySequence(client, sequence);
        }
    }
    QCOMPARE(f.main().ProjectChanged, changed);
}

void MainWindowInputTest::listOpensAtTheValue_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("opensAt");
    QTest::newRow("pressure in the list") << "Combo2(1)"
                                          << "980"
                                          << "980";
    QTest::newRow("pressure between entries") << "Combo2(1)"
                                              << "953"
                                              << "950";
    QTest::newRow("fresh air") << "Combo2(0)"
                               << "20"
                               << "20";
    QTest::newRow("phases") << "Combo2(5)"
                            << "1"
                            << "1";
}

void MainWindowInputTest::listOpensAtTheValue()
{
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QString, opensAt);
    WindowFixture f;
    f.main().selectPage(MainForm::LoadPage);
    f.main()[field].setText(value);
    auto *combo = f.window().findChild<ValueComboBox *>(field);
    combo->setFocus(Qt::TabFocusReason);
    combo->showPopup();
    QCOMPARE(combo->view()->currentIndex().data().toString(), opensAt);
    QCOMPARE(combo->currentText(), value); // opening changes nothing the field holds
    combo->hidePopup();
    QCOMPARE(f.field(field), value);
}

void MainWindowInputTest::choosingAnEntryKeepsTheFocusColour()
{
    WindowFixture f;
    f.main().selectPage(MainForm::LoadPage);
    auto *combo = f.window().findChild<ValueComboBox *>(QStringLiteral("Combo2(2)"));
    combo->setFocus(Qt::TabFocusReason);
    QCOMPARE(f.main()["Combo2(2)"].backColor(), QColor(255, 255, 0));
    combo->showPopup();
    QTest::qWait(20);
    QAbstractItemView *list = combo->view();
    const QModelIndex entry = list->model()->index(69, 0); // "70"
    list->scrollTo(entry);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(entry).center());
    QTest::qWait(20);
    QCOMPARE(f.field(QStringLiteral("Combo2(2)")), QStringLiteral("70"));
    QVERIFY(combo->hasFocus());
    QCOMPARE(f.main()["Combo2(2)"].backColor(), QColor(255, 255, 0));
    QCOMPARE(combo->lineEdit()->palette().color(QPalette::Base), QColor(255, 255, 0));
}

void MainWindowInputTest::standardDialogsSpeakTheLanguage_data()
{
    QTest::addColumn<int>("menuItem");
    QTest::addColumn<QString>("yes");
    QTest::newRow("Deutsch") << 1 << "&Ja";
    QTest::newRow("Français") << 2 << "&Oui";
    QTest::newRow("Polski") << 3 << "&Tak";
    QTest::newRow("back to English") << 0 << "&Yes";
}

void MainWindowInputTest::standardDialogsSpeakTheLanguage()
{
    QFETCH(int, menuItem);
    QFETCH(QString, yes);
    WindowFixture f;
    if (menuItem == 0) // from another language back to English
        f.window().findChild<QAction *>(QStringLiteral("mnuOtherLanguage(1)"))->trigger();
    f.window()
        .findChild<QAction *>(QStringLiteral("mnuOtherLanguage(%1)").arg(menuItem))
        ->trigger();
    QDialogButtonBox box(QDialogButtonBox::Yes | QDialogButtonBox::No);
    QCOMPARE(box.button(QDialogButtonBox::Yes)->text(), yes);
}

void MainWindowInputTest::firstStartWithTheShippedProfile()
{
    test::TempInstall install(true, true);
    mMain::Main(install.path(), QStringLiteral("VeltrannCalc"));
    QCOMPARE(app().LanguageName, QStringLiteral("English"));
    QCOMPARE(app().UnitSystem, qint16(0));
    std::unique_ptr<QWidget> window(ui::createMainWindow());
    auto *main = qobject_cast<FrmMainWindow *>(window.get());
    QVERIFY(main);
    QCOMPARE(window->windowTitle(), main->mainForm().form().caption());
    QVERIFY(window->windowTitle() != QLatin1String("Form1"));
    QVERIFY(window->findChild<QAction *>(QStringLiteral("mnuOtherLanguage(0)"))->isChecked());
    QCOMPARE(main->mainForm().Text2(0).text(), QStringLiteral("8000"));
}

QTEST_MAIN(MainWindowInputTest)
#include "mainwindowinputtest.moc"
