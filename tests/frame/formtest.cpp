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
    Form form(QStringLiteral("frmMain"));
    Control &label = form.add(QStringLiteral("Label20"), 7, Control::Kind::Label);
    QCOMPARE(label.name(), QStringLiteral("Label20(7)"));
    QCOMPARE(&form.at(QStringLiteral("label20(7)")), &label);
    QVERIFY(form.has(QStringLiteral("LABEL20(7)")));
    QCOMPARE(&form.add(QStringLiteral("Label20(7)"), Control::Kind::Label), &label);
    QCOMPARE(form.names().size(), 1);
    // An unknown name is made on first use and kept.
    QVERIFY(!form.has(QStringLiteral("Label99(1)")));
    form[QStringLiteral("Label99(1)")].setCaption(QStringLiteral("x"));
    QCOMPARE(form.at(QStringLiteral("label99(1)")).text(), QStringLiteral("x"));
}

void FormTest::setterReportsOnlyRealChanges()
{
    Form form(QStringLiteral("frmMain"));
    Control &text = form.add(QStringLiteral("Text2(0)"), Control::Kind::TextBox);
    QSignalSpy spy(&text, &Control::changed);
    text.setText(QStringLiteral("8000"));
    text.setText(QStringLiteral("8000"));
    text.setVisible(true);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<Control::Property>(), Control::Property::Text);
}

void FormTest::clearingListResetsIndex()
{
    Form form(QStringLiteral("frmMain"));
    Control &combo = form.add(QStringLiteral("Combo2"), 1, Control::Kind::ComboBox);
    combo.setItems({QStringLiteral("750"), QStringLiteral("760")});
    combo.setListIndex(1);
    combo.clearItems();
    QVERIFY(combo.items().isEmpty());
    QCOMPARE(combo.listIndex(), -1);
}

QTEST_GUILESS_MAIN(FormTest)
#include "formtest.moc"
