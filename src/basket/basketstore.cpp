#include "basketstore.h"

#include "ini/vixinihandling.h"

namespace vc {

namespace {

const QString listSection = QStringLiteral("WKorbListe");
const QString rowsKey = QStringLiteral("Rows");
const QString valueSection = QStringLiteral("wKorb");

// One past the last non-empty value of the section. The section listing is
// cut at the profile functions' buffer size, so the keys after it are probed
// one by one until the first missing one.
qint64 valuesPresent(const VixIniHandling &ini, const QString &file)
{
    QStringList lines;
    ini.ReadSection(file, valueSection, lines);
    qint64 present = 0;
    for (const QString &line : lines) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        bool ok = false;
        const qint64 key = line.left(eq).trimmed().toLongLong(&ok);
        if (ok && key >= 0 && !line.mid(eq + 1).trimmed().isEmpty())
            present = qMax(present, key + 1);
    }
    while (!ini.Read_INI(file, valueSection, QString::number(present)).isEmpty())
        ++present;
    return present;
}

} // namespace

bool BasketStore::save(const QString &projectFile, const std::vector<BasketRow> &rows)
{
    QStringList values;
    values.reserve(int(rows.size()) * 3 + 1);
    for (const BasketRow &row : rows)
        values << row.quantity << row.article << row.description;
    values << QString();
    const VixIniHandling ini;
    const bool counted =
        ini.Write_INI(projectFile, listSection, rowsKey, QString::number(rows.size() * 3));
    return ini.WriteArray(projectFile, valueSection, values) && counted;
}

BasketStore::Loaded BasketStore::load(const QString &projectFile)
{
    Loaded loaded;
    if (projectFile.isEmpty())
        return loaded;
    const VixIniHandling ini;
    bool numeric = false;
    const qint64 rows =
        ini.Read_INI(projectFile, listSection, rowsKey).trimmed().toLongLong(&numeric);
    const qint64 present = valuesPresent(ini, projectFile);
    // Trailing empty values (an empty description, a line left blank) are
    // kept as far as "Rows" reaches into the next line; no further.
    qint64 count = present;
    if (numeric && rows > present && rows <= present + 3)
        count = rows;
    loaded.repaired = present > 0 && (!numeric || rows < present || rows > present + 3 || rows % 3);
    QStringList values;
    ini.ReadArray(projectFile, valueSection, int(count) - 1, values);
    for (qsizetype i = 0; i < values.size(); i += 3) {
        loaded.rows.push_back({values.at(i), i + 1 < values.size() ? values.at(i + 1) : QString(),
                               i + 2 < values.size() ? values.at(i + 2) : QString()});
    }
    return loaded;
}

} // namespace vc
