#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>

namespace vc::test {

// The folder of the test's own data files (tests/<folder>/data).
inline QString testData(const QString &name)
{
    return QStringLiteral(VC_TEST_DATA_DIR "/") + name;
}

// Rows of a table file: one row a line, fields split by tabs, the first field
// the row's name; blank lines and lines starting with # are skipped. Fields
// take \r \n \t \0 \\ and \xHH escapes, so any bytes can be written; missing
// trailing fields read empty.
inline QList<QList<QByteArray>> readTable(const QString &name, int columns)
{
    QList<QList<QByteArray>> rows;
    QFile file(testData(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("table file %s not found", qPrintable(file.fileName()));
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.trimmed().isEmpty() || line.startsWith('#'))
            continue;
        QList<QByteArray> fields;
        for (const QByteArray &raw : line.split('\t')) {
            QByteArray field;
            for (qsizetype i = 0; i < raw.size(); ++i) {
                if (raw[i] != '\\' || i + 1 == raw.size()) {
                    field += raw[i];
                    continue;
                }
                const char c = raw[++i];
                if (c == 'x') {
                    field += char(raw.mid(i + 1, 2).toInt(nullptr, 16));
                    i += 2;
                } else {
                    field += c == 'r'   ? '\r'
                             : c == 'n' ? '\n'
                             : c == 't' ? '\t'
                             : c == '0' ? '\0'
                                        : c;
                }
            }
            fields.append(field);
        }
        while (fields.size() < columns)
            fields.append(QByteArray());
        rows.append(fields);
    }
    return rows;
}

// Rows grouped under the row that names them: a row with an empty first field
// belongs to the named row above it.
struct TableGroup
{
    QList<QByteArray> head;
    QList<QList<QByteArray>> rows;
};

inline QList<TableGroup> readGroups(const QString &name, int columns)
{
    QList<TableGroup> groups;
    for (const QList<QByteArray> &row : readTable(name, columns)) {
        if (!row[0].isEmpty() || groups.isEmpty())
            groups.append({row, {}});
        else
            groups.last().rows.append(row);
    }
    return groups;
}

inline QString text(const QByteArray &field)
{
    return QString::fromUtf8(field);
}

} // namespace vc::test
