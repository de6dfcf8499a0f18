#pragma once

#include <QString>

namespace vc {

class RichTextField;

// The information text about the self-cleaning system, "SC.RTF" in the Docs
// folder of the user's language.
class InfoText
{
public:
    // Docs folder, the first two letters of the language name, "SC.RTF";
    // also sets LanguageDocsPath to that folder.
    static QString documentPath();

    // Loads the document into the field. When it cannot be read the field
    // shows a one-line note instead and the result is false.
    static bool load(RichTextField &field);

    // The note shown for a missing document, in the user's language.
    static QString missingNote();
};

} // namespace vc
