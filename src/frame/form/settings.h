#pragma once

#include <QString>

namespace vc {

// The entries of the settings profile (the executable's name + ".ini" beside
// it), each declared once with its default. A missing profile or entry reads
// as the default: built-in English, metric units, no last file, no version.
struct Setting
{
    const char *section;
    const char *key;
    const char *defaultValue;
};

namespace settings {
inline constexpr Setting Language{"System", "Language", ""}; // language file name without ".lng"
inline constexpr Setting Unit{"System", "Unit", ""};         // "1" US customary, else metric
inline constexpr Setting LastFile{"System", "LastFile", ""}; // full path of the last project
inline constexpr Setting Version{"SYSTEM", "Version", ""};   // shown on the splash; never written

// The entry from the profile app().SettingsFile, or its default when empty.
QString read(const Setting &setting);
// Writes the entry. The first write that fails is reported to the user once
// per run (the profile may be read-only); later failures stay silent.
bool write(const Setting &setting, const QString &value);
// Whether a failed write has been reported (tests reset it).
bool writeFailureReported();
void resetWriteFailureReport();
} // namespace settings

} // namespace vc
