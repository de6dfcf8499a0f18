// The manual input windows and the information window, opened from the main
// window and driven by keys and clicks.
#include "form/appglobals.h"
#include "familypage.h"
#include "frmmainwindow.h"
#include "frmsc.h"
#include "infotext.h"
#include "mainform.h"
#include "richtext/richtextfield.h"
#include "windowfixture.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

using namespace vc;
using vc::test::WindowFixture;

namespace {

void type(QWidget *window, const char *name, const QString &text)
{
    auto *field = window->findChild<QLineEdit *>(QLatin1String(name));
    QVERIFY2(field, name);
    field->selectAll();
    QTest::keyClicks(field, text);
}

void press(QWidget *window, const char *name)
{
    auto *button = window->findChild<QPushButton *>(QLatin1String(name));
    QVERIFY2(button, name);
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace

class ManualWindowsTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void distanceWindow_data();
    void distanceWindow();
    void loadWindow_data();
    void loadWindow();
    void informationWindow_data();
    void informationWindow();
};

void ManualWindowsTest::distanceWindow_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("after"); // Text3(1), Text3(2), Label30(3), Label30(1)
    QTest::newRow("OK") << "Command1" << QStringList{"620", "560", "600", "2"};
    QTest::newRow("Cancel") << "Command2" << QStringList{"1000", "500", "950", "3.3"};
}

void ManualWindowsTest::distanceWindow()
{
    QFETCH(QString, command);
    QFETCH(QStringList, after);
    WindowFixture f;
    MainForm &main = f.main();
    main.Text3(0).setText(QStringLiteral("2500"));
    main.Text3(1).setText(QStringLiteral("1000"));
    main.Text3(2).setText(QStringLiteral("500"));
    main.Text3(4).setText(QStringLiteral("10"));
    main.Label30(1).setText(QStringLiteral("3.3"));
    main.Label30(3).setText(QStringLiteral("950"));
    QVERIFY(f.widget<QPushButton>("Command30(0)")->isEnabled());
    const QString opened = test::inModal(
        [&] { f.widget<QPushButton>("Command30(0)")->click(); },
        [&](QWidget *window) {
            QCOMPARE(window->windowTitle(),
                     QStringLiteral("Humidification distance \u2013 manual input"));
            auto *lengths = window->findChild<QComboBox *>(QStringLiteral("Combo35"));
            QVERIFY(lengths && lengths->isVisible());
            QVERIFY(!window->findChild<QComboBox *>(QStringLiteral("Combo22"))->isVisible());
            QCOMPARE(window->findChild<QLineEdit *>(QStringLiteral("Text1"))->text(),
                     QStringLiteral("3.3"));
            lengths->setFocus();
            QTest::keyClicks(lengths, QStringLiteral("6")); // the first length starting so
            QCOMPARE(lengths->currentText(), QStringLiteral("600"));
            type(window, "Text1", QStringLiteral("2"));
            press(window, qPrintable(command));
            QVERIFY(!window->isVisible());
        });
    QCOMPARE(opened, QStringLiteral("vc::FrmManBS"));
    QCOMPARE((QStringList{f.field("Text3(1)"), f.field("Text3(2)"), f.field("Label30(3)"),
                          f.field("Label30(1)")}),
             after);
    QVERIFY(f.messages.shown().empty());
}

void ManualWindowsTest::loadWindow_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>(
        "after"); // Combo2(1), Combo2(2), then after Calculate Label20(1), Label20(2)
    QTest::newRow("OK, then Calculate gives the water contents back")
        << "Command1" << QStringList{"950", "29.7", "1.7", "8.8"};
    QTest::newRow("Cancel") << "Command2" << QStringList{"950", "60", "1.7", "8.8"};
}

void ManualWindowsTest::loadWindow()
{
    QFETCH(QString, command);
    QFETCH(QStringList, after);
    WindowFixture f;
    const QString opened =
        test::inModal([&] { f.widget<QPushButton>("Command20(0)")->click(); },
                      [&](QWidget *window) {
                          QCOMPARE(window->windowTitle(),
                                   QStringLiteral("Humidification load \u2013 manual input"));
                          type(window, "TextbV(0)", QStringLiteral("1600"));
                          type(window, "Textxa", QStringLiteral("1.7"));
                          type(window, "Textxi", QStringLiteral("8.8"));
                          type(window, "Textsl(1)", QStringLiteral("539"));
                          press(window, qPrintable(command));
                      });
    QCOMPARE(opened, QStringLiteral("vc::FrmManDM"));
    const QString pressure = f.field("Combo2(1)"), outside = f.field("Combo2(2)");
    f.click("btnCalc");
    QCOMPARE((QStringList{pressure, outside, f.field("Label20(1)"), f.field("Label20(2)")}), after);
}

void ManualWindowsTest::informationWindow_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("fromHotSpot");
    QTest::addColumn<bool>("installed");
    QTest::addColumn<QString>("start");
    QTest::newRow("menu, English")
        << "English" << false << true << "The self-cleaning steam cylinder";
    QTest::newRow("hot spot, Deutsch")
        << "Deutsch" << true << true << "Der selbstreinigende Dampfzylinder";
    QTest::newRow("document missing") << "Deutsch" << false << false << "Der Informationstext";
}

void ManualWindowsTest::informationWindow()
{
    QFETCH(QString, language);
    QFETCH(bool, fromHotSpot);
    QFETCH(bool, installed);
    QFETCH(QString, start);
    WindowFixture f(language);
    if (!installed)
        QVERIFY(QFile::remove(f.path(QStringLiteral("Docs/De/SC.RTF"))));
    const auto trigger = [&] {
        if (!fromHotSpot) {
            f.window().findChild<QAction *>(QStringLiteral("mnuSC"))->trigger();
            return;
        }
        f.main().selectPage(MainForm::FamilyPage);
        QWidget *spot = f.window().familyPage()->hotSpot(1);
        QTest::mouseClick(spot, Qt::LeftButton, {}, spot->rect().center());
    };
    const QString opened = test::inModal(trigger, [&](QWidget *window) {
        QCOMPARE(window->windowTitle(), QStringLiteral("SC"));
        auto *text = window->findChild<QTextEdit *>(QStringLiteral("RichTextBox1"));
        QVERIFY(text->toPlainText().startsWith(start));
        for (const QSize size : {QSize(500, 400), QSize(900, 700)}) {
            window->resize(size);
            QCOMPARE(text->geometry(), QRect(QPoint(0, 0), window->size()));
        }
        QTest::keyClick(window, Qt::Key_Escape);
    });
    QCOMPARE(opened, QStringLiteral("vc::FrmSC"));
    QCOMPARE(app().LanguageDocsPath, app().DocsPath + QStringLiteral("\\") + language.left(2));
    QVERIFY(f.messages.shown().empty());
}

QTEST_MAIN(ManualWindowsTest)
#include "manualwindowstest.moc"
