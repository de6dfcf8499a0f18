#include "convert/numberformat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <QHash>

namespace vc {

namespace {

// |value| as it reads to 15 significant digits, rounded with halves away
// from zero at `decimals`: digits[0 .. point) are the whole part (leading zeros
// stripped), digits[point .. point + decimals) the decimals.
struct Decimal
{
    char digits[1100];
    int size = 0;
    int point = 0;
    bool negative = false;
};

constexpr int kMaxDecimals = 340;

void toDecimal(double value, int decimals, Decimal &d)
{
    const double a = std::fabs(value);
    char text[40];
    int point = 1;
    char *out = d.digits + 1; // room for a carry
    int size = 0;
    if (a == 0) {
        out[size++] = '0';
    } else {
        // The value as it reads: the shortest digits that give it back
        // ("d.ddde+XX"), then rounded to 15 significant digits, halves away
        // from zero, as a person copying it by hand would.
        const auto r = std::to_chars(text, text + sizeof text, a, std::chars_format::scientific);
        const char *e = static_cast<const char *>(std::memchr(text, 'e', r.ptr - text));
        int exponent = 0;
        std::from_chars(e + (e[1] == '+' ? 2 : 1), r.ptr, exponent);
        char mantissa[20];
        int digits = 0;
        for (const char *c = text; c < e; ++c) {
            if (*c != '.')
                mantissa[digits++] = *c;
        }
        if (digits > 15) {
            const bool up = mantissa[15] >= '5';
            digits = 15;
            int i = digits - 1;
            while (up && i >= 0 && mantissa[i] == '9')
                mantissa[i--] = '0';
            if (up && i >= 0) {
                ++mantissa[i];
            } else if (up) {
                mantissa[0] = '1'; // 9.99...9 became 10.0...0
                ++exponent;
            }
        }
        point = exponent + 1;
        if (point <= 0) {
            const int zeros = std::min(1 - point, decimals + 2);
            if (zeros < 1 - point) {
                // Far below the last decimal: rounds to zero.
                point = 1;
                out[size++] = '0';
                for (int i = 0; i < decimals + 1; ++i)
                    out[size++] = '0';
                goto rounded;
            }
            for (int i = 0; i < zeros; ++i)
                out[size++] = '0';
            point = 1;
        }
        for (int i = 0; i < digits; ++i)
            out[size++] = mantissa[i];
    }
rounded : {
    const int keep = point + decimals;
    while (size < keep + 1)
        out[size++] = '0';
    const bool up = out[keep] >= '5';
    size = keep;
    if (up) {
        int i = size - 1;
        while (i >= 0 && out[i] == '9')
            out[i--] = '0';
        if (i >= 0) {
            ++out[i];
        } else {
            --out;
            out[0] = '1';
            ++size;
            ++point;
        }
    }
    int lead = 0;
    while (lead < point && out[lead] == '0')
        ++lead;
    std::memmove(d.digits, out + lead, static_cast<size_t>(size - lead));
    d.size = size - lead;
    d.point = point - lead;
    bool zero = true;
    for (int i = 0; i < d.size && zero; ++i)
        zero = d.digits[i] == '0';
    d.negative = value < 0 && !zero;
}
}

struct Pattern
{
    QString prefix;
    QString suffix;
    int minInt = 0;
    int decimals = 0;
    int minFrac = 0;
    bool grouping = false;
    bool point = false;
    bool hasNumber = false;
};

bool isPlaceholder(QChar c)
{
    return c == QLatin1Char('#') || c == QLatin1Char('0') || c == QLatin1Char(',') ||
           c == QLatin1Char('.');
}

Pattern parse(const QString &pattern)
{
    Pattern p;
    const QString section = pattern.section(QLatin1Char(';'), 0, 0);
    qsizetype first = 0;
    while (first < section.size() && !isPlaceholder(section.at(first)))
        ++first;
    if (first == section.size()) {
        p.prefix = section;
        return p;
    }
    p.hasNumber = true;
    qsizetype last = section.size() - 1;
    while (!isPlaceholder(section.at(last)))
        --last;
    p.prefix = section.left(first);
    p.suffix = section.mid(last + 1);
    bool inFraction = false;
    for (qsizetype i = first; i <= last; ++i) {
        const QChar c = section.at(i);
        if (c == QLatin1Char('.') && !inFraction) {
            inFraction = p.point = true;
        } else if (!inFraction) {
            p.grouping = p.grouping || c == QLatin1Char(',');
            p.minInt += c == QLatin1Char('0');
        } else if (c == QLatin1Char('0') || c == QLatin1Char('#')) {
            ++p.decimals;
            p.minFrac += c == QLatin1Char('0');
        }
    }
    p.decimals = std::min(p.decimals, kMaxDecimals);
    return p;
}

// Patterns are few and used over and over: each is taken apart once.
const Pattern &patternOf(const QString &pattern)
{
    thread_local QHash<QString, Pattern> cache;
    const auto it = cache.constFind(pattern);
    if (it != cache.constEnd())
        return *it;
    if (cache.size() > 64)
        cache.clear();
    return *cache.insert(pattern, parse(pattern));
}

struct Separators
{
    QLocale locale = QLocale::c();
    QString group = QStringLiteral(",");
    QString point = QStringLiteral(".");
    QString minus = QStringLiteral("-");
};

const Separators &separatorsOf(const QLocale &locale)
{
    thread_local Separators s;
    if (!(s.locale == locale)) {
        s.locale = locale;
        s.group = locale.groupSeparator();
        s.point = locale.decimalPoint();
        s.minus = locale.negativeSign();
    }
    return s;
}

} // namespace

QString formatNumber(double value, const QString &pattern, const QLocale &locale)
{
    if (!std::isfinite(value))
        return QString();
    const Pattern &p = patternOf(pattern);
    if (!p.hasNumber)
        return p.prefix;
    Decimal d;
    toDecimal(value, p.decimals, d);
    const Separators &sep = separatorsOf(locale);

    const int intDigits = std::max(d.point, p.minInt);
    int fracDigits = p.decimals;
    while (fracDigits > p.minFrac && d.digits[d.point + fracDigits - 1] == '0')
        --fracDigits;

    QString out;
    out.reserve(p.prefix.size() + p.suffix.size() + intDigits * 2 + fracDigits + 4);
    if (d.negative)
        out += sep.minus;
    out += p.prefix;
    for (int i = 0; i < intDigits; ++i) {
        const int k = i - (intDigits - d.point); // index into the whole part
        if (p.grouping && i > 0 && (intDigits - i) % 3 == 0)
            out += sep.group;
        out += QLatin1Char(k < 0 ? '0' : d.digits[k]);
    }
    if (p.point) {
        out += sep.point;
        for (int i = 0; i < fracDigits; ++i)
            out += QLatin1Char(d.digits[d.point + i]);
    }
    out += p.suffix;
    return out;
}

double roundHalfAway(double value, int decimals)
{
    if (!std::isfinite(value))
        return value;
    Decimal d;
    toDecimal(value, std::clamp(decimals, 0, kMaxDecimals), d);
    char text[1120];
    int n = 0;
    if (d.negative)
        text[n++] = '-';
    if (d.point == 0)
        text[n++] = '0';
    std::memcpy(text + n, d.digits, static_cast<size_t>(d.point));
    n += d.point;
    if (d.size > d.point) {
        text[n++] = '.';
        std::memcpy(text + n, d.digits + d.point, static_cast<size_t>(d.size - d.point));
        n += d.size - d.point;
    }
    double result = 0;
    std::from_chars(text, text + n, result);
    return result + 0.0; // + 0.0 turns -0 into 0
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
    // The scanned part is plain ASCII; from_chars reads it without regard
    // to the process locale.
    qsizetype from = start;
    if (text.at(from) == QLatin1Char('+'))
        ++from;
    const QByteArray ascii = text.mid(from, end - from).toLatin1();
    double value = 0;
    const auto r = std::from_chars(ascii.constData(), ascii.constData() + ascii.size(), value);
    if (r.ec != std::errc() || !std::isfinite(value))
        return 0;
    return value + 0.0;
}

} // namespace vc
