#include "convert/numberformat.h"
#include "tablefile.h"

#include <cmath>
#include <QtTest>

using vc::test::text;

class NumberFormatTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void formatNumber_data();
    void formatNumber();
    void roundHalfAway_data();
    void roundHalfAway();
    void leadingNumber_data();
    void leadingNumber();
};

void NumberFormatTest::formatNumber_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("expected");
    for (const auto &r : vc::test::readTable(QStringLiteral("numberformat.tsv"), 5))
        QTest::newRow(r[0].constData())
            << r[1].toDouble() << text(r[2]) << text(r[3]) << text(r[4]);
}

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
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<double>("expected");

    QTest::newRow("half up") << 2.5 << 0 << 3.0;
    QTest::newRow("negative half away") << -2.5 << 0 << -3.0;
    QTest::newRow("1.005 as read") << 1.005 << 2 << 1.01;
    QTest::newRow("0.15 as read") << 0.15 << 1 << 0.2;
    QTest::newRow("2.5 x 0.7 as read") << 2.5 * 0.7 << 1 << 1.8;
    QTest::newRow("below half") << 1.04999 << 1 << 1.0;
    QTest::newRow("large") << 123456789.125 << 2 << 123456789.13;
    QTest::newRow("half at the 16th digit") << 343941359125954.5 << 0 << 343941359125955.0;
    QTest::newRow("many decimals keep the value") << 0.1 << 10 << 0.1;
}

void NumberFormatTest::roundHalfAway()
{
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(double, expected);
    QCOMPARE(vc::roundHalfAway(value, decimals), expected);
}

void NumberFormatTest::leadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    for (const auto &r : vc::test::readTable(QStringLiteral("leadingnumber.tsv"), 3))
        QTest::newRow(r[0].constData()) << text(r[1]) << r[2].toDouble();
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
