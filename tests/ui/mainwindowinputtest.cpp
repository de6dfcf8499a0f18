// What the planner's keys and clicks do to the fields, and the language menu.
#include "datarows.h"
#include "form/appglobals.h"
#include "form/mmain.h"
#include "frmmainwindow.h"
#include "frmsplash.h"
#include "mainform.h"
#include "mainwindowfactory.h"
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
#include <QTimer>

using namespace vc;
using vc::test::WindowFixture;

class MainWindowInputTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void onlyATextChangeMarksTheProject_data() { test::addRows("projectchanged.tsv"); }

    void onlyATextChangeMarksTheProject()
    {
        QFETCH(QString, field);
        QFETCH(QString, keys);
        QFETCH(bool, changed);
        WindowFixture f;
        f.main().selectPage(field.startsWith(QLatin1String("Text3"))   ? MainForm::DistancePage
                            : field.startsWith(QLatin1String("Text1")) ? MainForm::ProjectPage
                                                                       : MainForm::LoadPage);
        if (field == QLatin1String("Text1(0)"))
            f.main().Text1(0).setText(QStringLiteral("Hotel Nord"));
        f.main().ProjectChanged = false;
        QWidget *edit = f.widget(field);
        f.typeInto(field, QString()); // tabs in, which selects the whole text
        for (const QString &key : keys.split(QLatin1Char(' '))) {
            if (key.startsWith(QLatin1String("type:"))) {
                QTest::keyClicks(edit, key.mid(5));
                QCOMPARE(f.field(field), key.mid(5));
            } else if (key.startsWith(QLatin1String("paste:"))) {
                auto *line = qobject_cast<QLineEdit *>(edit);
                QApplication::clipboard()->setText(keys.mid(6));
                line->selectAll();
                line->paste();
                break;
            } else {
                QTest::keySequence(edit, QKeySequence(key));
            }
        }
        QCOMPARE(f.main().ProjectChanged, changed);
    }

    void listOpensAtTheValue_data() { test::addRows("listopensat.tsv"); }

    void listOpensAtTheValue()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QString, opensAt);
        WindowFixture f;
        f.main().selectPage(MainForm::LoadPage);
        f.main()[field].setText(value);
        auto *combo = f.widget<ValueComboBox>(field);
        combo->setFocus(Qt::TabFocusReason);
        combo->showPopup();
        QCOMPARE(combo->view()->currentIndex().data().toString(), opensAt);
        QCOMPARE(combo->currentText(), value); // opening changes nothing the field holds
        combo->hidePopup();
        QCOMPARE(f.field(field), value);
    }

    void choosingAnEntryKeepsTheFocusColour()
    {
        WindowFixture f;
        f.main().selectPage(MainForm::LoadPage);
        auto *combo = f.widget<ValueComboBox>(QStringLiteral("Combo2(2)"));
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

    void languageMenu_data() { test::addRows("languagemenu.tsv"); }

    void languageMenu()
    {
        QFETCH(int, menuItem);
        QFETCH(QString, yes);
        WindowFixture f;
        FrmMainWindow &window = f.window();
        const QSize size = window.size();
        const QString englishTab = window.tabs()->tabText(1);
        const QString englishCalc = f.widget<QPushButton>("btnCalc")->text();
        const auto choose = [&](int item) {
            f.action(QStringLiteral("mnuOtherLanguage(%1)").arg(item))->trigger();
            QCoreApplication::processEvents();
        };
        if (menuItem == 0) // from another language back to English
            choose(1);
        choose(menuItem);
        QDialogButtonBox box(QDialogButtonBox::Yes | QDialogButtonBox::No);
        QCOMPARE(box.button(QDialogButtonBox::Yes)->text(), yes);
        QCOMPARE(window.tabs()->tabText(1) == englishTab, menuItem == 0);
        QVERIFY(!window.tabs()->tabText(1).isEmpty());
        QCOMPARE(f.widget<QPushButton>("btnCalc")->text() == englishCalc, menuItem == 0);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(f.action(QStringLiteral("mnuOtherLanguage(%1)").arg(i))->isChecked(),
                     i == menuItem);
        QCOMPARE(window.windowTitle(), f.main().form().caption());
        QCOMPARE(window.size(), size); // the window does not follow the length of the texts
    }

    void firstStartWithTheShippedProfile()
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
        QVERIFY(window->isHidden());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));

        // The about box: an ordinary window that stays until a key or click, and comes again.
        QAction *aboutCommand = window->findChild<QAction *>(QStringLiteral("mnuAbout"));
        aboutCommand->trigger();
        auto *about = window->findChild<ui::frmSplash *>();
        QVERIFY(about && QTest::qWaitForWindowExposed(about));
        QVERIFY(!about->isModal());
        QTest::keyClick(about, Qt::Key_Escape);
        QVERIFY(!about->isVisible());
        aboutCommand->trigger();
        QCOMPARE(window->findChild<ui::frmSplash *>(), about);
        QVERIFY(about->isVisible());
        about->close();
    }
};

QTEST_MAIN(MainWindowInputTest)
#include "mainwindowinputtest.moc"
