#include "rtfgenerator.h"

#include <QByteArray>
#include <QString>
#include <QTextBlock>
#include <QTextDocument>

namespace vc::test {

namespace {

const QByteArray head =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}"
    "{\\f1\\froman\\fcharset0 Times New "
    "Roman;}}{\\colortbl;\\red0\\green0\\blue0;\\red220\\green230\\blue240;}"
    "\\paperw11906\\paperh16838\\margl1134\\margr1134\\margt1134\\margb1134\\f0\\fs20\n";

QByteArray n(int v)
{
    return QByteArray::number(v);
}

QByteArray word(int level, int row, int cell)
{
    return "L" + n(level) + "r" + n(row) + "c" + n(cell);
}

// The definition of a row: borders, shading on the first cell, widths in the unit asked for.
QByteArray rowDefinition(const RtfTableSpec &s, int cells, int row, int level)
{
    QByteArray def = "\\trowd\\trgaph108\\trleft0";
    if (s.widths == RtfTableSpec::Widths::Percent)
        def += "\\trftsWidth2\\trwWidth5000";
    const bool merge = level == 1 && s.mergeEvery > 0 && row % s.mergeEvery == 0 && cells > 1;
    const int width = level == 1 ? s.cellWidth : s.cellWidth / (2 * level);
    for (int c = 0; c < cells; ++c) {
        for (const char *side : {"t", "l", "b", "r"})
            def += QByteArray("\\clbrdr") + side + "\\brdrs\\brdrw10";
        if (c == 0)
            def += "\\clcbpat2";
        if (merge && c < 2)
            def += c == 0 ? "\\clmgf" : "\\clmrg";
        switch (s.widths) {
        case RtfTableSpec::Widths::Twips:
            def += "\\clftsWidth3\\clwWidth" + n(width);
            break;
        case RtfTableSpec::Widths::Percent:
            def += "\\clftsWidth2\\clwWidth" + n(5000 / cells);
            break;
        case RtfTableSpec::Widths::NoCellx:
            def += "\\clftsWidth3\\clwWidth" + n(width) + "\\cellx0\n";
            continue;
        case RtfTableSpec::Widths::Cellx:
            break;
        }
        def += "\\cellx" + n(width * (c + 1)) + "\n";
    }
    return def;
}

// A table of the given level: two rows of two cells, the first cell nesting the next level.
QByteArray nested(const RtfTableSpec &s, int level)
{
    QByteArray out;
    for (int r = 0; r < 2; ++r) {
        for (int c = 0; c < 2; ++c) {
            if (c == 0 && level < s.nesting)
                out += nested(s, level + 1);
            out += "\\pard\\intbl\\itap" + n(level) + " " + word(level, r, c) + "\\nestcell\n";
        }
        out += "{\\*\\nesttableprops" + rowDefinition(s, 2, r, level) +
               "\\nestrow}{\\nonesttables\\par}\n";
    }
    return out;
}

} // namespace

std::vector<int> blockStarts(const QTextDocument &doc)
{
    std::vector<int> starts;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        starts.push_back(b.position());
    return starts;
}

QByteArray rtfTableRow(const QByteArray &def, int cells, const QByteArray &text)
{
    QByteArray r = "\\trowd\\trgaph70", body;
    for (int c = 1; c <= cells; ++c) {
        r += def + "\\cellx" + QByteArray::number(c * 1500);
        body += "\\pard\\intbl " + text + "\\cell ";
    }
    return r + body + "\\row\n";
}

QByteArray rtfTableDocument(const RtfTableSpec &s)
{
    QByteArray out = head + "\\pard before the table\\par\n";
    for (int r = 0; r < s.rows; ++r) {
        const QByteArray def = rowDefinition(s, s.cells, r, 1);
        out += def;
        const bool merge = s.mergeEvery > 0 && r % s.mergeEvery == 0 && s.cells > 1;
        for (int c = 0; c < s.cells; ++c) {
            if (c == 0 && s.nesting > 1)
                out += nested(s, 2);
            out += "\\pard\\intbl\\itap1 ";
            if (!(merge && c == 1))
                out += word(1, r, c);
            if (r == 0 && c == s.cells - 1)
                for (int l = 1; l <= s.tallLines; ++l)
                    out += "\\line line" + n(l) + "of" + n(s.tallLines);
            out += "\\cell\n";
        }
        out += def + "\\row\n";
    }
    return out + "\\pard after the table\\par}";
}

QByteArray rtfLongDocument(int pages)
{
    QByteArray out = head;
    // three sections fill about a page: a heading, three paragraphs, a table of eight rows each
    for (int p = 0; p < 3 * pages; ++p) {
        out += "\\pard\\sb240\\sa120\\fs28\\b Section " + n(p + 1) +
               " Humidification load\\b0\\fs20\\par\n";
        for (int k = 0; k < 3; ++k)
            out += "\\pard\\qj\\f1 The steam demand of section " + n(p + 1) +
                   " follows from the air flow, the outside and inside states and the density of "
                   "the air; the humidifier is sized for the largest demand of the year, with the "
                   "distance the steam needs to be absorbed before it reaches any fitting "
                   "downstream of the distributor pipes.\\f0\\par\n";
        for (int r = 0; r < 8; ++r)
            out += "\\trowd\\trgaph108\\clbrdrb\\brdrs\\brdrw10\\cellx3400\\clbrdrb\\brdrs\\brdrw10"
                   "\\cellx6800\\clbrdrb\\brdrs\\brdrw10\\cellx9600\\pard\\intbl Value " +
                   n(r) + "\\cell " + n(p * 8 + r) + " kg/h\\cell row " + n(r) + " of section " +
                   n(p + 1) + "\\cell\\row\n";
    }
    return out + "\\pard end of the report\\par}";
}

QByteArray rtfLongTableReport(int rows)
{
    QByteArray out = head;
    out += "\\pard\\plain\\sa240\\f0\\fs32\\b\\cf1 Steam humidifier schedule\\par\n"
           "\\pard\\plain\\qj\\sa120\\f1\\fs20 The table lists every air handling unit of the "
           "project with its air flow, the states of the air and the steam it needs.\\par\n";
    const int widths[] = {900, 3300, 2000, 2000, 1438};
    const char *heads[] = {"No.", "Unit", "Air flow", "Steam", "Type"};
    for (int r = 0; r <= rows; ++r) {
        const bool header = r == 0;
        QByteArray def =
            header ? "\\trowd\\trgaph70\\trleft0\\trhdr" : "\\trowd\\trgaph70\\trleft0";
        for (int c = 0, x = 0; c < 5; ++c) {
            x += widths[c];
            def += header ? "\\clbrdrb\\brdrs\\brdrw15\\clcbpat2\\cellx"
                          : "\\clbrdrb\\brdrs\\brdrw5\\cellx";
            def += n(x);
        }
        def += "\n";
        out += def;
        const QByteArray values[] = {
            n(r), "AHU " + n(r) + " floor " + n(r % 12) + "\\line supply air",
            n(2000 + r * 37 % 9000) + " m\\'b3/h", n(10 + r * 7 % 90) + ",5 kg/h",
            "{\\i VS-" + n(r % 6 + 1) + "}"};
        for (int c = 0; c < 5; ++c)
            out += QByteArray("\\pard\\plain\\intbl") + (c == 2 || c == 3 ? "\\qr" : "") +
                   "\\f0\\fs20" + (header ? "\\b " : " ") +
                   (header ? QByteArray(heads[c]) : values[c]) + "\\cell\n";
        out += def + "\\row\n";
    }
    return out + "\\pard\\plain\\f0\\fs20 End of the schedule.\\par}";
}

QByteArray rtfBulkDocument(RtfBulk kind, int bytes)
{
    QByteArray out = head;
    if (kind == RtfBulk::Cell)
        out += "\\trowd\\trgaph108\\clbrdrb\\brdrs\\cellx4500\\cellx9000\\pard\\intbl ";
    else
        out += "\\pard\\qj ";
    out.reserve(bytes + 200);
    quint32 noise = 12345;
    for (int w = 1; out.size() < bytes; ++w) {
        unsigned pick = 3; // a word; a broken file also gets open groups, control words and noise
        if (kind == RtfBulk::Malformed) {
            noise = noise * 1103515245u + 12345u;
            pick = noise >> 29;
        }
        if (kind == RtfBulk::Rows) {
            out += "\\trowd\\cellx3000\\cellx6000\\pard\\intbl w" + n(w) + "\\cell v" + n(w) +
                   "\\cell\\row\n";
            continue;
        }
        out += pick == 0   ? QByteArray("{\\b ")
               : pick == 1 ? "\\x" + n(int(noise % 100000)) + "y"
               : pick == 2 ? QByteArray(1, char(noise >> 8))
                           : 'w' + n(w) + ' ';
    }
    if (kind == RtfBulk::Cell)
        out += "\\cell beside\\cell\\row";
    return out + (kind == RtfBulk::Malformed ? "" : "\\pard after\\par}");
}

} // namespace vc::test
