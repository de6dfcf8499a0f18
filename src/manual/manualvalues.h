#pragma once

#include "convert/numberformat.h"

#include <QString>

namespace vc::manual {

// An entry as the manual windows read it: its leading number, 0 for a text
// that does not start with one.
inline double entry(const QString &text)
{
    return leadingNumber(text);
}

// A value written back "as text": up to 15 significant digits, a full stop
// as decimal point, the way the fields' readers expect it.
inline QString valueText(double value)
{
    return QString::number(value, 'g', 15);
}

} // namespace vc::manual
