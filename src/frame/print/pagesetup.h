#pragma once

#include <QtGlobal>

class QTextDocument;

namespace vc {

// Paper and margins a rich text document asks for, in twips. Kept on the
// document itself so that a copy of the document into another field keeps them.
struct PageSetup
{
    int paperWidth = 11906; // A4
    int paperHeight = 16838;
    int marginLeft = 1417;
    int marginRight = 1417;
    int marginTop = 1417;
    int marginBottom = 1134;
    bool landscape = false;
    bool declared = false; // the document gave its own paper size

    static PageSetup of(const QTextDocument *document);
    void applyTo(QTextDocument *document) const;
};

} // namespace vc
