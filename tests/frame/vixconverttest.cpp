#include "convert/vixconvert.h"
#include "convert/numberformat.h"
#include "datarows.h"
#include "testsupport.h"

#include <cmath>
#include <functional>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

using vc::VixConvert;

namespace {

// The value as the caller hands it over; "type@locale" hands it over in that user locale.
QVariant variant(QString type, const QString &text)
{
    if (type.contains(QLatin1Char('@')))
        QLocale::setDefault(QLocale(type.section(QLatin1Char('@'), 1)));
    type = type.section(QLatin1Char('@'), 0, 0);
    if (type == QLatin1String("text"))
        return text;
    if (type == QLatin1String("double"))
        return text.toDouble();
    if (type == QLatin1String("int"))
        return text.toInt();
    if (type == QLatin1String("bool"))
        return text == QLatin1String("true");
    if (type == QLatin1String("date"))
        return QDate::fromString(text, Qt::ISODate);
    return QVariant();
}

QVariant convert(const QString &function, const QVariant &v, const QString &argument)
{
    using C = VixConvert;
    const QHash<QString, std::function<QVariant()>> conversions{
        {"GInt", [&] { return int(C::GInt(v)); }},
        {"GByte", [&] { return int(C::GByte(v)); }},
        {"GLng", [&] { return int(C::GLng(v)); }},
        {"GCur", [&] { return C::GCur(v); }},
        {"GSng", [&] { return C::GSng(v); }},
        {"GDbl", [&] { return C::GDbl(v); }},
        {"GRound", [&] { return C::GRound(v, argument.toInt()); }},
        {"GBool", [&] { return C::GBool(v); }},
        {"GStr", [&] { return C::GStr(v); }},
        {"GStrLeer", [&] { return C::GStrLeer(v); }},
        {"GDate", [&] { return C::GDate(v).toString(Qt::ISODate); }},
        {"Divide", [&] { return C::Divide(v.toDouble(), argument.toDouble()); }},
        {"SearchTXT", [&] { return C::SearchTXT(v.toString(), argument); }},
        {"SearchAndReplaceTXT", [&] { // what it returns, and the text it was handed after
             QString text = v.toString();
             const QString got = C::SearchAndReplaceTXT(text, argument.section('|', 0, 0),
                                                        argument.section('|', 1));
             return QString(got + '|' + text);
         }}};
    return conversions.value(function, [] { return QVariant(); })();
}

} // namespace

// The forgiving conversions and the number formats.
class VixConvertTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { QLocale::setDefault(QLocale::c()); }
    void conversions_data() { vc::test::addRows("conversions.tsv"); }
    void conversions();
    void isImage();
    void formatNumber_data() { vc::test::addRows("numberformat.tsv"); }
    void formatNumber();
    void roundHalfAway_data();
    void roundHalfAway();
    void leadingNumber_data() { vc::test::addRows("leadingnumber.tsv"); }
    void leadingNumber();
};

void VixConvertTest::conversions()
{
    QFETCH(QString, function);
    QFETCH(QString, type);
    QFETCH(QString, value);
    QFETCH(QString, argument);
    QFETCH(QString, expected);
    const QVariant got = convert(function, variant(type, value), argument);
    QVERIFY2(got.isValid(), qPrintable(function));
    if (got.typeId() == QMetaType::Double)
        QCOMPARE(got.toDouble(), expected.toDouble());
    else if (got.typeId() == QMetaType::Float)
        QCOMPARE(got.toFloat(), expected.toFloat());
    else
        QCOMPARE(got.toString(), expected);
}

void VixConvertTest::isImage()
{
    QTemporaryDir dir;
    const QString picture = dir.filePath("Img/Unit.png");
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QVERIFY(vc::test::writeFile(picture, QByteArray()));
    QVERIFY(image.save(picture));
    QVERIFY(VixConvert::IsImage(picture));
    QVERIFY(VixConvert::IsImage(dir.path() + QStringLiteral("\\img\\UNIT.PNG")));
    QVERIFY(vc::test::writeFile(dir.filePath("text.png"), "not a picture"));
    QVERIFY(!VixConvert::IsImage(dir.filePath("text.png")));
    QVERIFY(!VixConvert::IsImage(dir.filePath("none.png")));
    QVERIFY(!VixConvert::IsImage(QString()));
}

void VixConvertTest::formatNumber()
{
    QFETCH(double, value);
    QFETCH(QString, pattern);
    QFETCH(QString, locale);
    QFETCH(QString, expected);
    QCOMPARE(vc::formatNumber(value, pattern, QLocale(locale)), expected);
}

void VixConvertTest::roundHalfAway_data()
{
    vc::test::addRows("roundhalfaway.tsv");
    // A product as the program computes it, not as a text reads.
    QTest::newRow("2.5 x 0.7 as computed") << 2.5 * 0.7 << 1 << 1.8;
}

void VixConvertTest::roundHalfAway()
{
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(double, expected);
    QCOMPARE(vc::roundHalfAway(value, decimals), expected);
}

void VixConvertTest::leadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    const double got = vc::leadingNumber(text);
    QCOMPARE(got, expected);
    QVERIFY(!std::signbit(got) || expected < 0);
}

QTEST_GUILESS_MAIN(VixConvertTest)
#include "vixconverttest.moc"
