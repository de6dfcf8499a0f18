"""Small RTF writer for our shipped documents: A4, Arial, tables with thin
borders, every non-ASCII character as a Unicode escape so Word, LibreOffice
and our own reader show the same text whatever their code page."""

PAGE_WIDTH = 9638  # A4 less 20 mm margins, in twips
HEAD = (
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1"
    "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}"
    "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green84\\blue96;\\red232\\green238\\blue240;"
    "\\red96\\green96\\blue96;\\red250\\green250\\blue250;}"
    "{\\info{\\title %s}{\\author Veltrann}}"
    "\\paperw11906\\paperh16838\\margl1134\\margr1134\\margt1020\\margb1134"
    "\\widowctrl\\f0\\fs19\n"
)
TEAL, SHADE, GREY = 2, 3, 4


def esc(text):
    """Plain text to RTF; '\n' becomes a line break inside the paragraph."""
    out = []
    for ch in text:
        code = ord(ch)
        if ch in "\\{}":
            out.append("\\" + ch)
        elif ch == "\n":
            out.append("\\line ")
        elif ch == "\t":
            out.append("\\tab ")
        elif code < 128:
            out.append(ch)
        else:
            out.append("\\u%d?" % (code if code < 32768 else code - 65536))
    return "".join(out)


class Doc:
    def __init__(self, title):
        self.parts = [HEAD % esc(title)]

    def raw(self, text):
        self.parts.append(text)

    def par(self, text, size=19, bold=False, italic=False, color=0, before=0, after=80, align="ql", keep=False):
        fmt = "\\pard\\plain\\f0\\%s\\sb%d\\sa%d%s\\fs%d%s%s%s " % (
            align, before, after, "\\keepn" if keep else "", size, "\\b" if bold else "",
            "\\i" if italic else "", "\\cf%d" % color if color else "")
        self.parts.append(fmt + esc(text) + "\\par\n")

    def heading(self, text):
        self.par(text, size=23, bold=True, color=TEAL, before=220, after=90, keep=True)

    def bullets(self, items):
        for item in items:
            self.parts.append("\\pard\\plain\\f0\\fi-220\\li400\\tx400\\sa40\\fs19 \\u8226?\\tab %s\\par\n" % esc(item))

    def table(self, rows, widths, header=False, shade_rows=(), bold_rows=(), borders=True, indent=0, size=19,
              align=None):
        """rows: lists of cell texts; widths: twips per column. A cell text
        starting with '*' is bold. header: first row shaded and bold."""
        out = []
        for r, row in enumerate(rows):
            out.append("\\trowd\\trgaph85\\trleft%d\\trkeep" % (indent - 85 if indent else -85))
            if r == 0 and header:
                out.append("\\trhdr")
            x = indent
            for c, _ in enumerate(row):
                if borders:
                    out.append("\\clbrdrt\\brdrs\\brdrw8\\brdrcf4\\clbrdrl\\brdrs\\brdrw8\\brdrcf4"
                               "\\clbrdrb\\brdrs\\brdrw8\\brdrcf4\\clbrdrr\\brdrs\\brdrw8\\brdrcf4")
                if (r == 0 and header) or r in shade_rows:
                    out.append("\\clcbpat%d" % SHADE)
                x += widths[c]
                out.append("\\cellx%d" % x)
            out.append("\n")
            for c, text in enumerate(row):
                bold = (r == 0 and header) or r in bold_rows or text.startswith("*")
                if text.startswith("*"):
                    text = text[1:]
                a = align[c] if align else "ql"
                out.append("\\pard\\plain\\intbl\\f0\\%s\\sb30\\sa30\\fs%d%s %s\\cell\n"
                           % (a, size, "\\b" if bold else "", esc(text)))
            out.append("\\row\n")
        self.parts.append("".join(out))
        self.parts.append("\\pard\\plain\\f0\\sa0\\fs8\\par\n")

    def rule(self):
        self.parts.append("\\pard\\plain\\f0\\brdrb\\brdrs\\brdrw15\\brdrcf2\\sa120\\fs6\\par\n")

    def text(self):
        return "".join(self.parts) + "}\n"
