#!/usr/bin/env python3
"""Writes the calculation report template and one tender document per family
into data/Docs/En|De|Fr|Po. The tokens are the placeholders the main window
fills: "#####n" values of the report, "##nn" unit labels and tender values.
Run from anywhere; commit the script with its output. --check only
compares the committed documents with what it would write."""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from rtf import Doc, PAGE_WIDTH, TEAL  # noqa: E402
from report_texts import REPORT  # noqa: E402
from tender_texts import TENDER, FAMILIES  # noqa: E402
from family_texts import F  # noqa: E402

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "data", "Docs")
LABEL, VALUE = 4700, PAGE_WIDTH - 4700


def header(doc, brand, title, right):
    doc.table([["*" + brand, right]], [6400, PAGE_WIDTH - 6400], borders=False, size=18, align=["ql", "qr"])
    doc.par(title, size=36, bold=True, color=TEAL, after=60)
    doc.rule()


def report(lang):
    t = REPORT[lang]
    doc = Doc(t["title"])
    header(doc, t["brand"], t["title"], t["date"] + ("\u00a0: " if lang == "Fr" else ": ") + "#####0")

    doc.heading(t["project"])
    doc.table([
        [t["client"], "*#####1 "],
        [t["proj"], "*#####2 "],
        [t["plant"], "#####3 "],
        [t["offer"], "#####4 "],
        [t["register"], "#####5 "],
        [t["company"], "#####6 "],
        [t["user"], "#####7 "],
        [t["distributor"], "#####40 "],
    ], [LABEL, VALUE])

    doc.heading(t["conditions"])
    doc.table([
        [t["total_air"], "#####8 ##51"],
        [t["fresh"], "#####9 %"],
        [t["humid_air"], "#####10 ##51"],
        [t["pressure"], "#####11 ##52"],
        [t["altitude"], "#####41 ##54"],
    ], [LABEL, VALUE])
    third = (PAGE_WIDTH - LABEL) // 2
    doc.table([
        [t["states"], t["outside"], t["inside"]],
        [t["temp"], "#####12 ##59", "#####15 ##59"],
        [t["rh"], "#####13 ##60", "#####16 ##60"],
        [t["ah"], "#####14 ##56", "#####17 ##56"],
    ], [LABEL, third, PAGE_WIDTH - LABEL - third], header=True)

    doc.heading(t["results"])
    doc.table([
        [t["dx"], "#####19 ##56"],
        [t["density"], "#####18 ##57"],
        ["*" + t["load"], "*#####20 ##58"],
    ], [LABEL, VALUE], shade_rows=(2,), size=20)

    doc.heading(t["selection"])
    doc.table([
        [t["voltage"], "#####21 V"],
        [t["phases"], "#####22 "],
        [t["family"], "*#####23 "],
        [t["model"], "*#####42 "],
    ], [LABEL, VALUE])

    doc.heading(t["distribution"])
    doc.table([
        [t["duct_air"], "#####24 ##51"],
        [t["duct"], "#####25 ##53 \u00d7 #####26 ##53"],
        [t["before"], "#####27 ##59"],
        [t["velocity"], "#####28 ##55"],
        [t["after"], "#####29 ##56"],
        [t["output"], "#####30 ##58"],
        [t["k"], "#####31 "],
        [t["pipes"], "#####32 "],
        [t["pipe"], "\u00f8 #####33 \u00d7 #####34 ##53"],
    ], [LABEL, VALUE])

    doc.heading(t["distances"])
    doc.table([
        [t["component"], t["minimum"]],
        ["*" + t["hd"], "*#####35 ##54"],
        [t["d1"], "#####36 ##54"],
        [t["d2"], "#####37 ##54"],
        [t["d3"], "#####38 ##54"],
        [t["d4"], "#####39 ##54"],
    ], [LABEL + 1200, VALUE - 1200], header=True)
    doc.par(t["note"], size=17, italic=True, before=60)
    doc.rule()
    doc.par(t["footer"], size=15, color=4)
    return doc.text()


def tender(lang, family):
    t = TENDER[lang]
    f = F[lang][family]
    doc = Doc(t["subtitle"] % family)
    header(doc, t["subtitle"] % family, t["title"], "")
    doc.par(t["intro"], after=140)

    cols = [700, 5138, 800, 800, 1100, 1100]
    blank = "........"

    def position(no, title, qty, unit):
        doc.table([[no, "*" + title, qty, unit, blank, blank]], cols, size=19,
                  align=["ql", "ql", "qr", "ql", "qr", "qr"], shade_rows=(0,))

    def body(text, italic=False):
        doc.raw("\\pard\\plain\\f0\\li700\\sa100\\fs19%s %s\\par\n" % ("\\i" if italic else "", esc(text)))

    doc.table([t["cols"]], cols, header=True, align=["ql", "ql", "qr", "ql", "qr", "qr"])
    position("1", "%s Veltrann %s" % (t["p1"], family), "1", t["pc"])
    body(f["text"])
    doc.raw("\\pard\\plain\\f0\\li700\\sb60\\sa60\\keepn\\fs19\\b %s\\par\n" % esc(t["data"]))
    doc.table([
        [t["output"], "##81 ##58"],
        [t["power"], "##82 ##61"],
        [t["voltage"], "##83 V"],
        [t["dims"], "##84 \u00d7 ##85 \u00d7 ##86 ##53"],
        [t["display"], f["display"]],
        [t["control"], f["control"]],
        [t["cleaning"], f["cleaning"]],
        [t["application"], f["application"]],
    ], [2900, PAGE_WIDTH - 700 - 2900], indent=700, size=18)

    position("2", t["p2"], "##87 ", t["pc"])
    body(t["p2text"])
    if family == "Dremon 500":
        body(t["alt"], italic=True)
    position("3", t["p3"], "", "##54")
    body(t["p3text"])
    position("4", t["p4"], "", "##54")
    body(t["p4text"])
    position("5", t["p5"], "1", t["set"])
    body(t["p5text"])
    position("6", t["p6"], "1", t["ls"])
    body(t["p6text"])
    doc.table([["", "*" + t["total"], "", "", "", blank]], cols, align=["ql", "ql", "qr", "ql", "qr", "qr"])

    doc.heading(t["scope"])
    doc.bullets(t["scope_items"])
    doc.heading(t["excluded"])
    doc.bullets(t["excluded_items"])
    doc.par("", after=60)
    doc.par(t["closing"] % family, bold=True, before=120)
    doc.par(t["offered"], before=120)
    return doc.text()


def esc(text):
    from rtf import esc as e
    return e(text)


CHECK = "--check" in sys.argv
stale = []


def write(path, text):
    if CHECK:
        try:
            with open(path, encoding="ascii", newline="") as old:
                same = old.read() == text.replace("\n", "\r\n")
        except OSError:
            same = False
        if not same:
            stale.append(path)
        return
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="ascii", newline="\r\n") as out:
        out.write(text)


def typeset(lang, texts):
    """French sets a non-breaking space before : and ; so they never start a line."""
    if lang != "Fr":
        return texts
    def fix(value):
        if isinstance(value, str):
            return value.replace(" :", "\u00a0:").replace(" ;", "\u00a0;")
        if isinstance(value, list):
            return [fix(v) for v in value]
        if isinstance(value, dict):
            return {k: fix(v) for k, v in value.items()}
        return value
    return fix(texts)


def main():
    REPORT["Fr"] = typeset("Fr", REPORT["Fr"])
    TENDER["Fr"] = typeset("Fr", TENDER["Fr"])
    F["Fr"] = typeset("Fr", F["Fr"])
    for lang in ("En", "De", "Fr", "Po"):
        write(os.path.join(ROOT, lang, "Calculationresults.rtf"), report(lang))
        for family in FAMILIES:
            write(os.path.join(ROOT, lang, family.replace("/", "-") + ".rtf"), tender(lang, family))
    if stale:
        print("documents differ from the generator; run scripts/docs/make_docs.py:", *stale, sep="\n  ")
        sys.exit(1)


if __name__ == "__main__":
    main()
