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
