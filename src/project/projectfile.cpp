#include "projectfile.h"

#include "form/appglobals.h"
#include "io/filehelpers.h"
#include "ini/inibatch.h"
#include "ini/inifile.h"
#include "mainform.h"
#include "io/textencoding.h"
#include "ini/vixinihandling.h"

#include <QFile>
#include <QFileInfo>

namespace vc {

namespace {

// One stored array of fields: its section and the indexes it holds.
struct Page {
    const char *section;
    int first, last;
    Control &(MainForm::*field)(int);
};

const Page pages[] = {
    {"Seite1-Text1", 0, 7, &MainForm::Text1},
    {"Seite2-Combo2", 0, 5, &MainForm::Combo2},
    {"Seite2-Text2", 0, 2, &MainForm::Text2},
    {"Seite3-Combo3", 0, 0, &MainForm::Combo3},
    // The other fields of the distance page are results of the calculation.
    {"Seite3-Text3", 1, 2, &MainForm::Text3},
};

QString deviceSection()
{
    return QStringLiteral("Ger\u00e4t");
}

} // namespace

bool WriteProject(MainForm &f, bool *written)
{
    const VixIniHandling ini;
    const QString file = app().ProjectFile;
    // One save for all entries; what was written stays even when the picture step fails.
    IniBatch batch(file);
    for (const Page &page : pages) {
        for (int i = page.first; i <= page.last; ++i)
            ini.Write_INI(file, QLatin1String(page.section), QString::number(i), (f.*page.field)(i).text());
    }
    ini.Write_INI(file, deviceSection(), QStringLiteral("Model"), f.Label20(7).caption());

    // The picture is named as the file system spells it, so it must still be there.
    bool pictureFound = false;
    const QString picture = FileNameOf(f.picturePath, &pictureFound);
    if (pictureFound)
        ini.Write_INI(file, deviceSection(), QStringLiteral("Bild"), picture);
    const bool saved = batch.commit();
    if (written)
        *written = saved;
    f.ProjectChanged = !(saved && pictureFound);
    return !f.ProjectChanged;
}

bool ReadProject(MainForm &f)
{
    const VixIniHandling ini;
    const QString file = app().ProjectFile;
    for (const Page &page : pages) {
        for (int i = page.first; i <= page.last; ++i)
            (f.*page.field)(i).setText(ini.Read_INI(file, QLatin1String(page.section), QString::number(i)));
    }
    f.Label20(7).setCaption(ini.Read_INI(file, deviceSection(), QStringLiteral("Model")));

    const QString name = ini.Read_INI(file, deviceSection(), QStringLiteral("Bild"));
    const QString path = nativePath(app().DocsPath + QLatin1String("\\Img\\") + name);
    if (name.isEmpty() || !PathExists(path, 0, false)) {
        f.ProjectChanged = false;
        return true;
    }
    f.ImageSelected().setPicture(path);
    f.ImageSelected().setVisible(true);
    f.ImgFlowting().setVisible(false);
    f.picturePath = path;
    f.ProjectChanged = false;
    return true;
}

ProjectFileCheck checkProjectFile(const QString &path)
{
    constexpr qint64 sizeLimit = qint64(64) << 20;
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return ProjectFileCheck::NotProject;
    if (file.size() > sizeLimit)
        return ProjectFileCheck::TooLarge;
    const QByteArray bytes = file.read(sizeLimit + 1);
    if (bytes.size() > sizeLimit)
        return ProjectFileCheck::TooLarge;
    // A NUL character is binary; UTF-16 has NUL bytes but no NUL characters.
    const QString text = decodeText(bytes);
    if (text.isEmpty() || text.contains(QChar(0)))
        return ProjectFileCheck::NotProject;
    for (const QString &title : IniFile::sequentialTitles(bytes)) {
        for (const Page &page : pages) {
            if (title.trimmed().compare(QLatin1String(page.section), Qt::CaseInsensitive) == 0)
                return ProjectFileCheck::Project;
        }
        if (title.trimmed().compare(deviceSection(), Qt::CaseInsensitive) == 0)
            return ProjectFileCheck::Project;
    }
    return ProjectFileCheck::NotProject;
}

} // namespace vc
