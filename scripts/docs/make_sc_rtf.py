#!/usr/bin/env python3
"""Writes the information text "SC.RTF" on the self-cleaning steam cylinder into
the Docs folder of each language, with our cut-away drawing embedded as PNG.

Usage: make_sc_rtf.py [DATA_DIR]   (default: data/ of the source tree)

The drawing (sc_picture.py) is SVG rendered to PNG by svgtopng.cpp, built on
the fly against Qt; the texts are in sc_texts.py.
"""
import os
import subprocess
import sys
import tempfile
import unicodedata

sys.dont_write_bytecode = True

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
sys.path.insert(0, HERE)
sys.path.insert(0, os.path.join(ROOT, "scripts", "lng"))

import sc_picture  # noqa: E402
import sc_texts  # noqa: E402

PICTURE_WIDTH_PX = 720
PICTURE_WIDTH_TWIPS = 8505  # 15 cm on the page
TEXT_WIDTH_TWIPS = 9071     # A4 less 2.5 cm margins


def render_picture(workdir):
    svg_path = os.path.join(workdir, "sc.svg")
    png_path = os.path.join(workdir, "sc.png")
    tool = os.path.join(workdir, "svgtopng")
    with open(svg_path, "w", encoding="utf-8") as f:
        f.write(sc_picture.svg())
    flags = subprocess.run(["pkg-config", "--cflags", "--libs", "Qt6Svg", "Qt6Gui", "Qt6Core"],
                           check=True, capture_output=True, text=True).stdout.split()
    subprocess.run(["g++", "-std=c++17", "-O1", "-fPIC", "-o", tool, os.path.join(HERE, "svgtopng.cpp")] + flags,
                   check=True)
    subprocess.run([tool, svg_path, png_path, str(PICTURE_WIDTH_PX)], check=True)
    with open(png_path, "rb") as f:
        return f.read()


def png_size(png):
    return int.from_bytes(png[16:20], "big"), int.from_bytes(png[20:24], "big")


def fallback(ch):
    base = unicodedata.normalize("NFD", ch)[0]
    return base if ord(base) < 128 else "?"


def esc(text, french=False):
    if french:
        # French sets a non-breaking space inside guillemets and before : ; ? !
        for a, b in ((" :", "\u00a0:"), (" ;", "\u00a0;"), (" ?", "\u00a0?"), (" !", "\u00a0!"),
                     ("\u00ab ", "\u00ab\u00a0"), (" \u00bb", "\u00a0\u00bb")):
            text = text.replace(a, b)
    out = []
    for ch in text:
        if ch in "\\{}":
            out.append("\\" + ch)
        elif ord(ch) < 128:
            out.append(ch)
        else:
            try:
                out.append("\\'%02x" % ch.encode("cp1252")[0])
            except UnicodeEncodeError:
                code = ord(ch)
                out.append("\\u%d%s" % (code - 65536 if code > 32767 else code, fallback(ch)))
    return "".join(out)


def captions(module_name):
    module = __import__(module_name)
    rows = dict(module.FRM_MAIN)
    return {"tab": rows["SSTab1.TabCaption(2)"], "row": rows["Label2(32).Caption"],
            "option": rows["Label2(34).Caption"]}


def table(rows, french):
    widths = (2268, 3402, 3401)
    out = []
    for r, row in enumerate(rows):
        out.append("\\trowd\\trgaph85\\trleft0\\trkeep")
        x = 0
        for width in widths:
            x += width
            shade = "\\clcbpat3" if r == 0 else ("\\clcbpat4" if r % 2 == 0 else "")
            out.append("\\clvertalt%s\\clbrdrt\\brdrs\\brdrw10\\brdrcf5\\clbrdrl\\brdrs\\brdrw10\\brdrcf5"
                       "\\clbrdrb\\brdrs\\brdrw10\\brdrcf5\\clbrdrr\\brdrs\\brdrw10\\brdrcf5\\cellx%d" % (shade, x))
        cells = []
        for c, text in enumerate(row):
            bold = r == 0 or c == 0
            cells.append("\\pard\\intbl\\sb40\\sa40\\fs19%s %s%s\\cell"
                         % ("\\b\\cf1" if bold else "", esc(text, french), "\\b0\\cf0" if bold else ""))
        out.append("".join(cells) + "\\row")
    return "\n".join(out) + "\n\\pard\\plain\\f0\\fs21\n"


def document(lang, module_name, png):
    t = lang
    french = module_name == "francais"
    names = captions(module_name)
    px_w, px_h = png_size(png)
    goal_h = round(PICTURE_WIDTH_TWIPS * px_h / px_w)
    body = "\\pard\\plain\\f0\\fs21\\sa120\\sl276\\slmult1 "
    parts = [
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1",
        "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}",
        "{\\colortbl;\\red31\\green95\\blue122;\\red90\\green100\\blue110;\\red221\\green234\\blue241;"
        "\\red245\\green248\\blue250;\\red160\\green172\\blue182;}",
        "\\paperw11906\\paperh16838\\margl1417\\margr1418\\margt1134\\margb1134\\viewkind4",
        "\\pard\\plain\\f0\\sa60\\keepn\\fs40\\b\\cf1 %s\\b0\\cf0\\par" % esc(t["title"], french),
        "\\pard\\plain\\f0\\sa240\\keepn\\fs24\\i\\cf2 %s\\i0\\cf0\\par" % esc(t["subtitle"], french),
    ]
    for text in t["intro"]:
        parts.append(body + esc(text, french) + "\\par")
    parts.append("\\pard\\plain\\f0\\qc\\sb120\\sa60\\keepn {\\pict\\pngblip\\picw%d\\pich%d\\picwgoal%d\\pichgoal%d"
                 % (px_w, px_h, PICTURE_WIDTH_TWIPS, goal_h))
    hexdata = png.hex()
    parts.extend(hexdata[i:i + 128] for i in range(0, len(hexdata), 128))
    parts.append("}\\par")
    parts.append("\\pard\\plain\\f0\\qc\\sa120\\keepn\\fs18\\i\\cf2 %s\\i0\\cf0\\par" % esc(t["figure"], french))
    for n, text in enumerate(t["legend"], 1):
        parts.append("\\pard\\plain\\f0\\fs19\\li851\\fi-425\\tx851\\sa20 {\\b\\cf1 %d}\\tab %s\\par"
                     % (n, esc(text, french)))

    def heading(text):
        parts.append("\\pard\\plain\\f0\\sb300\\sa100\\keepn\\fs28\\b\\cf1 %s\\b0\\cf0\\par" % esc(text, french))

    heading(t["how"])
    for n, text in enumerate(t["steps"], 1):
        parts.append("\\pard\\plain\\f0\\fs21\\li425\\fi-425\\tx425\\sa100\\sl276\\slmult1 {\\b\\cf1 %d.}\\tab %s\\par"
                     % (n, esc(text, french)))
    heading(t["savings"])
    parts.append(body + esc(t["savingsText"], french) + "\\par")
    parts.append(table(t["table"], french))
    parts.append("\\pard\\plain\\f0\\sb60\\sa120\\fs18\\i\\cf2 %s\\i0\\cf0\\par" % esc(t["tableNote"], french))
    heading(t["know"])
    for text in t["points"]:
        text = text.format(**names)
        parts.append("\\pard\\plain\\f0\\fs21\\li425\\fi-283\\tx425\\sa100\\sl276\\slmult1 {\\cf1 \\u8226*}\\tab %s\\par"
                     % esc(text, french))
    parts.append("}")
    return "\r\n".join(parts) + "\r\n"


def main():
    data = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "data")
    with tempfile.TemporaryDirectory() as workdir:
        png = render_picture(workdir)
    for folder, module_name, text in sc_texts.DOCUMENTS:
        target = os.path.join(data, "Docs", folder)
        os.makedirs(target, exist_ok=True)
        with open(os.path.join(target, "SC.RTF"), "w", encoding="ascii", newline="") as f:
            f.write(document(text, module_name, png))
        print("%s/SC.RTF: %d bytes of text and picture" % (folder, os.path.getsize(os.path.join(target, "SC.RTF"))))


if __name__ == "__main__":
    main()
