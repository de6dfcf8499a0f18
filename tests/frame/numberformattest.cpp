#include "convert/numberformat.h"

#include <cmath>
#include <limits>
#include <QtTest>

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

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();

    QTest::newRow("grouped, one decimal") << 1234.56 << "##,##0.0"
                                          << "C"
                                          << "1,234.6";
    QTest::newRow("grouped, one decimal, German") << 1234.56 << "##,##0.0"
                                                  << "de_DE"
                                                  << "1.234,6";
    QTest::newRow("1.5 x 0.3 shows 0.5") << 1.5 * 0.3 << "##,##0.0"
                                         << "C"
                                         << "0.5";
    QTest::newRow("2.5 x 0.1 shows 0.3") << 2.5 * 0.1 << "##,##0.0"
                                         << "C"
                                         << "0.3";
    QTest::newRow("2.5 x 0.7 shows 1.8") << 2.5 * 0.7 << "##,##0.0"
                                         << "C"
                                         << "1.8";
    QTest::newRow("1.005 to two decimals") << 1.005 << "#0.00"
                                           << "C"
                                           << "1.01";
    QTest::newRow("0.125 to two decimals") << 0.125 << "#0.00"
                                           << "C"
                                           << "0.13";
    QTest::newRow("two decimals, German") << 3.14159 << "#0.00"
                                          << "de_DE"
                                          << "3,14";
    QTest::newRow("carry into thousands") << 999.96 << "##,##0.0"
                                          << "C"
                                          << "1,000.0";
    QTest::newRow("carry into thousands, German") << 999.96 << "##,##0.0"
                                                  << "de_DE"
                                                  << "1.000,0";
    QTest::newRow("negative grouped") << -1234.5 << "##,##0.0"
                                      << "C"
                                      << "-1,234.5";
    QTest::newRow("small negative is no minus zero") << -0.04 << "##,##0.0"
                                                     << "C"
                                                     << "0.0";
    QTest::newRow("minus zero") << -0.0 << "####0"
                                << "C"
                                << "0";
    QTest::newRow("negative half away from zero") << -0.05 << "0.0"
                                                  << "C"
                                                  << "-0.1";
    QTest::newRow("integer pattern, half up") << 2.5 << "####0"
                                              << "C"
                                              << "3";
    QTest::newRow("integer pattern, negative half") << -2.5 << "####0"
                                                    << "C"
                                                    << "-3";
    QTest::newRow("integer pattern without grouping") << 12345.6 << "####0"
                                                      << "C"
                                                      << "12346";
    QTest::newRow("whole number grouped") << 1234567.0 << "#,##0"
                                          << "C"
                                          << "1,234,567";
    QTest::newRow("whole number grouped, German") << 1234567.0 << "#,##0"
                                                  << "de_DE"
                                                  << "1.234.567";
    QTest::newRow("zero with required digit") << 0.0 << "0.0"
                                              << "C"
                                              << "0.0";
    QTest::newRow("tiny value") << 1e-20 << "#0.00"
                                << "C"
                                << "0.00";
    QTest::newRow("large value") << 1e20 << "#,##0"
                                 << "C"
                                 << "100,000,000,000,000,000,000";
    QTest::newRow("optional digits only") << 0.5 << "#.##"
                                          << "C"
                                          << ".5";
    QTest::newRow("optional decimals dropped") << 2.1 << "0.0#"
                                               << "C"
                                               << "2.1";
    QTest::newRow("optional decimals kept") << 2.125 << "0.0#"
                                            << "C"
                                            << "2.13";
    QTest::newRow("text around the number") << 5.0 << "0.0 kg/h"
                                            << "C"
                                            << "5.0 kg/h";
    QTest::newRow("half at the 16th digit rounds away") << 343941359125954.5 << "####0"
                                                        << "C"
                                                        << "343941359125955";
    QTest::newRow("0.1 + 0.2 reads as 0.3") << 0.1 + 0.2 << "0.0"
                                            << "C"
                                            << "0.3";
    QTest::newRow("carry through all nines") << 99999.95 << "##,##0.0"
                                             << "C"
                                             << "100,000.0";
    QTest::newRow("subnormal") << 1e-320 << "#0.00"
                               << "C"
                               << "0.00";
    QTest::newRow("largest double") << 1.7976931348623157e308 << "0"
                                    << "C"
                                    << "17976931348623200" + QString(292, QLatin1Char('0'));
    QTest::newRow("not a number") << nan << "##,##0.0"
                                  << "C"
                                  << "";
    QTest::newRow("infinity") << inf << "##,##0.0"
                              << "C"
                              << "";
    QTest::newRow("minus infinity") << -inf << "####0"
                                    << "C"
                                    << "";
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

    QTest::newRow("number before unit") << "8000 m3/h" << 8000.0;
    QTest::newRow("comma is no decimal point") << "1,5" << 1.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("exponent") << "1e3" << 1000.0;
    QTest::newRow("exponent without digits") << "1e" << 1.0;
    QTest::newRow("exponent sign without digits") << "2E+x" << 2.0;
    QTest::newRow("blanks, sign, decimals") << " -2.5x" << -2.5;
    QTest::newRow("largest exponent") << "1e308" << 1e308;
    QTest::newRow("overflow is no infinity") << "1e999" << 0.0;
    QTest::newRow("second point ends the number") << "1.2.3" << 1.2;
    QTest::newRow("point first") << ".5" << 0.5;
    QTest::newRow("point last") << "7." << 7.0;
    QTest::newRow("point alone") << "." << 0.0;
    QTest::newRow("sign alone") << "-" << 0.0;
    QTest::newRow("plus sign") << "+4" << 4.0;
    QTest::newRow("minus zero") << "-0" << 0.0;
    QTest::newRow("tab before") << "\t12" << 12.0;
    QTest::newRow("negative exponent") << "25e-1 kW" << 2.5;
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
