#include "captionkeys.h"

namespace vc {

namespace {

using Target = CaptionKeys::Target;
using Entry = CaptionKeys::Entry;

Target control(const QString &name)
{
    return {Target::Kind::Control, name, 0};
}

// "Label2(7).Caption" sets "Label2(7)"; the spelling "Label2(14).Caption "
// with its trailing blank sets "Label2(14)".
Entry plain(const QString &key)
{
    QString name = key.trimmed();
    name.chop(int(qstrlen(".Caption")));
    return {key, {control(name)}};
}

Entry to(const QString &key, const QStringList &controls)
{
    Entry entry{key, {}};
    for (const QString &name : controls)
        entry.targets.append(control(name));
    return entry;
}

Entry title(const QString &key)
{
    return {key, {Target{Target::Kind::WindowTitle, QString(), 0}}};
}

void addRange(QList<Entry> &list, const QString &base, int first, int last)
{
    for (int i = first; i <= last; ++i)
        list.append(plain(base + QLatin1Char('(') + QString::number(i) + QStringLiteral(").Caption")));
}

QList<Entry> mainCaptions()
{
    QList<Entry> list;
    list << title(QStringLiteral("Caption")) << plain(QStringLiteral("tittle.Caption"));
    for (const char *menu : {"mnuFile", "mnuNew", "mnuOpen"})
        list << plain(QLatin1String(menu) + QStringLiteral(".Caption"));
    list << to(QStringLiteral("mnuLastFile.Caption"), {QStringLiteral("mnuLastFile(0)")});
    for (const char *menu : {"mnuSave", "mnuSaveAs", "mnuPrint", "mnuExit", "mnuLanguage", "mnuUnit"})
        list << plain(QLatin1String(menu) + QStringLiteral(".Caption"));
    addRange(list, QStringLiteral("mnuOtherUnit"), 0, 1);
    for (const char *menu : {"mnuInfo", "mnuAbout", "mnuSC", "btnPrev", "btnNext", "Command11"})
        list << plain(QLatin1String(menu) + QStringLiteral(".Caption"));
    for (int page = 0; page <= 5; ++page)
        list << Entry{QStringLiteral("SSTab1.TabCaption(%1)").arg(page),
                      {Target{Target::Kind::TabCaption, QStringLiteral("SSTab1"), page}}};
    addRange(list, QStringLiteral("Label1"), 0, 8);
    addRange(list, QStringLiteral("Label2"), 0, 13);
    list << plain(QStringLiteral("Label2(14).Caption ")); // the window spells it so
    addRange(list, QStringLiteral("Label2"), 15, 18);
    addRange(list, QStringLiteral("Label2"), 35, 35);
    list << plain(QStringLiteral("Command20(0).Caption")) << plain(QStringLiteral("btnCalc.Caption"))
         << plain(QStringLiteral("Command22(2).Caption"));
    addRange(list, QStringLiteral("Label2"), 19, 34);
    list << plain(QStringLiteral("Bez2(6).Caption")) << plain(QStringLiteral("Bez2(0).Caption"))
         << plain(QStringLiteral("Bez2(1).Caption"));
    addRange(list, QStringLiteral("Label3"), 0, 0);
    addRange(list, QStringLiteral("Label3"), 2, 17);
    list << plain(QStringLiteral("Label30(10).Caption")) << plain(QStringLiteral("Command30(0).Caption"))
         << plain(QStringLiteral("btnCalcHumid.Caption"));
    // The Summary and Text-for-tender pages share one key per button pair.
    list << to(QStringLiteral("Command6.Caption"), {QStringLiteral("Command7"), QStringLiteral("Command6")})
         << to(QStringLiteral("Command1.Caption"), {QStringLiteral("Command2"), QStringLiteral("Command1")})
         << to(QStringLiteral("Vixbutton1.Caption"),
               {QStringLiteral("Vixbutton1"), QStringLiteral("Vixbutton2")})
         << to(QStringLiteral("Command50.Caption"),
               {QStringLiteral("Command50"), QStringLiteral("Command60")});
    return list;
}

QList<Entry> basketCaptions()
{
    QList<Entry> list;
    list << title(QStringLiteral("Caption"))
         << to(QStringLiteral("aricle"), {QStringLiteral("lbDesc(0)")})
         << to(QStringLiteral("Desc"), {QStringLiteral("lbDesc(1)")})
         << plain(QStringLiteral("lbDesc(2).Caption")) << plain(QStringLiteral("lbDesc(3).Caption"));
    for (int column = 1; column <= 4; ++column)
        list << to(QStringLiteral("ListHeader%1").arg(column),
                   {QStringLiteral("ListView1.ColumnHeaders(%1)").arg(column)});
    for (const char *name : {"Command5", "Command4", "Command3", "LabelKorb", "Command1", "Command2",
                             "cmdExport", "lbPrinter"})
        list << plain(QLatin1String(name) + QStringLiteral(".Caption"));
    addRange(list, QStringLiteral("lbDesc"), 6, 12);
    return list;
}

QList<Entry> manualDistanceCaptions()
{
    QList<Entry> list{title(QStringLiteral("Caption"))};
    for (const char *name : {"Frame1", "Label1", "Label2", "Command1", "Command2"})
        list << plain(QLatin1String(name) + QStringLiteral(".Caption"));
    return list;
}

QList<Entry> manualLoadCaptions()
{
    QList<Entry> list{title(QStringLiteral("caption")), plain(QStringLiteral("Frame1.Caption"))};
    addRange(list, QStringLiteral("Label1"), 0, 3);
    list << plain(QStringLiteral("Command1.Caption")) << plain(QStringLiteral("Command2.Caption"));
    return list;
}

QList<Entry> chartCaptions()
{
    QList<Entry> list{title(QStringLiteral("Caption"))};
    for (const char *name : {"Label1", "Command1", "Command2", "Command3", "Command4"})
        list << plain(QLatin1String(name) + QStringLiteral(".Caption"));
    // Properties of the chart control, kept as captions of controls named so.
    for (const char *key : {"vixGraph1.CaptionRelativHumidity", "vixGraph1.CaptionWasserGehalt"})
        list << to(QLatin1String(key), {QLatin1String(key)});
    return list;
}

QList<Entry> previewCaptions()
{
    QList<Entry> list{title(QStringLiteral("Caption"))};
    for (const char *name : {"Label1", "Label2", "Label3", "Vixbutton1", "btnPdf"})
        list << plain(QLatin1String(name) + QStringLiteral(".Caption"));
    return list;
}

} // namespace

QStringList CaptionKeys::windows()
{
    return {QStringLiteral("frmMain"), QStringLiteral("frmKorb"), QStringLiteral("frmManBS"),
            QStringLiteral("frmManDM"), QStringLiteral("frmhx"), QStringLiteral("frmPreview")};
}

QList<CaptionKeys::Entry> CaptionKeys::captions(const QString &window)
{
    const QString name = window.trimmed().toLower();
    if (name == QLatin1String("frmmain"))
        return mainCaptions();
    if (name == QLatin1String("frmkorb"))
        return basketCaptions();
    if (name == QLatin1String("frmmanbs"))
        return manualDistanceCaptions();
    if (name == QLatin1String("frmmandm"))
        return manualLoadCaptions();
    if (name == QLatin1String("frmhx"))
        return chartCaptions();
    if (name == QLatin1String("frmpreview"))
        return previewCaptions();
    return {};
}

QStringList CaptionKeys::otherKeys(const QString &section)
{
    const QString name = section.trimmed().toLower();
    if (name == QLatin1String("frmmain"))
        return {QStringLiteral("msg1"), QStringLiteral("msg2"), QStringLiteral("msg3"),
                QStringLiteral("msg4"), QStringLiteral("msg21"), QStringLiteral("msg22"),
                QStringLiteral("msgbox1"), QStringLiteral("msgbox2"), QStringLiteral("noDuct")};
    if (name == QLatin1String("frmkorb"))
        return {QStringLiteral("units"), QStringLiteral("acc"), QStringLiteral("con"),
                QStringLiteral("U-TV"), QStringLiteral("U-QN"), QStringLiteral("U-SB"),
                QStringLiteral("U-DR"), QStringLiteral("U-FC"), QStringLiteral("U-OS"),
                QStringLiteral("U-PZ"), QStringLiteral("A-BL"), QStringLiteral("A-HO"),
                QStringLiteral("A-DI"), QStringLiteral("A-CO"), QStringLiteral("O-KI"),
                QStringLiteral("O-DR"), QStringLiteral("O-Pres"), QStringLiteral("O-Indication"),
                QStringLiteral("O-HE"), QStringLiteral("O-HC"), QStringLiteral("C-VI"),
                QStringLiteral("C-VO"), QStringLiteral("C-CY"), QStringLiteral("msg1"),
                QStringLiteral("msg2"), QStringLiteral("msg3"), QStringLiteral("msg4"),
                QStringLiteral("msg5"), QStringLiteral("msg6"), QStringLiteral("msg7")};
    if (name == QLatin1String("frmmanbs"))
        return {QStringLiteral("msg1"), QStringLiteral("msg2")};
    if (name == QLatin1String("frmpreview"))
        return {QStringLiteral("msg1"), QStringLiteral("msg2"), QStringLiteral("msg3")};
    if (name == QLatin1String("frmhx"))
        return {QStringLiteral("msgSave")};
    if (name == QLatin1String("messages"))
        // The save-changes question, the file commands' own messages, the
        // settings profile's failed write, the note for a missing information text.
        return {QStringLiteral("msg1"),
                QStringLiteral("msgFileNotProject"),
                QStringLiteral("msgFileNotFound"),
                QStringLiteral("msgFileReadOnly"),
                QStringLiteral("msgFolderNotWritable"),
                QStringLiteral("msgFileNotSaved"),
                QStringLiteral("msgSettingsNotSaved"),
                QStringLiteral("msgFileTooLarge"),
                QStringLiteral("msgNoInfoText")};
    return {};
}

QStringList CaptionKeys::sections()
{
    return windows() << QStringLiteral("Messages");
}

QStringList CaptionKeys::allKeys(const QString &section)
{
    QStringList keys;
    for (const Entry &entry : captions(section))
        keys.append(entry.key);
    return keys + otherKeys(section);
}

} // namespace vc
