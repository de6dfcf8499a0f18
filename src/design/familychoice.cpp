#include "familychoice.h"

#include "form/appglobals.h"
#include "io/filehelpers.h"
#include "mainform.h"
#include "convert/numberformat.h"
#include "convert/vixconvert.h"

#include <QColor>
#include <array>
#include <optional>

namespace vc {

namespace {

struct Family {
    const char *name;
    const char *picture;
};

constexpr Family families[FamilyChoice::count] = {
    {"Tavro 500", "\\img\\U-tavro 500.jpg"},  {"Quenil 500", "\\img\\U-quenil 500.jpg"},
    {"Sorbix", "\\img\\U-Sorbix.jpg"},        {"Dremon 500", "\\img\\U-Dremon 500.jpg"},
    {"Falcy 500", "\\img\\U-Falcy 500.jpg"},  {"Oskel", "\\img\\U-oskel.jpg"},
};

constexpr int firstMarks[FamilyChoice::count] = {0, 7, 13, 19, 24, 29};

const QColor markColour(0, 128, 128);
const QColor greyColour(192, 192, 192);

bool valid(int family)
{
    return family >= 0 && family < FamilyChoice::count;
}

} // namespace

QString FamilyChoice::name(int family)
{
    return valid(family) ? QString::fromLatin1(families[family].name) : QString();
}

QString FamilyChoice::pictureFile(int family)
{
    return valid(family) ? QString::fromLatin1(families[family].picture) : QString();
}

QString FamilyChoice::picturePath(int family)
{
    if (!valid(family))
        return QString();
    return nativePath(app().DocsPath + pictureFile(family));
}

QString FamilyChoice::existingPicture(int family)
{
    // The pictures are installation data the program never changes: each is
    // looked up once per Docs folder.
    static QString docsPath;
    static std::array<std::optional<QString>, count> found;
    if (!valid(family))
        return QString();
    if (docsPath != app().DocsPath) {
        docsPath = app().DocsPath;
        found.fill(std::nullopt);
    }
    if (!found[family]) {
        const QString path = picturePath(family);
        found[family] = PathExists(path, 0, false) ? path : QString();
    }
    return *found[family];
}

bool FamilyChoice::refuses(int family, double s, double phases)
{
    switch (family) {
    case 0: // Tavro 500
    case 1: // Quenil 500
        return s > 13064 || s < 222;
    case 2: // Sorbix
        return s > 6564 || s < 222 || s == 6462 || s == 424 || s == 824;
    case 3: // Dremon 500
    case 4: // Falcy 500
        return s > 322 || phases == 3;
    case 5: // Oskel
        return s > 222 || phases == 3;
    default:
        return true;
    }
}

int FamilyChoice::firstGreyColumn(int s, bool noModelFound)
{
    if (noModelFound)
        return 0;
    int column = count;
    if (s > 222 && s <= 322)
        column = 5;
    if (s > 322 && s <= 6564)
        column = 3;
    if ((s > 6564 && s <= 13064) || s == 6462 || s == 424 || s == 824)
        column = 2;
    return column;
}

int FamilyChoice::firstMark(int column)
{
    return column >= count ? markCount : firstMarks[qMax(column, 0)];
}

void FamilyChoice::setTableGrey(MainForm &f, bool grey)
{
    for (int i = 0; i < markCount; ++i)
        f.Shape4(i).setBackColor(grey ? greyColour : markColour);
    for (int i = 0; i < count; ++i)
        f.Image5(i).setVisible(!grey);
}

void FamilyChoice::greyFrom(MainForm &f, int column)
{
    for (int i = firstMark(column); i < markCount; ++i)
        f.Shape4(i).setBackColor(greyColour);
    for (int i = qMax(column, 0); i < count; ++i)
        f.Image5(i).setVisible(false);
}

void FamilyChoice::refreshTable(MainForm &f)
{
    setTableGrey(f, false);
    const int s = VixConvert::GInt(f.Label20(8).text());
    greyFrom(f, firstGreyColumn(s, f.NoModelFound));
}

void FamilyChoice::click(MainForm &f, int family)
{
    f.ProjectChanged = true;
    const double s = leadingNumber(f.Label20(8).text());
    const double phases = leadingNumber(f.Combo2(5).text());

    QString chosen;
    if (refuses(family, s, phases)) {
        f.Label20(9).setText(f.languageText(QStringLiteral("msg4")));
        f.ImageSelected().setPicture(QString());
    } else {
        chosen = name(family);
    }
    // The three large families start at the 4 kg/h size.
    if (family >= 0 && family <= 2 && (s == 222 || s == 322)) {
        f.Label20(8).setText(QStringLiteral("422"));
        greyFrom(f, 3);
    }
    f.Label20(7).setText(chosen);
    if (chosen.isEmpty())
        return;

    const QString path = existingPicture(family);
    if (!path.isEmpty()) {
        f.ImageSelected().setPicture(path);
        f.ImgFlowting().setVisible(false);
        f.picturePath = path;
    }
    f.Label20(9).setText(QString());
}

} // namespace vc
