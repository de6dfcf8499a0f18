#include "convert/vixconvert.h"

#include "io/filehelpers.h"
#include "convert/numberformat.h"

#include <cfloat>
#include <cmath>
#include <QDateTime>
#include <QImageReader>
#include <QLocale>

namespace vc {

namespace {

bool usable(const QVariant &value)
{
    return value.isValid() && !value.isNull();
}

bool isText(const QVariant &value)
{
    const int type = value.typeId();
    return type == QMetaType::QString || type == QMetaType::QByteArray || type == QMetaType::QChar;
}

// The value as a number, as the platform's numeric conversions read it: a
// number as it is, true as -1, a text in the user's locale.
bool readNumber(const QVariant &value, double *number)
{
    if (!usable(value))
        return false;
    double d = 0;
    switch (value.typeId()) {
    case QMetaType::Bool:
        d = value.toBool() ? -1.0 : 0.0;
        break;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Char:
    case QMetaType::Float:
    case QMetaType::Double:
        d = value.toDouble();
        break;
    default: {
        if (!isText(value))
            return false;
        const QString text = value.toString().trimmed();
        if (text.isEmpty())
            return false;
        bool ok = false;
        d = QLocale().toDouble(text, &ok);
        if (!ok)
            return false;
    }
    }
    if (!std::isfinite(d))
        return false;
    *number = d;
    return true;
}

// Whole numbers round halves to the even neighbour, as the platform's integer
// conversions do.
bool readWhole(const QVariant &value, double low, double high, double *whole)
{
    double d = 0;
    if (!readNumber(value, &d))
        return false;
    const double r = std::nearbyint(d);
    if (r < low || r > high)
        return false;
    *whole = r + 0.0;
    return true;
}

QDate zeroDate()
{
    return QDate(1899, 12, 30);
}

} // namespace

float VixConvert::GRound(const QVariant &value, int mode)
{
    double d = 0;
    if (!readNumber(value, &d))
        return 0;
    // One decimal with halves away from zero, read back: on twice the value
    // that is the nearest multiple of 0.05.
    if (mode == 1)
        return static_cast<float>(roundHalfAway(2 * d, 1) / 2);
    if (mode == 2)
        return static_cast<float>(roundHalfAway(2 * d + 0.04, 1) / 2);
    return 0;
}

bool VixConvert::GBool(const QVariant &value)
{
    if (!usable(value))
        return false;
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    if (isText(value)) {
        const QString text = value.toString().trimmed();
        if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
            return true;
        if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
            return false;
    }
    double d = 0;
    return readNumber(value, &d) && d != 0;
}

quint8 VixConvert::GByte(const QVariant &value)
{
    double r = 0;
    return readWhole(value, 0, 255, &r) ? static_cast<quint8>(r) : 0;
}

double VixConvert::GCur(const QVariant &value)
{
    double d = 0;
    if (!readNumber(value, &d) || std::fabs(d) > 922337203685477.5807)
        return 0;
    return std::nearbyint(d * 10000) / 10000 + 0.0;
}

QDate VixConvert::GDate(const QVariant &value)
{
    if (!usable(value))
        return zeroDate();
    switch (value.typeId()) {
    case QMetaType::QDate:
        return value.toDate().isValid() ? value.toDate() : zeroDate();
    case QMetaType::QDateTime:
        return value.toDateTime().isValid() ? value.toDateTime().date() : zeroDate();
    default:
        break;
    }
    if (isText(value)) {
        const QString text = value.toString().trimmed();
        const QLocale locale;
        for (QLocale::FormatType format : {QLocale::ShortFormat, QLocale::LongFormat}) {
            const QDate date = locale.toDate(text, format);
            if (date.isValid())
                return date;
        }
        for (const char *format :
             {"yyyy-MM-dd", "d.M.yyyy", "M/d/yyyy", "d/M/yyyy", "d.M.yy", "M/d/yy"}) {
            QDate date = QDate::fromString(text, QLatin1String(format));
            if (date.isValid()) {
                if (date.year() < 1930 && QLatin1String(format).endsWith(QLatin1String("/yy")))
                    date = date.addYears(100);
                return date;
            }
        }
    }
    // A number is a day count from the zero date.
    double d = 0;
    if (readNumber(value, &d) && std::fabs(d) < 3000000)
        return zeroDate().addDays(static_cast<qint64>(std::trunc(d)));
    return zeroDate();
}

double VixConvert::GDbl(const QVariant &value)
{
    double d = 0;
    return readNumber(value, &d) ? d : 0;
}

qint16 VixConvert::GInt(const QVariant &value)
{
    double r = 0;
    return readWhole(value, -32768, 32767, &r) ? static_cast<qint16>(r) : 0;
}

qint32 VixConvert::GLng(const QVariant &value)
{
    double r = 0;
    return readWhole(value, -2147483648.0, 2147483647.0, &r) ? static_cast<qint32>(r) : 0;
}

float VixConvert::GSng(const QVariant &value)
{
    double d = 0;
    if (!readNumber(value, &d) || std::fabs(d) > FLT_MAX)
        return 0;
    return static_cast<float>(d);
}

QString VixConvert::GStr(const QVariant &value)
{
    if (!usable(value))
        return QString();
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::Float:
    case QMetaType::Double: {
        const double d = value.toDouble();
        if (!std::isfinite(d))
            return QString();
        return locale.toString(d + 0.0, 'g', value.typeId() == QMetaType::Float ? 7 : 15);
    }
    case QMetaType::QDate:
        return locale.toString(value.toDate(), QLocale::ShortFormat);
    case QMetaType::QDateTime:
        return locale.toString(value.toDateTime(), QLocale::ShortFormat);
    case QMetaType::QByteArray:
        return QString::fromUtf8(value.toByteArray());
    default:
        return value.canConvert<QString>() ? value.toString() : QString();
    }
}

QString VixConvert::GStrLeer(const QVariant &value)
{
    return GStr(value) + QLatin1Char(' ');
}

bool VixConvert::IsImage(const QString &picturePath)
{
    if (picturePath.isEmpty())
        return false;
    QImageReader reader(nativePath(picturePath));
    return reader.canRead();
}

double VixConvert::Divide(double a, double b)
{
    return b == 0 ? 0 : a / b;
}

QString VixConvert::SearchAndReplaceTXT(QString &text, const QString &search,
                                        const QString &replacement)
{
    const qsizetype at = text.indexOf(search);
    if (at >= 0)
        text = text.left(at) + replacement + text.mid(at + search.size());
    return text;
}

bool VixConvert::SearchTXT(const QString &text, const QString &search)
{
    return text.contains(search);
}

} // namespace vc
