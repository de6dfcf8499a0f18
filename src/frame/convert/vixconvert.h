#pragma once

#include <QDate>
#include <QString>
#include <QVariant>

namespace vc {

// Forgiving conversions: each returns 0, false, "" or " " instead of failing
// when the value is absent (an invalid or null QVariant) or does not convert.
// Numbers are read in the user's locale (QLocale()).
class VixConvert
{
public:
    static float GRound(const QVariant &value, int mode);
    static bool GBool(const QVariant &value);
    static quint8 GByte(const QVariant &value);
    static double GCur(const QVariant &value); // four decimals
    static QDate GDate(const QVariant &value);
    static double GDbl(const QVariant &value);
    static qint16 GInt(const QVariant &value);
    static qint32 GLng(const QVariant &value);
    static float GSng(const QVariant &value);
    static QString GStr(const QVariant &value);
    static QString GStrLeer(const QVariant &value);
    static bool IsImage(const QString &picturePath);
    static double Divide(double a, double b);
    static QString SearchAndReplaceTXT(QString &text, const QString &search,
                                       const QString &replacement);
    static bool SearchTXT(const QString &text, const QString &search);
};

} // namespace vc
