#pragma once

#include "tablefile.h"

#include <list>
#include <QStringList>
#include <QTest>

namespace vc::test {

// Adds the rows of a table file (see readTable) to the running _data()
// function, so long tables of cases stay out of the code. Its first row names
// the columns as "type:name" after a first field of its own, type one of
// string, int, bool (true or false), double, list (items separated by ';') and
// bytes; a lone ~ stands for the null string.
inline void addRows(const QString &name)
{
    static std::list<QByteArray> names; // QtTest keeps pointers to the column names
    const QList<QList<QByteArray>> rows = readTable(name, 0);
    QList<QByteArray> types;
    for (const QList<QByteArray> &cells : rows) {
        const char *row = cells[0].constData();
        if (types.isEmpty()) {
            for (qsizetype i = 1; i < cells.size(); ++i) {
                const qsizetype colon = cells[i].indexOf(':');
                types << cells[i].left(colon);
                names.push_back(cells[i].mid(colon + 1));
                const char *column = names.back().constData();
                if (types.back() == "string")
                    QTest::addColumn<QString>(column);
                else if (types.back() == "int")
                    QTest::addColumn<int>(column);
                else if (types.back() == "bool")
                    QTest::addColumn<bool>(column);
                else if (types.back() == "double")
                    QTest::addColumn<double>(column);
                else if (types.back() == "list")
                    QTest::addColumn<QStringList>(column);
                else if (types.back() == "bytes")
                    QTest::addColumn<QByteArray>(column);
                else
                    qFatal("%s: no column type %s", qPrintable(name), cells[i].constData());
            }
            continue;
        }
        if (cells.size() != types.size() + 1)
            qFatal("%s: row %s has %d fields", qPrintable(name), row, int(cells.size()));
        QTestData &data = QTest::newRow(row);
        for (qsizetype i = 0; i < types.size(); ++i) {
            const QByteArray &cell = cells[i + 1];
            if (types[i] == "int") {
                data << cell.toInt();
            } else if (types[i] == "bool") {
                if (cell != "true" && cell != "false")
                    qFatal("%s: row %s: %s is no bool", qPrintable(name), row, cell.constData());
                data << (cell == "true");
            } else if (types[i] == "double") {
                data << cell.toDouble();
            } else if (types[i] == "list") {
                QStringList list;
                if (!cell.isEmpty())
                    for (const QByteArray &item : cell.split(';'))
                        list << QString::fromUtf8(item);
                data << list;
            } else if (types[i] == "bytes") {
                data << (cell == "~" ? QByteArray() : cell.isEmpty() ? QByteArray("") : cell);
            } else {
                data << (cell == "~" ? QString() : QString::fromUtf8(cell));
            }
        }
    }
}

} // namespace vc::test
