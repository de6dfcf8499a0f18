#include "print/pagesetup.h"

#include <QTextDocument>
#include <QVariant>

namespace vc {

namespace {
const char *const keys[] = {"vcPaperWidth", "vcPaperHeight", "vcMarginLeft", "vcMarginRight",
                            "vcMarginTop", "vcMarginBottom", "vcLandscape", "vcPageDeclared"};
}

PageSetup PageSetup::of(const QTextDocument *document)
{
    PageSetup p;
    if (!document || !document->property(keys[7]).toBool())
        return p;
    p.paperWidth = document->property(keys[0]).toInt();
    p.paperHeight = document->property(keys[1]).toInt();
    p.marginLeft = document->property(keys[2]).toInt();
    p.marginRight = document->property(keys[3]).toInt();
    p.marginTop = document->property(keys[4]).toInt();
    p.marginBottom = document->property(keys[5]).toInt();
    p.landscape = document->property(keys[6]).toBool();
    p.declared = true;
    return p;
}

void PageSetup::applyTo(QTextDocument *document) const
{
    if (!document)
        return;
    document->setProperty(keys[0], paperWidth);
    document->setProperty(keys[1], paperHeight);
    document->setProperty(keys[2], marginLeft);
    document->setProperty(keys[3], marginRight);
    document->setProperty(keys[4], marginTop);
    document->setProperty(keys[5], marginBottom);
    document->setProperty(keys[6], landscape);
    document->setProperty(keys[7], declared);
}

} // namespace vc
