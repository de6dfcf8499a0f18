#include "form/form.h"

#include <QSignalSpy>
#include <QtTest>

using vc::Control;
using vc::Form;

class FormTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void namesMatchWithoutCase();
    void setterReportsOnlyRealChanges();
    void clearingListResetsIndex();
};

void FormTest::namesMatchWithoutCase()
{
    Form form("frmMain");
    Control &label = form.add("Label20", 7, Control::Kind::Label);
    QCOMPARE(label.name(), QStringLiteral("Label20(7)"));
    QCOMPARE(&form.at("label20(7)"), &label);
    QVERIFY(form.has("LABEL20(7)"));
    QCOMPARE(&form.add("Label20(7)", Control::Kind::Label), &label);
    QCOMPARE(form.names().size(), 1);
    // An unknown name is made on first use and kept.
    QVERIFY(!form.has("Label99(1)"));
    form["Label99(1)"].setCaption("x");
    QCOMPARE(form.at("label99(1)").text(), QStringLiteral("x"));
}

void FormTest::setterReportsOnlyRealChanges()
{
    Form form("frmMain");
    Control &text = form.add("Text2(0)", Control::Kind::TextBox);
    QSignalSpy spy(&text, &Control::changed);
    text.setText("8000");
    text.setText("8000");
    text.setVisible(true);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<Control::Property>(), Control::Property::Text);
}

void FormTest::clearingListResetsIndex()
{
    Form form("frmMain");
    Control &combo = form.add("Combo2", 1, Control::Kind::ComboBox);
    combo.setItems({"750", "760"});
    combo.setListIndex(1);
    combo.clearItems();
    QVERIFY(combo.items().isEmpty());
    QCOMPARE(combo.listIndex(), -1);
}

QTEST_GUILESS_MAIN(FormTest)
#include "formtest.moc"
