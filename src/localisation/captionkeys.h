#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace vc {

// Every key a window reads from the language file, in the order it reads
// them, with the controls each caption key sets. The keys are the contract
// with the shipped language files; the consistency test holds the files to
// exactly this list.
class CaptionKeys
{
public:
    // Where the text of a caption key goes.
    struct Target {
        enum class Kind { WindowTitle, Control, TabCaption };
        Kind kind = Kind::Control;
        QString control; // Control: the control's name; TabCaption: the tab control
        int index = 0;   // TabCaption: the page
    };

    struct Entry {
        QString key;          // as the window reads it, spelling quirks included
        QList<Target> targets; // usually one; twin buttons have two
    };

    // The windows that apply a language file to themselves.
    static QStringList windows();

    // The caption keys of a window in reading order; empty for an unknown one.
    static QList<Entry> captions(const QString &window);

    // Keys read elsewhere, at the moment a message or text is shown: messages,
    // notes, the basket's tree texts. Sections are the window names and
    // "Messages".
    static QStringList otherKeys(const QString &section);

    // Every section of a language file.
    static QStringList sections();

    // Every key of a section a language file must hold: captions, then others.
    static QStringList allKeys(const QString &section);
};

} // namespace vc
