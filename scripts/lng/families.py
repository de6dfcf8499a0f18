"""The basket tree's family entries: product names, the same in every language."""

FAMILY_TREE_TEXTS = [
    ("U-TV", "Tavro 500"),
    ("U-QN", "Quenil 500"),
    ("U-SB", "Sorbix"),
    ("U-DR", "Dremon 500"),
    ("U-FC", "Falcy 500"),
    ("U-OS", "Oskel"),
    ("U-PZ", "Pelmor"),
]

# The family names above the basket window's check marks, lbDesc(6) to lbDesc(12).
FAMILY_CAPTIONS = [("lbDesc(%d).Caption" % (6 + i), name) for i, (_key, name) in enumerate(FAMILY_TREE_TEXTS)]
