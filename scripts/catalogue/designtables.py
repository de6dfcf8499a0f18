"""What the design can choose, read from the design's own tables in src/design.

The catalogue must hold an article for every unit and distribution pipe that a
calculation can propose, so the lists are derived from the C++ tables rather
than typed a second time. The family rules mirror FamilyChoice::refuses; the
catalogue test walks the C++ functions themselves and fails on any gap.
"""
import os
import re

SRC = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "src", "design")

FAMILIES = ["Tavro 500", "Quenil 500", "Sorbix", "Dremon 500", "Falcy 500", "Oskel"]


def _table(file_name, table_name):
    text = open(os.path.join(SRC, file_name), encoding="utf-8").read()
    body = re.search(table_name + r"\[\] = \{(.*?)\n\};", text, re.S).group(1)
    return [row.split(",") for row in re.findall(r"\{([^{}]*)\}", body)]


def _num(text):
    text = text.strip()
    return 1e300 if text == "any" else -1e300 if text == "-any" else float(text)


def size_ladder():
    """(above, up_to, voltage, phases, code) rows of the size ladder."""
    return [(_num(r[0]), _num(r[1]), int(r[2]), int(r[3]), r[4].strip().strip('"'))
            for r in _table("loadcalculation.cpp", "sizeLadder")]


def preset_table():
    """(above, up_to, voltage, steam output, pipes, diameter) rows."""
    return [(_num(r[0]), _num(r[1]), int(r[2]), _num(r[4]), int(r[5].strip().strip('"')), int(r[6]))
            for r in _table("loadcalculation.cpp", "presetTable")]


def pipe_table():
    return [tuple(_num(v) for v in r) for r in _table("distributorsizing.cpp", "pipeTable")]


def model_table():
    """{(family, capacity or None): (power kW, width, height, depth)}."""
    rows = {}
    for r in _table("distributorsizing.cpp", "modelTable"):
        v = [x.strip().strip('"') for x in r]
        cap = None if v[2] == "nullptr" else v[2]
        for fam in (v[0], v[1]):
            rows.setdefault((fam, cap), tuple(v[3:7]))
    return rows


def refuses(family, s, phases):
    if family in (0, 1):
        return s > 13064 or s < 222
    if family == 2:
        return s > 6564 or s < 222 or s in (6462, 424, 824)
    if family in (3, 4):
        return s > 322 or phases == 3
    if family == 5:
        return s > 222 or phases == 3
    return True


def unit_codes():
    """{family index: sorted codes} a family click can leave in the size code field.
    The code "" stands for a load no size fits, which some families still accept."""
    out = {}
    for fam in range(len(FAMILIES)):
        codes = set()
        if not refuses(fam, 0, 1) or not refuses(fam, 0, 3):
            codes.add("")
        for _a, _b, _v, phases, code in size_ladder():
            s = int(code)
            if refuses(fam, s, phases):
                continue
            # The three large families start at the 4 kg/h size.
            codes.add("422" if fam <= 2 and code in ("222", "322") else code)
        out[fam] = sorted(codes, key=lambda c: int(c or 0))
    return out


def supply(code):
    """(voltage, phases) of a size code, from the ladder."""
    for _a, _b, v, p, c in size_ladder():
        if c == code:
            return v, p
    raise KeyError(code)


def pipe_length(q, w):
    for above, up_to, w_from, w_below, length in pipe_table():
        if not (above < q <= up_to):
            continue
        if (w < w_below) if w_below < 1e299 else (w >= w_from):
            return int(length), True
    return w - 20, False


def size_code(load, voltage, phases):
    for above, up_to, v, p, code in size_ladder():
        if above < load <= up_to and v == voltage and p == phases:
            return code
    return ""


def preset(load, voltage):
    """(steam output, diameter) the load calculation presets for a rounded load."""
    for above, up_to, v, steam, _pipes, diameter in preset_table():
        if above < load <= up_to and (v == 0 or v == voltage):
            return steam, diameter
    if load < 0.1:
        return 0.0, 0
    return float(round(load)), 35


def pipes():
    """{diameter: set of table lengths} the sizing reaches for every load (in the
    tenths the calculation rounds to) on every connection a family accepts, and
    {diameter: lengths} of pipes cut to the duct where no table row fits."""
    steams = set()
    for voltage in (230, 400):
        for phases in (1, 3):
            for tenths in range(1, 1601):
                load = tenths / 10
                code = size_code(load, voltage, phases)
                if all(refuses(f, int(code or 0), phases) for f in range(len(FAMILIES))):
                    continue
                q, d = preset(load, voltage)
                # The smallest sizes run at the capacity of their code.
                if code in ("222", "322", "422"):
                    q = float(code[0])
                if q > 0 and d > 0:
                    steams.add((q, d))
    table, cut = {}, {}
    for q, d in steams:
        for w in range(1, 4001):
            length, from_table = pipe_length(q, w)
            if from_table:
                table.setdefault(d, set()).add(length)
            else:
                cut.setdefault(d, set()).add(length)
    return table, cut
