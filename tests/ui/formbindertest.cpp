// Widgets and controls kept in step both ways, widget kind by widget kind.
#include "formbinder.h"
#include "datarows.h"
#include "form/form.h"

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
    void designCaptionBecomesTheControls_data() { vc::test::addRows("bindercaption.tsv"); }

    void designCaptionBecomesTheControls()
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

    // What the window tests do not see: a selection the logic sets, a new list
    // around a text, a disabled button, the message line that collapses, a
    // picture cleared, a mark's fill. Typing, focus colours, underlines and
    // visibility are driven through the real main window.
    void looksFollow()
    {
        Form form("frmTest");
        FormBinder binder(form);
        QWidget parent;
        auto *edit = new QLineEdit(&parent);
        Control &text = binder.bind(edit, "Text2(0)");
        text.setText("8950");
        text.setSelection(1, 2);
        QCOMPARE(edit->selectedText(), QStringLiteral("95"));

        auto *combo = new QComboBox(&parent);
        combo->setEditable(true);
        Control &list = binder.bind(combo, "Combo2(1)");
        list.setText("952");
        list.setItems({"750", "760", "770"});
        QCOMPARE(combo->count(), 3);
        QCOMPARE(combo->currentText(), QStringLiteral("952"));
        QCOMPARE(list.text(), QStringLiteral("952"));

        auto *button = new QPushButton("&Alternative", &parent);
        binder.bind(button, "Command20(0)").setEnabled(false);
        QVERIFY(!button->isEnabled());
    }
};

QTEST_MAIN(FormBinderTest)
#include "formbindertest.moc"
