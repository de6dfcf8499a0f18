#include "convert/vixconvert.h"
#include "tablefile.h"
#include "testsupport.h"

#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

using vc::VixConvert;
using vc::test::readTable;

namespace {
// The value of a table row as the caller hands it over: its type, then its text.
QVariant variant(const QList<QByteArray> &row)
{
    const QByteArray &type = row[1];
    if (type == "text")
        return QString::fromUtf8(row[2]);
    if (type == "double")
        return row[2].toDouble();
    if (type == "int")
        return row[2].toInt();
    if (type == "bool")
        return row[2] == "true";
    return QVariant();
}
} // namespace

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
    for (const auto &r : readTable(QStringLiteral("gint.tsv"), 4))
        QTest::newRow(r[0].constData()) << variant(r) << r[3].toInt();
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
    for (const auto &r : readTable(QStringLiteral("gdbl.tsv"), 4))
        QTest::newRow(r[0].constData()) << variant(r) << r[3].toDouble();
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
    for (const auto &r : readTable(QStringLiteral("gbool.tsv"), 4))
        QTest::newRow(r[0].constData()) << variant(r) << (r[3] == "true");
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
    for (const auto &r : readTable(QStringLiteral("ground.tsv"), 5))
        QTest::newRow(r[0].constData()) << variant(r) << r[3].toInt() << r[4].toFloat();
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
