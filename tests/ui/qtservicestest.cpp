#include "qtservices.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QtTest>

using vc::ui::QtFileDialogs;

class QtServicesTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void windowsFilterToQt_data();
    void windowsFilterToQt();
    void clipboardCarriesRtfHtmlAndText();
};

void QtServicesTest::windowsFilterToQt_data()
{
    QTest::addColumn<QString>("windows");
    QTest::addColumn<QStringList>("qt");

    QTest::newRow("project files")
        << "Project (*.sti)|*.sti" << QStringList{"Project (*.sti *.STI)"};
    QTest::newRow("all files") << "Projects|*.sti|All files|*.*"
                               << QStringList{"Projects (*.sti *.STI)", "All files (*)"};
    QTest::newRow("several patterns")
        << "Pictures|*.jpg;*.gif" << QStringList{"Pictures (*.jpg *.JPG *.gif *.GIF)"};
    QTest::newRow("description without pattern dropped") << "Lonely" << QStringList{};
    QTest::newRow("empty") << "" << QStringList{};
}

void QtServicesTest::windowsFilterToQt()
{
    QFETCH(QString, windows);
    QFETCH(QStringList, qt);
    QCOMPARE(QtFileDialogs::qtFilters(windows), qt);
}

void QtServicesTest::clipboardCarriesRtfHtmlAndText()
{
    vc::ui::QtClipboard clipboard;
    clipboard.setRichText(QByteArray("{\\rtf1 Hi}"), QStringLiteral("<b>Hi</b>"),
                          QStringLiteral("Hi"));
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    QVERIFY(data);
    QCOMPARE(data->data(QStringLiteral("text/rtf")), QByteArray("{\\rtf1 Hi}"));
    QVERIFY(data->html().contains(QLatin1String("<b>Hi</b>")));
    QCOMPARE(clipboard.text(), QStringLiteral("Hi"));
    clipboard.setText(QStringLiteral("a\tb"));
    QCOMPARE(clipboard.text(), QStringLiteral("a\tb"));
}

QTEST_MAIN(QtServicesTest)
#include "qtservicestest.moc"
