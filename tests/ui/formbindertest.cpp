// Widgets and controls kept in step both ways, widget kind by widget kind.
#include "form/form.h"
#include "formbinder.h"
#include "picturebox.h"
#include "shapemark.h"
#include "testsupport.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace vc;

class FormBinderTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void designCaptionBecomesTheControls_data();
    void designCaptionBecomesTheControls();
    void textsBothWays();
    void looksFollow();
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

// Text fields and drop-down lists, typed into and set by the logic.
void FormBinderTest::textsBothWays()
{
    Form form("frmTest");
    FormBinder binder(form);
    QLineEdit edit;
    Control &text = binder.bind(&edit, "Text2(0)");
    text.setText("8000");
    QCOMPARE(edit.text(), QStringLiteral("8000"));
    edit.setFocus();
    edit.selectAll();
    QTest::keyClicks(&edit, "950");
    QCOMPARE(text.text(), QStringLiteral("950"));
    text.setSelection(1, 2);
    QCOMPARE(edit.selectedText(), QStringLiteral("50"));

    // A new list keeps the text the field holds, even one not in the list.
    QComboBox combo;
    combo.setEditable(true);
    Control &list = binder.bind(&combo, "Combo2(1)");
    list.setText("952");
    list.setItems({"750", "760", "770"});
    QCOMPARE(combo.count(), 3);
    QCOMPARE(combo.currentText(), QStringLiteral("952"));
    QCOMPARE(list.text(), QStringLiteral("952"));
    list.setText("28.1");
    QCOMPARE(combo.currentText(), QStringLiteral("28.1"));

    // Typed or picked, the entry lands in the control.
    list.setItems({"3", "1"});
    list.setText("3");
    combo.setFocus();
    combo.lineEdit()->selectAll();
    QTest::keyClicks(&combo, "1");
    QCOMPARE(list.text(), QStringLiteral("1"));
    Q_EMIT combo.activated(0);
    QCOMPARE(list.listIndex(), 0);
    QCOMPARE(list.text(), QStringLiteral("3"));
}

// Colours, visibility, underline, pictures and marks set by the logic.
void FormBinderTest::looksFollow()
{
    Form form("frmTest");
    FormBinder binder(form);
    QWidget parent;
    auto *edit = new QLineEdit(&parent);
    const QColor design = edit->palette().color(QPalette::Base);
    Control &text = binder.bind(edit, "Text1(0)");
    text.setBackColor(QColor(255, 255, 0));
    QCOMPARE(edit->palette().color(QPalette::Base), QColor(255, 255, 0));
    text.setBackColor(QColor());
    QCOMPARE(edit->palette().color(QPalette::Base), design);

    auto *label = new QLabel("Self cleaning system", &parent);
    Control &caption = binder.bind(label, "Label2(32)");
    caption.setForeColor(QColor(0, 0, 192));
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 192));
    caption.setTag("underline");
    QVERIFY(label->font().underline());
    caption.setTag(QString());
    QVERIFY(!label->font().underline());

    auto *button = new QPushButton("&Alternative", &parent);
    auto *hidden = new QLabel("preview", &parent);
    hidden->hide();
    Control &command = binder.bind(button, "Command20(0)");
    Control &preview = binder.bind(hidden, "ImgFlowting");
    QVERIFY(!preview.isVisible()); // hidden by design
    command.setVisible(false);
    QVERIFY(button->isHidden());
    command.setVisible(true);
    QVERIFY(!button->isHidden());
    command.setEnabled(false);
    QVERIFY(!button->isEnabled());
    preview.setVisible(true);
    QVERIFY(!hidden->isHidden());

    // The message line takes no room while it has nothing to say.
    auto *message = new QLabel(&parent);
    FormBinder::collapseWhenEmpty(message);
    Control &line = binder.bind(message, "Label20(9)");
    QVERIFY(message->isHidden());
    line.setText("This family cannot serve the size");
    QVERIFY(!message->isHidden());
    line.setText(QString());
    QVERIFY(message->isHidden());
    QVERIFY(line.isVisible()); // the control itself stays visible

    PictureBox picture;
    Control &image = binder.bind(&picture, "ImageSelected");
    const QString file = test::dataDir() + "/Docs/img/U-Sorbix.jpg";
    image.setPicture(file);
    QCOMPARE(picture.picture(), file);
    QVERIFY(picture.hasImage());
    image.setPicture(QString());
    QVERIFY(!picture.hasImage());
    ShapeMark mark;
    binder.bind(&mark, "Shape4(3)").setBackColor(QColor(192, 192, 192));
    QCOMPARE(mark.fillColor(), QColor(192, 192, 192));
}

QTEST_MAIN(FormBinderTest)
#include "formbindertest.moc"
