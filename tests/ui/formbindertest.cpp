// Widgets and controls kept in step both ways, widget kind by widget kind.
#include "form/form.h"
#include "formbinder.h"
#include "picturebox.h"
#include "shapemark.h"
#include "testsupport.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

using namespace vc;

class FormBinderTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void designCaptionBecomesTheControls_data();
    void designCaptionBecomesTheControls();
    void textFieldBothWays();
    void dropDownKeepsItsTextWhenTheListChanges();
    void dropDownPickLandsInTheControl();
    void coloursFollowAndReturnToTheDesign();
    void visibilityAndEnabledFollow();
    void labelTagUnderlines();
    void messageLineCollapsesWhileEmpty();
    void picturesAndMarksFollow();
    void tabCaptionsAndPage();
    void menuCommandCheckAndCaption();
};

void FormBinderTest::designCaptionBecomesTheControls_data()
{
    QTest::addColumn<QString>("controlText");
    QTest::addColumn<QString>("expected");
    QTest::newRow("control without text takes the design caption") << QString() << "&Calculate";
    QTest::newRow("control with a text keeps it") << "&Berechnen" << "&Berechnen";
}

void FormBinderTest::designCaptionBecomesTheControls()
{
    QFETCH(QString, controlText);
    QFETCH(QString, expected);
    Form form("frmTest");
    form.at("btnCalc").setText(controlText);
    FormBinder binder(form);
    QPushButton button("&Calculate");
    binder.bind(&button, "btnCalc");
    QCOMPARE(form.at("btnCalc").text(), expected);
    QCOMPARE(button.text(), expected);
    QCOMPARE(binder.widget("BTNCALC"), &button);
}

void FormBinderTest::textFieldBothWays()
{
    Form form("frmTest");
    FormBinder binder(form);
    QLineEdit edit;
    Control &control = binder.bind(&edit, "Text2(0)");
    control.setText("8000");
    QCOMPARE(edit.text(), QStringLiteral("8000"));
    edit.setFocus();
    edit.selectAll();
    QTest::keyClicks(&edit, "950");
    QCOMPARE(control.text(), QStringLiteral("950"));
    control.setSelection(1, 2);
    QCOMPARE(edit.selectedText(), QStringLiteral("50"));
}

void FormBinderTest::dropDownKeepsItsTextWhenTheListChanges()
{
    Form form("frmTest");
    FormBinder binder(form);
    QComboBox combo;
    combo.setEditable(true);
    Control &control = binder.bind(&combo, "Combo2(1)");
    control.setText("952");
    control.setItems({"750", "760", "770"});
    QCOMPARE(combo.count(), 3);
    QCOMPARE(combo.currentText(), QStringLiteral("952"));
    QCOMPARE(control.text(), QStringLiteral("952"));
    control.setText("28.1");
    QCOMPARE(combo.currentText(), QStringLiteral("28.1"));
}

void FormBinderTest::dropDownPickLandsInTheControl()
{
    Form form("frmTest");
    FormBinder binder(form);
    QComboBox combo;
    combo.setEditable(true);
    Control &control = binder.bind(&combo, "Combo2(5)");
    control.setItems({"3", "1"});
    control.setText("3");
    combo.setFocus();
    combo.lineEdit()->selectAll();
    QTest::keyClicks(&combo, "1");
    QCOMPARE(control.text(), QStringLiteral("1"));
    Q_EMIT combo.activated(0);
    QCOMPARE(control.listIndex(), 0);
    QCOMPARE(control.text(), QStringLiteral("3"));
}

void FormBinderTest::coloursFollowAndReturnToTheDesign()
{
    Form form("frmTest");
    FormBinder binder(form);
    QLineEdit edit;
    const QColor design = edit.palette().color(QPalette::Base);
    Control &control = binder.bind(&edit, "Text1(0)");
    control.setBackColor(QColor(255, 255, 0));
    QCOMPARE(edit.palette().color(QPalette::Base), QColor(255, 255, 0));
    control.setBackColor(QColor());
    QCOMPARE(edit.palette().color(QPalette::Base), design);

    QLabel label("Self cleaning system");
    Control &caption = binder.bind(&label, "Label2(32)");
    caption.setForeColor(QColor(0, 0, 192));
    QCOMPARE(label.palette().color(QPalette::WindowText), QColor(0, 0, 192));
}

void FormBinderTest::visibilityAndEnabledFollow()
{
    Form form("frmTest");
    FormBinder binder(form);
    QWidget parent;
    auto *button = new QPushButton("&Alternative", &parent);
    auto *hidden = new QLabel("preview", &parent);
    hidden->hide();
    Control &control = binder.bind(button, "Command20(0)");
    Control &preview = binder.bind(hidden, "ImgFlowting");
    QVERIFY(!preview.isVisible()); // hidden by design
    control.setVisible(false);
    QVERIFY(button->isHidden());
    control.setVisible(true);
    QVERIFY(!button->isHidden());
    control.setEnabled(false);
    QVERIFY(!button->isEnabled());
    preview.setVisible(true);
    QVERIFY(!hidden->isHidden());
}

void FormBinderTest::labelTagUnderlines()
{
    Form form("frmTest");
    FormBinder binder(form);
    QLabel label("Self cleaning system");
    Control &control = binder.bind(&label, "Label2(32)");
    control.setTag("underline");
    QVERIFY(label.font().underline());
    control.setTag(QString());
    QVERIFY(!label.font().underline());
}

void FormBinderTest::messageLineCollapsesWhileEmpty()
{
    Form form("frmTest");
    FormBinder binder(form);
    QWidget parent;
    auto *message = new QLabel(&parent);
    FormBinder::collapseWhenEmpty(message);
    Control &control = binder.bind(message, "Label20(9)");
    QVERIFY(message->isHidden());
    control.setText("This family cannot serve the size");
    QVERIFY(!message->isHidden());
    control.setText(QString());
    QVERIFY(message->isHidden());
    QVERIFY(control.isVisible()); // the control itself stays visible
}

void FormBinderTest::picturesAndMarksFollow()
{
    Form form("frmTest");
    FormBinder binder(form);
    PictureBox picture;
    Control &image = binder.bind(&picture, "ImageSelected");
    const QString file = test::dataDir() + "/Docs/img/U-Sorbix.jpg";
    image.setPicture(file);
    QCOMPARE(picture.picture(), file);
    QVERIFY(picture.hasImage());
    image.setPicture(QString());
    QVERIFY(!picture.hasImage());

    ShapeMark mark;
    Control &shape = binder.bind(&mark, "Shape4(3)");
    shape.setBackColor(QColor(192, 192, 192));
    QCOMPARE(mark.fillColor(), QColor(192, 192, 192));
}

void FormBinderTest::tabCaptionsAndPage()
{
    Form form("frmTest");
    FormBinder binder(form);
    QTabWidget tabs;
    for (const char *page : {"Project", "Units", "Summary"})
        tabs.addTab(new QWidget, page);
    Control &control = binder.bind(&tabs, "SSTab1");
    QCOMPARE(control.items(), QStringList({"Project", "Units", "Summary"}));
    control.setItems({"Projekt", "Geräte", "Zusammenfassung"});
    QCOMPARE(tabs.tabText(1), QStringLiteral("Geräte"));
    control.setListIndex(2);
    QCOMPARE(tabs.currentIndex(), 2);
}

void FormBinderTest::menuCommandCheckAndCaption()
{
    Form form("frmTest");
    FormBinder binder(form);
    QAction action("USA");
    Control &control = binder.bind(&action, "mnuOtherUnit(1)");
    QCOMPARE(control.text(), QStringLiteral("USA"));
    control.setChecked(true);
    QVERIFY(action.isChecked());
    control.setChecked(false);
    QVERIFY(!action.isChecked());
    control.setText("US customary");
    QCOMPARE(action.text(), QStringLiteral("US customary"));
    control.setEnabled(false);
    QVERIFY(!action.isEnabled());
}

QTEST_MAIN(FormBinderTest)
#include "formbindertest.moc"
