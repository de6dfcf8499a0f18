#include "qtservices.h"
#include "datarows.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QtTest>

using vc::ui::QtFileDialogs;

class QtServicesTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void windowsFilterToQt_data() { vc::test::addRows("windowsfilters.tsv"); }

    void windowsFilterToQt()
    {
        QFETCH(QString, windows);
        QFETCH(QStringList, qt);
        QCOMPARE(QtFileDialogs::qtFilters(windows), qt);
    }

    void clipboardCarriesRtfHtmlAndText()
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
};

QTEST_MAIN(QtServicesTest)
#include "qtservicestest.moc"
