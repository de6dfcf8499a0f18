#include "designfixture.h"
#include "richtext/richtextfield.h"

#include <QtTest>

using namespace vc;
using vc::test::DesignFixture;

// The Copy buttons of the Summary and Text-for-tender pages put the whole
// document on the clipboard and leave the caret at the start.
class CopyCommandsTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void copyWholeDocument_data();
    void copyWholeDocument();
};

void CopyCommandsTest::copyWholeDocument_data()
{
    QTest::addColumn<bool>("report");
    QTest::newRow("report (Command2)") << true;
    QTest::newRow("tender text (Command1)") << false;
}

void CopyCommandsTest::copyWholeDocument()
{
    QFETCH(bool, report);
    DesignFixture fx;
    MemoryClipboard clipboard;
    clipboard.setText(QStringLiteral("old"));
    Services::setClipboard(&clipboard);
    RichTextField &field = report ? fx.f().RtfCalulation() : fx.f().RtfTender();
    field.setPlainText(QStringLiteral("Humidification load 12.7 kg/h\nModel 1534"));
    field.select(5, 3);
    report ? fx.f().Command2_Click() : fx.f().Command1_Click();
    QCOMPARE(clipboard.text().replace(QLatin1Char('\r'), QLatin1Char('\n')).trimmed(),
             QStringLiteral("Humidification load 12.7 kg/h\nModel 1534"));
    QVERIFY(!clipboard.rtf().isEmpty());
    QCOMPARE(field.selectionStart(), 0);
    QCOMPARE(field.selectionLength(), 0);
    Services::setClipboard(nullptr);
}

QTEST_MAIN(CopyCommandsTest)
#include "copycommandstest.moc"
