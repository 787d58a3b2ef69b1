# SPDX-FileCopyrightText: 2026 The Kvelmor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Cuts the page's font from Liberation Serif: its Latin and Cyrillic letters,
digits and marks, as WOFF2, without hinting.

A cut font is a modified version under the SIL Open Font License, which
reserves the name "Liberation": it is renamed "Kvelmor Serif", and keeps
its copyright, licence and licence address among its names.

    python3 subset_font.py LiberationSerif-Regular.ttf OUT.woff2
"""
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

LETTERS = "U+0020-007E,U+00A0,U+00AB,U+00BB,U+0400-045F,U+2013,U+2014,U+201C,U+201E,U+2026"

source, out = sys.argv[1:3]
options = subset.Options()
options.flavor = "woff2"
options.hinting = False
options.layout_features = ["kern"]
options.drop_tables += ["FFTM"]
options.name_IDs = ["*"]
options.name_languages = ["*"]
# Keeps the source's date, so that two builds give the same bytes.
font = TTFont(source, recalcTimestamp=False)
subsetter = subset.Subsetter(options)
subsetter.populate(unicodes=subset.parse_unicodes(LETTERS))
subsetter.subset(font)
for record in font["name"].names:
    if record.nameID in (1, 3, 4, 6, 16, 17, 18, 21, 22):
        record.string = (record.toUnicode().replace("Liberation Serif", "Kvelmor Serif")
                         .replace("LiberationSerif", "KvelmorSerif"))
names = {record.nameID for record in font["name"].names}
if not {0, 13, 14} <= names:
    sys.exit(f"{source} has no copyright, licence or licence address to keep")
font.flavor = "woff2"
font.save(out)
