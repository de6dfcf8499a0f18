// The modal windows the main window opens: the manual inputs, the information
// text, the basket and the print preview, driven by keys and clicks offscreen.
#include "datarows.h"
#include "familypage.h"
#include "form/appglobals.h"
#include "frmkorbwindow.h"
#include "frmmainwindow.h"
#include "korbform.h"
#include "mainform.h"
#include "print/printer.h"
#include "readback.h"
#include "reportdocuments.h"
#include "windowfixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTreeWidget>

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

void press(QWidget *window, const QString &name)
{
    auto *button = window->findChild<QAbstractButton *>(name);
    QVERIFY2(button, qPrintable(name));
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace

class OpenedWindowsTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void distanceWindow_data() { vc::test::addRows("distancewindow.tsv"); }

    void distanceWindow()
    {
        QFETCH(QString, command);
        QFETCH(QStringList, after);
        WindowFixture f;
        const QStringList names{"Text3(1)",   "Text3(2)", "Label30(3)",
                                "Label30(1)", "Text3(0)", "Text3(4)"};
        const QStringList before{"1000", "500", "950", "3.3", "2500", "10"};
        for (int i = 0; i < names.size(); ++i)
            f.main()[names[i]].setText(before[i]);
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
                press(window, command);
                QVERIFY(!window->isVisible());
            });
        QCOMPARE(opened, QStringLiteral("vc::FrmManBS"));
        QStringList fields;
        for (const QString &name : names.mid(0, 4))
            fields << f.field(name);
        QCOMPARE(fields, after);
        QVERIFY(f.messages.shown().empty());
    }

    void loadWindow_data() { vc::test::addRows("loadwindow.tsv"); }

    void loadWindow()
    {
        QFETCH(QString, command);
        QFETCH(QStringList, after);
        WindowFixture f;
        const auto act = [&](QWidget *window) {
            QCOMPARE(window->windowTitle(),
                     QStringLiteral("Humidification load \u2013 manual input"));
            type(window, "TextbV(0)", QStringLiteral("1600"));
            type(window, "Textxa", QStringLiteral("1.7"));
            type(window, "Textxi", QStringLiteral("8.8"));
            type(window, "Textsl(1)", QStringLiteral("539"));
            press(window, command);
        };
        QCOMPARE(test::inModal([&] { f.widget<QPushButton>("Command20(0)")->click(); }, act),
                 QStringLiteral("vc::FrmManDM"));
        const QString pressure = f.field("Combo2(1)"), outside = f.field("Combo2(2)");
        f.click("btnCalc");
        QCOMPARE((QStringList{pressure, outside, f.field("Label20(1)"), f.field("Label20(2)")}),
                 after);
    }

    void informationWindow_data() { test::addRows("informationwindow.tsv"); }

    void informationWindow()
    {
        QFETCH(QString, language);
        QFETCH(bool, fromHotSpot);
        QFETCH(bool, installed);
        QFETCH(QString, start);
        WindowFixture f(language);
        if (!installed)
            QVERIFY(QFile::remove(f.path(QStringLiteral("Docs/De/SC.RTF"))));
        const auto trigger = [&] {
            if (!fromHotSpot)
                return f.action(QStringLiteral("mnuSC"))->trigger();
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

    // A hose picked in the German catalogue tree, added twice, the second removed by key.
    void equipmentOpensTheBasket()
    {
        WindowFixture f(QStringLiteral("Deutsch"));
        auto *equipment = f.widget<QPushButton>(QStringLiteral("Command11"));
        QVERIFY(equipment->isEnabled());
        f.messages.script(MessageService::Answer::No); // the closing question: leave unsaved
        const auto act = [&](QWidget *window) {
            auto *basket = static_cast<FrmKorbWindow *>(window);
            QVERIFY(QTest::qWaitForWindowExposed(basket));
            QCOMPARE(basket->windowTitle(), QStringLiteral("Ausstattung und Artikel"));
            QTreeWidget *tree = basket->tree(); // the catalogue test checks the tree's levels
            QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("Befeuchter"));
            QTreeWidgetItem *hose = tree->topLevelItem(1)->child(1)->child(0);
            tree->expandAll();
            tree->scrollToItem(hose);
            QCoreApplication::processEvents();
            QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                              tree->visualItemRect(hose).center());
            QCOMPARE(basket->korbForm().lbDesc1(4).text(), QStringLiteral("2201022"));
            press(basket, QStringLiteral("Command1"));
            press(basket, QStringLiteral("Command1"));
            QTreeWidget *list = basket->list();
            QCOMPARE(QString::number(list->topLevelItemCount()) + ' ' +
                         list->headerItem()->text(0) + ' ' + list->topLevelItem(0)->text(2),
                     "2 Menge Dampfschlauch DN 22, je Meter");
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualItemRect(list->topLevelItem(1)).center());
            QTest::keyClick(list, Qt::Key_Delete);
            QCOMPARE(list->topLevelItemCount(), 1);
            basket->reject(); // asks, No closes
        };
        QCOMPARE(test::inModal([&] { QTest::mouseClick(equipment, Qt::LeftButton); }, act),
                 QStringLiteral("vc::FrmKorbWindow"));
        QCOMPARE(f.messages.shown().size(), size_t(1));
    }

    void printCommandsOpenPreview_data() { test::addRows("printcommands.tsv"); }

    void printCommandsOpenPreview()
    {
        QFETCH(QString, command);
        QFETCH(bool, writePdf);
        Printer::setCurrent(PrinterList::pdfFileName());
        WindowFixture f;
        MainForm &main = f.main();
        installReports(main);
        main.btnCalc_Click();
        main.selectPage(MainForm::FamilyPage);
        main.Image9_Click(0);
        for (int page : {MainForm::DistancePage, MainForm::SummaryPage, MainForm::TenderPage})
            main.selectPage(page);

        const QString pdf = f.path(QStringLiteral("Data/offer.pdf"));
        const auto act = [&](QWidget *preview) {
            auto *text = preview->findChild<QTextEdit *>(QStringLiteral("RichTextBox1"));
            QVERIFY(text && text->toPlainText().contains(main.Label20(5).text()));
            QCOMPARE(text->lineWrapMode(), QTextEdit::FixedPixelWidth);
            QVERIFY(!preview->findChildren<QComboBox *>().isEmpty());
            if (writePdf) {
                f.dialogs.script(pdf);
                for (QAbstractButton *b : preview->findChildren<QAbstractButton *>())
                    if (b->text().startsWith(QLatin1String("PDF")))
                        b->click();
            }
        };
        const auto trigger = [&] {
            command.startsWith(QLatin1String("mnu")) ? f.action(command)->trigger()
                                                     : f.widget<QAbstractButton>(command)->click();
        };
        QCOMPARE(test::inModal(trigger, act), QStringLiteral("vc::FrmPreview"));
        if (writePdf) {
            const QString text = test::pdfText(pdf);
            QVERIFY(text.contains(QLatin1String("Calculation report")) &&
                    text.contains(QLatin1String("Tender text")));
        }
    }
};

QTEST_MAIN(OpenedWindowsTest)
#include "openedwindowstest.moc"
