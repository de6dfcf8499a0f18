#pragma once

#include "ini/inifile.h"

#include <memory>
#include <QString>

namespace vc {

// Loads and saves INI files for VixIniHandling. A file is parsed once and the
// parse reused for as long as the file on disk keeps its identity, size and
// times, so a change made by another program is seen at the next call while
// reading a hundred keys costs one parse. Saving replaces the file whole or
// not at all (a temporary file in the same folder, then a rename).
class IniStore
{
public:
    // The file name as the file system knows it: surrounding blanks dropped,
    // '\' taken as separator, each component matched without case.
    static QString resolve(const QString &file);
    // The parse of the file of that name (resolved as above); nullptr when
    // there is no readable file of that name.
    static std::shared_ptr<const IniFile> load(const QString &file);
    // False when the file is read-only, its folder missing or unwritable, or
    // the disk refuses; the file is then as it was.
    static bool save(const QString &resolvedPath, const IniFile &file);
    // While a batch is open for a file, saves of it are held back in memory
    // (and loads see them); endBatch() of the outermost batch saves once.
    // beginBatch returns the resolved name to pass to endBatch.
    static QString beginBatch(const QString &file);
    static bool endBatch(const QString &resolvedPath);
    // Forgets every parse (tests and benchmarks measure the cold case).
    static void clearCache();
};

} // namespace vc
