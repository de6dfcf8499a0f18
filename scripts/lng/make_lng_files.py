#!/usr/bin/env python3
"""Writes the installation's language and unit files.

Usage: make_lng_files.py [DATA_DIR]   (default: data/ of the source tree)

The Western language files and the unit files are Windows-1252 with CRLF, as
the profile functions read them; Polski.lng is UTF-8 with a byte-order mark,
since Windows-1252 cannot hold the Polish letters.
"""
import os
import sys

sys.dont_write_bytecode = True

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import units  # noqa: E402

LANGUAGES = [
    # (file base name, module, encoding)
    ("English", "english", "cp1252"),
    ("Deutsch", "deutsch", "cp1252"),
    ("Français", "francais", "cp1252"),
    ("Polski", "polski", "utf-8-sig"),
]

SECTION_NAMES = [
    ("frmMain", "FRM_MAIN"),
    ("frmKorb", "FRM_KORB"),
    ("frmManBS", "FRM_MAN_BS"),
    ("frmManDM", "FRM_MAN_DM"),
    ("frmhx", "FRM_HX"),
    ("frmPreview", "FRM_PREVIEW"),
    ("Messages", "MESSAGES"),
]


def render(sections):
    lines = []
    for name, rows in sections:
        if lines:
            lines.append("")
        lines.append("[%s]" % name)
        for key, value in rows:
            if not value.strip():
                raise SystemExit("empty value for %s/%s" % (name, key))
            lines.append("%s=%s" % (key, value))
    return "\r\n".join(lines) + "\r\n"


def write(path, text, encoding):
    data = text.encode(encoding)  # fails loudly on a letter the code page lacks
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def main():
    data_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "..", "..", "data")
    reference = None
    for base, module_name, encoding in LANGUAGES:
        try:
            module = __import__(module_name)
        except ImportError:
            print("skipping %s: no texts yet" % base)
            continue
        sections = [(s, getattr(module, attr)) for s, attr in SECTION_NAMES if hasattr(module, attr)]
        keys = [(s, [k for k, _ in rows]) for s, rows in sections]
        if reference is None:
            reference = keys
        elif keys != reference:
            raise SystemExit("%s: keys differ from %s" % (base, LANGUAGES[0][0]))
        write(os.path.join(data_dir, "Language", base + ".lng"), render(sections), encoding)
    for column, base in ((1, "SI"), (2, "USA")):
        sections = [(s, [(row[0], row[column]) for row in rows]) for s, rows in units.SECTIONS]
        write(os.path.join(data_dir, "Unit", base + ".lng"), render(sections), "cp1252")


if __name__ == "__main__":
    main()
