#include "infotext.h"

#include "form/appglobals.h"
#include "io/filehelpers.h"
#include "languagecaptions.h"
#include "richtext/richtextfield.h"

namespace vc {

QString InfoText::documentPath()
{
    AppGlobals &g = app();
    g.LanguageDocsPath = g.DocsPath + QLatin1Char('\\') + g.LanguageName.left(2);
    return g.LanguageDocsPath + QStringLiteral("\\SC.RTF");
}

bool InfoText::load(RichTextField &field)
{
    if (field.loadFile(nativePath(documentPath())))
        return true;
    // No error box for a missing installation file: the window stays empty
    // but for a note saying what is missing.
    field.setPlainText(missingNote());
    return false;
}

QString InfoText::missingNote()
{
    return messageText(
        QStringLiteral("Messages"), QStringLiteral("msgNoInfoText"),
        QStringLiteral("The information text on the self-cleaning system is not installed."));
}

} // namespace vc
