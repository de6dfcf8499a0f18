#pragma once

#include <QLocale>
#include <QString>

namespace vc {

// Number patterns as the calculations write their results: "##,##0.0",
// "####0", "#0.00" ... ("#" optional digit, "0" required digit, "," thousands
// separator, "." decimal point), shown with the given locale's separators.
// Halves round away from zero on the value as it reads to 15 significant
// digits (2.5 * 0.7 shows "1.8"). Never yields "nan", "inf" or "-0".
QString formatNumber(double value, const QString &pattern, const QLocale &locale = QLocale());

// Rounds to the given number of decimals with halves away from zero, on the
// value read to 15 significant digits.
double roundHalfAway(double value, int decimals);

// The leading-number conversion: the longest beginning of text that forms a
// number (blanks, sign, digits with at most one '.', an exponent only when
// digits follow it). "8000 m3/h" -> 8000, "1,5" -> 1, "abc" -> 0.
double leadingNumber(const QString &text);

} // namespace vc
