#!/usr/bin/env python3
"""Writes the article catalogue: the twenty ".dat" files per language into
data/Docs/En, De, Fr and Po, from the one article table of this folder.

Usage: make_catalogue.py [DATA_DIR]   (default: data/ of the source tree)

Article numbers are the same in every language and unique over all files.
English, German and French files are Windows-1252 with CRLF; the Polish ones
UTF-8 with a byte-order mark, as Windows-1252 lacks the Polish letters. The
French files hold the narrow no-break space the French locale groups
thousands with, so they are UTF-8 with a byte-order mark as well.
"""
import os
import re
import sys

sys.dont_write_bytecode = True
HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import articles  # noqa: E402
import designtables as design  # noqa: E402
from fixedarticles import FIXED, VALVES  # noqa: E402

FILES = ["U_TV", "U_QN", "U_SB", "U_DR", "U_FC", "U_OS", "U_PZ",
         "A_Blower", "A_Hose", "A_Distributor", "A_Connector",
         "O_Kits", "O_Control", "O_Pressure", "O_Indication", "O_Heating", "O_H-C-S",
         "C_valve-in", "C_valve-out", "C_cylinder"]
ENCODING = {"En": "cp1252", "De": "cp1252", "Fr": "utf-8-sig", "Po": "utf-8-sig"}
LANGS = articles.LANGS

WORDS = {
    "to": {"En": "to", "De": "bis", "Fr": "à", "Po": "do"},
    "all sizes": {"En": "all sizes", "De": "alle Größen", "Fr": "toutes tailles", "Po": "wszystkie wielkości"},
}
VALVE = {
    "in": {"En": "Inlet solenoid valve 230 V for %s", "De": "Einlassmagnetventil 230 V für %s",
           "Fr": "Électrovanne d'alimentation 230 V pour %s", "Po": "Elektrozawór wlotowy 230 V do %s"},
    "out": {"En": "Drain valve 230 V for %s", "De": "Ablassventil 230 V für %s",
            "Fr": "Vanne de vidange 230 V pour %s", "Po": "Zawór spustowy 230 V do %s"},
}
CYLINDER = {"En": "Steam cylinder %s kg/h for %s", "De": "Dampfzylinder %s kg/h für %s",
            "Fr": "Cylindre vapeur %s kg/h pour %s", "Po": "Cylinder parowy %s kg/h do %s"}
TWO = {"En": ", two per unit", "De": ", zwei je Gerät", "Fr": ", deux par appareil", "Po": ", dwa na urządzenie"}
SIZE_WORD = {"En": "size", "De": "Größe", "Fr": "taille", "Po": "wielkość"}
CODE = {fam: code for fam, code in zip(design.FAMILIES, articles.FLAGS)}


def translate(text, lang):
    for word, by_lang in WORDS.items():
        text = text.replace(word, by_lang[lang])
    return text


def fixed():
    out = []
    for number, file, img, fams, *texts in FIXED:
        fields = dict(type="A", img=img, **articles.flags(*fams.split()))
        out.append((number, file, fields, {l: (t,) for l, t in zip(LANGS, texts)}))
    for number, file, fams, fits, kind in VALVES:
        fields = dict(type="C", img="C-valve.jpg", **articles.flags(*fams.split()))
        texts = {l: (VALVE[kind][l] % translate(fits, l),) for l in LANGS}
        out.append((number, file, fields, texts))
    return out


def cylinders():
    """One cylinder per size code; the families that share a size share its cylinder."""
    by_code = {}
    for fam, codes in design.unit_codes().items():
        for code in codes:
            by_code.setdefault(code, []).append(design.FAMILIES[fam])
    models = design.model_table()
    out = []
    for i, code in enumerate(sorted((c for c in by_code if c), key=int)):
        fams = by_code[code]
        row = models.get((fams[0], code[:-2])) or models.get((fams[0], None))
        twin = row[0].startswith("2x")
        kgh = int(code[:-2]) // (2 if twin else 1)
        fields = dict(type="C", img="C-cylinder.jpg", **articles.flags(*(CODE[f] for f in fams)))
        texts = {l: (CYLINDER[l] % (kgh, "%s, %s %s" % (", ".join(fams), SIZE_WORD[l], code))
                     + (TWO[l] if twin else ""),) for l in LANGS}
        out.append(("43%02d%03d" % (1, i + 1), "C_cylinder", fields, texts))
    return out


def check(table):
    numbers = [a[0] for a in table]
    duplicates = {n for n in numbers if numbers.count(n) > 1}
    if duplicates:
        raise SystemExit("article numbers used twice: %s" % sorted(duplicates))
    pipe = re.compile(r"\d-\d")
    for number, file, _fields, texts in table:
        if not number[0] in "123456789":
            raise SystemExit("article number %s must start with a digit 1 to 9" % number)
        for lang, t in texts.items():
            if "[" in "".join(t):
                raise SystemExit("%s %s: '[' would open a section for the title reader" % (number, lang))
            if file != "A_Distributor" and pipe.search(t[0]):
                raise SystemExit("%s %s: only distribution pipes may read digit-digit" % (number, lang))
            if len(t[0]) > 254 or (len(t) > 1 and len(t[1]) > 254):
                raise SystemExit("%s %s: text longer than an INI value" % (number, lang))


def render(table, file, lang):
    lines = []
    for number, f, fields, texts in table:
        if f != file:
            continue
        lines.append("[%s]" % number)
        lines.append("type=%s" % fields["type"])
        desc = texts[lang][0]
        # Quotes keep a trailing blank, which the profile functions would trim.
        lines.append("Desc=%s" % (desc if desc == desc.strip() else '"%s"' % desc))
        if fields["type"] == "U":
            lines.append("KgH=%s" % fields["KgH"])
            lines.append("Spec=%s" % texts[lang][1])
        lines.append("img=%s" % fields["img"])
        for flag in articles.FLAGS:
            if flag in fields:
                lines.append("%s=%d" % (flag, fields[flag]))
        lines.append("")
    return "\r\n".join(lines)


def main():
    data_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "..", "..", "data")
    table = articles.units() + articles.distributors() + fixed() + cylinders()
    check(table)
    for lang in LANGS:
        folder = os.path.join(data_dir, "Docs", lang)
        os.makedirs(folder, exist_ok=True)
        for file in FILES:
            with open(os.path.join(folder, file + ".dat"), "wb") as out:
                out.write(render(table, file, lang).encode(ENCODING[lang]))
    print("%d articles in %d files per language" % (len(table), len(FILES)))


if __name__ == "__main__":
    main()
