#include "convert/vixconvert.h"
#include "testsupport.h"

#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

using vc::VixConvert;

class VixConvertTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { QLocale::setDefault(QLocale::c()); }
    void gInt_data();
    void gInt();
    void wholeNumberRanges();
    void gDbl_data();
    void gDbl();
    void gDblReadsUserLocale();
    void texts();
    void gBool_data();
    void gBool();
    void gDate();
    void gRound_data();
    void gRound();
    void divide();
    void searchAndReplace();
    void isImage();
};

void VixConvertTest::gInt_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<int>("expected");

    QTest::newRow("absent") << QVariant() << 0;
    QTest::newRow("empty text") << QVariant(QString()) << 0;
    QTest::newRow("text without digits") << QVariant(QStringLiteral("abc")) << 0;
    QTest::newRow("40000 out of range") << QVariant(QStringLiteral("40000")) << 0;
    QTest::newRow("one") << QVariant(QStringLiteral("1")) << 1;
    QTest::newRow("2.5 to even") << QVariant(QStringLiteral("2.5")) << 2;
    QTest::newRow("3.5 to even") << QVariant(QStringLiteral("3.5")) << 4;
    QTest::newRow("-2.5 to even") << QVariant(QStringLiteral("-2.5")) << -2;
    QTest::newRow("blanks around") << QVariant(QStringLiteral("  12 ")) << 12;
    QTest::newRow("exponent") << QVariant(QStringLiteral("1e3")) << 1000;
    QTest::newRow("upper bound") << QVariant(QStringLiteral("32767.4")) << 32767;
    QTest::newRow("rounds past upper bound") << QVariant(QStringLiteral("32767.5")) << 0;
    QTest::newRow("lower bound") << QVariant(QStringLiteral("-32768")) << -32768;
    QTest::newRow("number with unit") << QVariant(QStringLiteral("12 kg")) << 0;
    QTest::newRow("nan text") << QVariant(QStringLiteral("nan")) << 0;
    QTest::newRow("inf text") << QVariant(QStringLiteral("inf")) << 0;
    QTest::newRow("double value") << QVariant(2.5) << 2;
    QTest::newRow("true is -1") << QVariant(true) << -1;
}

void VixConvertTest::gInt()
{
    QFETCH(QVariant, value);
    QFETCH(int, expected);
    QCOMPARE(int(VixConvert::GInt(value)), expected);
}

void VixConvertTest::wholeNumberRanges()
{
    QCOMPARE(int(VixConvert::GByte(QStringLiteral("255"))), 255);
    QCOMPARE(int(VixConvert::GByte(QStringLiteral("256"))), 0);
    QCOMPARE(int(VixConvert::GByte(QStringLiteral("-1"))), 0);
    QCOMPARE(int(VixConvert::GByte(QStringLiteral("12.5"))), 12);
    QCOMPARE(VixConvert::GLng(QStringLiteral("2147483647")), 2147483647);
    QCOMPARE(VixConvert::GLng(QStringLiteral("2147483648")), 0);
    QCOMPARE(VixConvert::GLng(QStringLiteral("-2147483648")), qint32(-2147483647 - 1));
    QCOMPARE(VixConvert::GCur(QStringLiteral("1.23456")), 1.2346);
    QCOMPARE(VixConvert::GCur(QStringLiteral("1e16")), 0.0);
    QCOMPARE(VixConvert::GSng(QStringLiteral("1e39")), 0.0f);
    QCOMPARE(VixConvert::GSng(QStringLiteral("0.5")), 0.5f);
}

void VixConvertTest::gDbl_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<double>("expected");

    QTest::newRow("absent") << QVariant() << 0.0;
    QTest::newRow("decimal text") << QVariant(QStringLiteral("1.5")) << 1.5;
    QTest::newRow("negative text") << QVariant(QStringLiteral("-0.25")) << -0.25;
    QTest::newRow("letters") << QVariant(QStringLiteral("x1")) << 0.0;
    QTest::newRow("integer value") << QVariant(7) << 7.0;
    QTest::newRow("huge exponent") << QVariant(QStringLiteral("1e400")) << 0.0;
}

void VixConvertTest::gDbl()
{
    QFETCH(QVariant, value);
    QFETCH(double, expected);
    QCOMPARE(VixConvert::GDbl(value), expected);
}

void VixConvertTest::gDblReadsUserLocale()
{
    QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
    QCOMPARE(VixConvert::GDbl(QStringLiteral("1,5")), 1.5);
    QCOMPARE(VixConvert::GDbl(QStringLiteral("1.234,5")), 1234.5);
    QCOMPARE(VixConvert::GStr(2.5), QStringLiteral("2,5"));
}

void VixConvertTest::texts()
{
    QCOMPARE(VixConvert::GStr(QVariant()), QString());
    QCOMPARE(VixConvert::GStr(12), QStringLiteral("12"));
    QCOMPARE(VixConvert::GStr(1.5), QStringLiteral("1.5"));
    QCOMPARE(VixConvert::GStr(1234567.25), QStringLiteral("1234567.25"));
    QCOMPARE(VixConvert::GStr(true), QStringLiteral("True"));
    QCOMPARE(VixConvert::GStr(QStringLiteral(" as is ")), QStringLiteral(" as is "));
    QCOMPARE(VixConvert::GStrLeer(QStringLiteral("12")), QStringLiteral("12 "));
    QCOMPARE(VixConvert::GStrLeer(QVariant()), QStringLiteral(" "));
}

void VixConvertTest::gBool_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("expected");

    QTest::newRow("absent") << QVariant() << false;
    QTest::newRow("True text") << QVariant(QStringLiteral("True")) << true;
    QTest::newRow("false text any case") << QVariant(QStringLiteral(" FALSE ")) << false;
    QTest::newRow("zero text") << QVariant(QStringLiteral("0")) << false;
    QTest::newRow("non-zero text") << QVariant(QStringLiteral("2")) << true;
    QTest::newRow("other text") << QVariant(QStringLiteral("yes")) << false;
    QTest::newRow("number") << QVariant(-1) << true;
}

void VixConvertTest::gBool()
{
    QFETCH(QVariant, value);
    QFETCH(bool, expected);
    QCOMPARE(VixConvert::GBool(value), expected);
}

void VixConvertTest::gDate()
{
    const QDate zero(1899, 12, 30);
    QCOMPARE(VixConvert::GDate(QVariant()), zero);
    QCOMPARE(VixConvert::GDate(QStringLiteral("abc")), zero);
    QCOMPARE(VixConvert::GDate(QStringLiteral("2024-03-01")), QDate(2024, 3, 1));
    QCOMPARE(VixConvert::GDate(QDate(2020, 2, 29)), QDate(2020, 2, 29));
    QCOMPARE(VixConvert::GDate(2), QDate(1900, 1, 1));
}

void VixConvertTest::gRound_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<int>("mode");
    QTest::addColumn<float>("expected");

    QTest::newRow("1.02 mode 1 down") << QVariant(1.02) << 1 << 1.0f;
    QTest::newRow("1.03 mode 1 up") << QVariant(1.03) << 1 << 1.05f;
    QTest::newRow("1.01 mode 2 up") << QVariant(1.01) << 2 << 1.05f;
    QTest::newRow("1.004 mode 2 stays") << QVariant(1.004) << 2 << 1.0f;
    QTest::newRow("mode 3") << QVariant(1.0) << 3 << 0.0f;
    QTest::newRow("text value") << QVariant(QStringLiteral("2.27")) << 1 << 2.25f;
    QTest::newRow("negative") << QVariant(-1.03) << 1 << -1.05f;
    QTest::newRow("absent") << QVariant() << 1 << 0.0f;
}

void VixConvertTest::gRound()
{
    QFETCH(QVariant, value);
    QFETCH(int, mode);
    QFETCH(float, expected);
    QCOMPARE(VixConvert::GRound(value, mode), expected);
}

void VixConvertTest::divide()
{
    QCOMPARE(VixConvert::Divide(5, 0), 0.0);
    QCOMPARE(VixConvert::Divide(5, 2), 2.5);
    QCOMPARE(VixConvert::Divide(-1, 4), -0.25);
}

void VixConvertTest::searchAndReplace()
{
    QString text = QStringLiteral("##KW## und ##KW##");
    QCOMPARE(VixConvert::SearchAndReplaceTXT(text, QStringLiteral("##KW##"), QStringLiteral("12")),
             QStringLiteral("12 und ##KW##"));
    QCOMPARE(text, QStringLiteral("12 und ##KW##"));
    QString unchanged = QStringLiteral("abc");
    QCOMPARE(VixConvert::SearchAndReplaceTXT(unchanged, QStringLiteral("x"), QStringLiteral("y")),
             QStringLiteral("abc"));
    QVERIFY(VixConvert::SearchTXT(QStringLiteral("Steam"), QStringLiteral("tea")));
    QVERIFY(!VixConvert::SearchTXT(QStringLiteral("Steam"), QStringLiteral("s")));
}

void VixConvertTest::isImage()
{
    QTemporaryDir dir;
    const QString picture = dir.filePath(QStringLiteral("Img/Unit.png"));
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QVERIFY(vc::test::writeFile(picture, QByteArray()));
    QVERIFY(image.save(picture));
    QVERIFY(VixConvert::IsImage(picture));
    QVERIFY(VixConvert::IsImage(dir.path() + QStringLiteral("\\img\\UNIT.PNG")));
    QVERIFY(vc::test::writeFile(dir.filePath(QStringLiteral("text.png")), "not a picture"));
    QVERIFY(!VixConvert::IsImage(dir.filePath(QStringLiteral("text.png"))));
    QVERIFY(!VixConvert::IsImage(dir.filePath(QStringLiteral("none.png"))));
    QVERIFY(!VixConvert::IsImage(QString()));
}

QTEST_GUILESS_MAIN(VixConvertTest)
#include "vixconverttest.moc"
