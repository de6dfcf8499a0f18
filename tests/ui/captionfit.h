#pragma once

#include <QStringList>

class QWidget;

namespace vc::test {

// The captions under root that the user cannot read whole: a label whose
// text is wider or taller than its room (a wrapping label: taller than its
// height at its width), a button narrower than its text, a tab narrower
// than its caption. Each is named "object name: text". Hidden widgets and
// those outside any visible page are left out.
QStringList clippedCaptions(QWidget *root);

} // namespace vc::test
