#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace vc {

// The Windows-1252 code page in which the installation and project files are
// written. Qt has no codec for it, so we carry the 32 characters that differ
// from Latin-1. The five unassigned bytes map to the control characters of the
// same value, as Windows maps them, so any byte sequence survives a round trip.
QString decode1252(QByteArrayView bytes);
// Characters the code page lacks become '?', one per character.
QByteArray encode1252(const QString &text);
// True when every character of text has a byte in the code page.
bool fits1252(const QString &text);

} // namespace vc
