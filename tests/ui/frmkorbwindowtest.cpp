// The basket window opened from the main window's Equipment button and
// driven with the mouse and keys, offscreen.
#include "frmkorbwindow.h"
#include "form/appglobals.h"
#include "frmmainwindow.h"
#include "korbform.h"
#include "mainform.h"
#include "windowfixture.h"

#include <QDir>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

using namespace vc;
using vc::test::WindowFixture;

class FrmKorbWindowTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void equipmentOpensTheBasket();
};

void FrmKorbWindowTest::equipmentOpensTheBasket()
{
    WindowFixture f(QStringLiteral("Deutsch"));
    auto *equipment = f.window().findChild<QPushButton *>(QStringLiteral("Command11"));
    QVERIFY(equipment && equipment->isEnabled());
    f.messages.script(MessageService::Answer::No); // the closing question: leave unsaved

    const auto act = [&](QWidget *window) {
        auto *basket = static_cast<FrmKorbWindow *>(window);
        QVERIFY(QTest::qWaitForWindowExposed(basket));
        QCOMPARE(basket->windowTitle(), QStringLiteral("Ausstattung und Artikel"));
        QTreeWidget *tree = basket->tree();
        QCOMPARE(tree->topLevelItemCount(), 4);
        QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("Befeuchter"));
        QCOMPARE(tree->topLevelItem(0)->childCount(), 7);
        // A hose: the other-article panel with its check marks.
        QTreeWidgetItem *hoses = tree->topLevelItem(1)->child(1);
        tree->expandAll();
        tree->scrollToItem(hoses->child(0));
        QCoreApplication::processEvents();
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                          tree->visualItemRect(hoses->child(0)).center());
        QCOMPARE(basket->korbForm().lbDesc1(4).text(), QStringLiteral("2201022"));
        auto *add = basket->findChild<QPushButton *>(QStringLiteral("Command1"));
        QTest::mouseClick(add, Qt::LeftButton);
        QTest::mouseClick(add, Qt::LeftButton);
        QTreeWidget *list = basket->list();
        QCOMPARE(list->topLevelItemCount(), 2);
        QCOMPARE(list->headerItem()->text(0), QStringLiteral("Menge"));
        QCOMPARE(list->topLevelItem(0)->text(2), QStringLiteral("Dampfschlauch DN 22, je Meter"));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->topLevelItem(1)).center());
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(list->topLevelItemCount(), 1);
        basket->grab().save(QDir::temp().filePath(QStringLiteral("frmKorb.png")));
        basket->reject(); // asks, No closes
    };
    QCOMPARE(test::inModal([&] { QTest::mouseClick(equipment, Qt::LeftButton); }, act),
             QStringLiteral("vc::FrmKorbWindow"));
    QCOMPARE(f.messages.shown().size(), size_t(1));
}

QTEST_MAIN(FrmKorbWindowTest)
#include "frmkorbwindowtest.moc"
