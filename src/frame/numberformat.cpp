#include "numberformat.h"

#include <cmath>

namespace vc {

namespace {

// |value| as decimal digits, read to 15 significant digits and rounded with
// halves away from zero to the given number of decimals.
struct Decimal
{
    QByteArray integer;  // no leading zeros; empty for 0
    QByteArray fraction; // exactly `decimals` digits
    bool negative = false;
};

Decimal toDecimal(double value, int decimals)
{
    Decimal d;
    const double a = std::fabs(value);
    QByteArray digits = "0";
    int point = 1; // digits before the decimal point
    if (a != 0) {
        const QByteArray e = QByteArray::number(a, 'e', 14); // d.dddddddddddddde+XX
        const qsizetype ePos = e.indexOf('e');
        digits = e.left(1) + e.mid(2, ePos - 2);
        point = e.mid(ePos + 1).toInt() + 1;
    }
    if (point <= 0) {
        digits.prepend(QByteArray(1 - point, '0'));
        point = 1;
    }
    const qsizetype keep = point + decimals;
    if (digits.size() < keep + 1)
        digits.append(QByteArray(keep + 1 - digits.size(), '0'));
    QByteArray kept = digits.left(keep);
    if (digits.at(keep) >= '5') {
        qsizetype i = kept.size() - 1;
        while (i >= 0 && kept.at(i) == '9') {
            kept[i] = '0';
            --i;
        }
        if (i >= 0) {
            kept[i] = static_cast<char>(kept.at(i) + 1);
        } else {
            kept.prepend('1');
            ++point;
        }
    }
    d.integer = kept.left(point);
    d.fraction = kept.mid(point);
    qsizetype lead = 0;
    while (lead < d.integer.size() && d.integer.at(lead) == '0')
        ++lead;
    d.integer.remove(0, lead);
    const bool zero = d.integer.isEmpty() && d.fraction.count('0') == d.fraction.size();
    d.negative = value < 0 && !zero;
    return d;
}

bool isPlaceholder(QChar c)
{
    return c == QLatin1Char('#') || c == QLatin1Char('0') || c == QLatin1Char(',') ||
           c == QLatin1Char('.');
}

} // namespace

QString formatNumber(double value, const QString &pattern, const QLocale &locale)
{
    if (!std::isfinite(value))
        return QString();
    QString section = pattern.section(QLatin1Char(';'), 0, 0);
    qsizetype first = 0;
    while (first < section.size() && !isPlaceholder(section.at(first)))
        ++first;
    if (first == section.size())
        return section;
    qsizetype last = section.size() - 1;
    while (!isPlaceholder(section.at(last)))
        --last;
    const QString prefix = section.left(first);
    const QString suffix = section.mid(last + 1);
    const QString core = section.mid(first, last - first + 1);

    const qsizetype pointAt = core.indexOf(QLatin1Char('.'));
    const QString intPart = pointAt < 0 ? core : core.left(pointAt);
    const QString fracPart = pointAt < 0 ? QString() : core.mid(pointAt + 1);
    const bool grouping = intPart.contains(QLatin1Char(','));
    const qsizetype minInt = intPart.count(QLatin1Char('0'));
    const int decimals =
        static_cast<int>(fracPart.count(QLatin1Char('0')) + fracPart.count(QLatin1Char('#')));
    const qsizetype minFrac = fracPart.count(QLatin1Char('0'));

    const Decimal d = toDecimal(value, decimals);
    QString integer = QString::fromLatin1(d.integer);
    if (integer.size() < minInt)
        integer.prepend(QString(minInt - integer.size(), QLatin1Char('0')));
    if (grouping && integer.size() > 3) {
        const QString sep = locale.groupSeparator();
        for (qsizetype i = integer.size() - 3; i > 0; i -= 3)
            integer.insert(i, sep);
    }
    QString fraction = QString::fromLatin1(d.fraction);
    while (fraction.size() > minFrac && fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);

    QString out;
    if (d.negative)
        out += locale.negativeSign();
    out += prefix + integer;
    if (pointAt >= 0)
        out += locale.decimalPoint() + fraction;
    out += suffix;
    return out;
}

double roundHalfAway(double value, int decimals)
{
    if (!std::isfinite(value))
        return value;
    decimals = qBound(0, decimals, 330);
    const Decimal d = toDecimal(value, decimals);
    QByteArray text = d.negative ? QByteArray("-") : QByteArray();
    text += d.integer.isEmpty() ? QByteArray("0") : d.integer;
    if (!d.fraction.isEmpty())
        text += '.' + d.fraction;
    return text.toDouble() + 0.0; // + 0.0 turns -0 into 0
}

double leadingNumber(const QString &text)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && (text.at(i) == QLatin1Char(' ') || text.at(i) == QLatin1Char('\t')))
        ++i;
    const qsizetype start = i;
    if (i < n && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-')))
        ++i;
    auto isDigit = [&](qsizetype k) {
        return k < n && text.at(k) >= QLatin1Char('0') && text.at(k) <= QLatin1Char('9');
    };
    qsizetype digits = 0;
    while (isDigit(i)) {
        ++i;
        ++digits;
    }
    if (i < n && text.at(i) == QLatin1Char('.')) {
        ++i;
        while (isDigit(i)) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    qsizetype end = i;
    if (i < n && (text.at(i) == QLatin1Char('e') || text.at(i) == QLatin1Char('E'))) {
        qsizetype j = i + 1;
        if (j < n && (text.at(j) == QLatin1Char('+') || text.at(j) == QLatin1Char('-')))
            ++j;
        if (isDigit(j)) {
            while (isDigit(j))
                ++j;
            end = j;
        }
    }
    bool ok = false;
    const double value = text.mid(start, end - start).toLatin1().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return 0;
    return value + 0.0;
}

} // namespace vc
