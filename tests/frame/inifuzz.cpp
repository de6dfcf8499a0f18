// libFuzzer target for the INI reader and writer: any bytes must parse, give
// themselves back unchanged, and take an edit that reads back the same way.
#include "ini/inifile.h"

#include <cstddef>
#include <cstdint>

namespace {

void check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const vc::IniFile file(bytes);
    check(file.bytes() == bytes);

    QString value;
    file.value(QStringLiteral("System"), QStringLiteral("Language"), &value);
    file.sectionLines(QStringLiteral("frmMain"));
    vc::IniFile::sequentialTitles(bytes);

    // A section name taken from the input itself, of the characters names use.
    QString name;
    for (char c : bytes.left(8)) {
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
            c == '(' || c == ')' || c == '.' || c == ' ')
            name += QLatin1Char(c);
    }
    if (name.trimmed().isEmpty())
        name = QStringLiteral("Fuzz");

    vc::IniFile edited = file;
    edited.setValue(name, QStringLiteral("Key"), QStringLiteral("v1"));
    const vc::IniFile reread(edited.bytes());
    check(reread.value(name, QStringLiteral("key"), &value) && value == QLatin1String("v1"));

    edited.removeSection(name);
    const vc::IniFile removed(edited.bytes());
    check(!removed.hasSection(name));
    return 0;
}
