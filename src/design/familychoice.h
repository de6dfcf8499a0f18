#pragma once

#include <QString>

namespace vc {

class MainForm;

// The six humidifier families of the family page and the rules that decide
// which of them can serve a model size code and a number of phases.
class FamilyChoice
{
public:
    static constexpr int count = 6;

    // Display name ("Tavro 500") and picture file below the Docs folder
    // ("\img\U-tavro 500.jpg"); empty for an index outside 0..5.
    static QString name(int family);
    static QString pictureFile(int family);
    // Full picture path of a family as found on disk ("" for a bad index).
    static QString picturePath(int family);
    // The picture path when the file exists, else "".
    static QString existingPicture(int family);

    // True when the family cannot serve the size code on that many phases.
    static bool refuses(int family, double sizeCode, double phases);

    // The family columns of the feature table that the page greys for a size
    // code: the first greyed column (0..5), or count when none is greyed.
    static int firstGreyColumn(int sizeCode, bool noModelFound);

    // The first mark Shape4(n) of a column; the marks run on to the next column's first.
    static int firstMark(int column);
    static constexpr int markCount = 35;

    // The family click: accepts or refuses the family and updates the page.
    static void click(MainForm &f, int family);
    static void refreshTable(MainForm &f);
    static void setTableGrey(MainForm &f, bool grey);
    // Greys the marks from column on and hides the pictures of those columns.
    static void greyFrom(MainForm &f, int column);
};

} // namespace vc
