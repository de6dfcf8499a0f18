#include "convert/numberformat.h"
#include "datarows.h"

#include <cmath>
#include <QtTest>

using vc::test::addRows;

class NumberFormatTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void formatNumber_data() { addRows(QStringLiteral("numberformat.tsv")); }
    void formatNumber();
    void roundHalfAway_data();
    void roundHalfAway();
    void leadingNumber_data() { addRows(QStringLiteral("leadingnumber.tsv")); }
    void leadingNumber();
};

void NumberFormatTest::formatNumber()
{
    QFETCH(double, value);
    QFETCH(QString, pattern);
    QFETCH(QString, locale);
    QFETCH(QString, expected);
    QCOMPARE(vc::formatNumber(value, pattern, QLocale(locale)), expected);
}

void NumberFormatTest::roundHalfAway_data()
{
    addRows(QStringLiteral("roundhalfaway.tsv"));
    // A product as the program computes it, not as a text reads.
    QTest::newRow("2.5 x 0.7 as computed") << 2.5 * 0.7 << 1 << 1.8;
}

void NumberFormatTest::roundHalfAway()
{
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(double, expected);
    QCOMPARE(vc::roundHalfAway(value, decimals), expected);
}

void NumberFormatTest::leadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    const double got = vc::leadingNumber(text);
    QCOMPARE(got, expected);
    QVERIFY(!std::signbit(got) || expected < 0);
}

QTEST_GUILESS_MAIN(NumberFormatTest)
#include "numberformattest.moc"
