#pragma once

#include <QString>

namespace vc::profile {

// The settings profile's entries that the language and unit choice use.
// Missing entries read as "": no language file (built-in English), metric.
inline QString systemSection() { return QStringLiteral("System"); }
inline QString languageKey() { return QStringLiteral("Language"); }
inline QString unitKey() { return QStringLiteral("Unit"); }

} // namespace vc::profile
