"""The article table: every article once, with its texts in En, De, Fr, Po.

An article is (number, file, fields, texts): fields are the keys that do not
depend on the language ("type", "KgH", "img", family flags), texts the
language's "Desc" (and "Spec" for units), indexed En, De, Fr, Po.
"""
import designtables as design

LANGS = ["En", "De", "Fr", "Po"]
FLAGS = ["TV", "QN", "SX", "DR", "FC", "OS", "PZ"]
# Thousands separator and decimal point as the program writes numbers in each
# language's usual locale, so that pipe sizes read as the sizing shows them.
GROUP = {"En": ",", "De": ".", "Fr": "\u202f", "Po": "\u00a0"}
POINT = {"En": ".", "De": ",", "Fr": ",", "Po": ","}

UNIT_FILES = ["U_TV", "U_QN", "U_SB", "U_DR", "U_FC", "U_OS"]
UNIT_PICTURES = ["U-tavro 500.jpg", "U-quenil 500.jpg", "U-Sorbix.jpg", "U-Dremon 500.jpg",
                 "U-Falcy 500.jpg", "U-oskel.jpg"]


def number(value, lang, decimals=0):
    text = ("%." + str(decimals) + "f") % value
    whole, _, frac = text.partition(".")
    groups = []
    while len(whole) > 3:
        groups.insert(0, whole[-3:])
        whole = whole[:-3]
    groups.insert(0, whole)
    out = GROUP[lang].join(groups)
    return out + (POINT[lang] + frac if frac else "")


def flags(*codes):
    return {f: (1 if f in codes else 0) for f in FLAGS}


PHASES = {"En": "%d ph", "De": "%d Ph.", "Fr": "%d ph.", "Po": "%d f."}
SIZE = {"En": "W x H x D", "De": "B x H x T", "Fr": "L x H x P", "Po": "szer. x wys. x gł."}


ON_REQUEST = {
    "En": "Size on request: no standard size fits the load; up to %s kg/h per unit at %d V / %s",
    "De": "Größe auf Anfrage: keine Standardgröße passt zur Last; bis %s kg/h je Gerät bei %d V / %s",
    "Fr": "Taille sur demande : aucune taille standard ne couvre la charge ; jusqu'à %s kg/h par appareil en %d V / %s",
    "Po": "Wielkość na zapytanie: żadna standardowa wielkość nie pokrywa obciążenia; do %s kg/h na urządzenie przy %d V / %s",
}


def spec(lang, voltage, phases, power, dims):
    pw = power.replace(".", POINT[lang])
    return "%d V / %s, %s kW, %s x %s x %s mm (%s)" % (
        voltage, PHASES[lang] % phases, pw, dims[0], dims[1], dims[2], SIZE[lang])


def units():
    models = design.model_table()
    out = []
    for fam, codes in design.unit_codes().items():
        name = design.FAMILIES[fam]
        for i, code in enumerate(c for c in codes if c):
            kgh = code[:-2]
            voltage, phases = design.supply(code)
            row = models.get((name, kgh)) or models.get((name, None))
            fields = {"type": "U", "KgH": kgh, "img": UNIT_PICTURES[fam]}
            desc = "%s / %s" % (name, code)
            texts = {l: (desc, spec(l, voltage, phases, row[0], row[1:])) for l in LANGS}
            out.append(("1%d%02d%03d" % (1 + fam, 1, i + 1), UNIT_FILES[fam], fields, texts))
        if "" in codes:
            # Chosen while no size fits the load: the family's largest size, offered on request.
            largest = max((c for c in codes if c), key=int)
            voltage, phases = design.supply(largest)
            fields = {"type": "U", "KgH": largest[:-2], "img": UNIT_PICTURES[fam]}
            texts = {l: ("%s / " % name, ON_REQUEST[l] % (largest[:-2], voltage, PHASES[l] % phases))
                     for l in LANGS}
            out.append(("1%d%02d%03d" % (1 + fam, 9, 1), UNIT_FILES[fam], fields, texts))
    # Pelmor: plant-steam humidifiers known to the catalogue only.
    for i, (code, power, dims) in enumerate([("834", "0.2", ("600", "420", "260")),
                                             ("1534", "0.2", ("900", "420", "260")),
                                             ("3264", "0.3", ("1200", "480", "300")),
                                             ("6564", "0.3", ("1500", "480", "300"))]):
        voltage, phases = 230, 1
        fields = {"type": "U", "KgH": code[:-2], "img": "U-Pelmor.jpg"}
        texts = {l: ("Pelmor / %s" % code, spec(l, voltage, phases, power, dims)) for l in LANGS}
        out.append(("1701%03d" % (i + 1), "U_PZ", fields, texts))
    return out


def pipe_desc(lang, d, length, cut):
    size = "%d-%s" % (d, number(length, lang))
    inch = "%s-%s" % (number(d / 25.4, lang, 2), number(length / 25.4, lang, 1))
    if cut:
        return {"En": "Steam distribution pipe %s mm, cut to duct width" % size,
                "De": "Dampfverteiler %s mm, auf Kanalbreite gekürzt" % size,
                "Fr": "Rampe de distribution vapeur %s mm, coupée à la largeur de gaine" % size,
                "Po": "Lanca parowa %s mm, skrócona na szerokość kanału" % size}[lang]
    return {"En": "Steam distribution pipe %s mm (%s in)" % (size, inch),
            "De": "Dampfverteiler %s mm (%s in)" % (size, inch),
            "Fr": "Rampe de distribution vapeur %s mm (%s in)" % (size, inch),
            "Po": "Lanca parowa %s mm (%s in)" % (size, inch)}[lang]


def distributors():
    table, cut = design.pipes()
    out = []
    for d in sorted(table):
        fl = flags("TV", "QN", "SX", "FC", "OS", "PZ") if d == 22 else flags("TV", "QN", "SX", "PZ")
        for length in sorted(table[d]):
            fields = dict(type="A", img="A-distributor.jpg", **fl)
            texts = {l: (pipe_desc(l, d, length, False),) for l in LANGS}
            out.append(("230%d%04d" % (1 if d == 22 else 2, length), "A_Distributor", fields, texts))
    # Where no standard length fits the duct, the pipe is cut to the duct width;
    # pipes shorter than 100 mm are not made.
    for d in sorted(cut):
        for length in sorted(l for l in cut[d] if 100 <= l):
            if length in table.get(d, ()):
                continue
            fields = dict(type="A", img="A-distributor.jpg", **flags("TV", "QN", "SX", "PZ"))
            texts = {l: (pipe_desc(l, d, length, True),) for l in LANGS}
            out.append(("231%d%04d" % (1 if d == 22 else 2, length), "A_Distributor", fields, texts))
    return out
