#!/usr/bin/python3
"""Cuts from an installed face the glyphs that wavecalc's own texts use.

Usage: embed_faces.py <face family> <new family> <out dir> <source file>...

For each of the styles Regular and Bold, writes <out dir>/song-<style>.otf:
the face's glyphs for printable ASCII and for every other character that the
given source files contain, under the new family name. Opening one of these
at start costs a fraction of opening the full face, a collection of tens of
megabytes; what the program draws is the same, glyph for glyph.
The output depends only on the installed face and the sources.
"""

import pathlib
import subprocess
import sys

from fontTools import subset, ttLib

STYLES = ("Regular", "Bold")
# Name records kept: copyright, names, version, and the licence with its
# address, which the font's licence asks to travel with it.
KEPT_NAMES = [0, 1, 2, 3, 4, 5, 6, 13, 14]


def FindFace(family, style):
    listing = subprocess.run(
        ["fc-list", "-f", "%{file}\t%{index}\n",
         f":family={family}:style={style}"],
        check=True, capture_output=True, text=True).stdout.split("\n")
    found = sorted(line for line in listing if line)
    if not found:
        sys.exit(f"embed_faces: no '{family}' {style} face is installed")
    path, index = found[0].split("\t")
    return path, int(index)


def Characters(sources):
    text = set(chr(c) for c in range(0x20, 0x7F))
    for source in sources:
        text |= {c for c in pathlib.Path(source).read_text("utf-8")
                 if ord(c) > 0x7F and c.isprintable()}
    return "".join(sorted(text))


def Rename(font, family, style):
    full = f"{family} {style}"
    names = {1: family, 2: style, 3: full, 4: full,
             6: f"{family}-{style}".replace(" ", "")}
    table = font["name"]
    for record in table.names:
        if record.nameID in names:
            record.string = names[record.nameID]
    table.names = [r for r in table.names if r.nameID not in (16, 17)]


def main():
    if len(sys.argv) < 5:
        sys.exit(__doc__)
    family, new_family, out_dir = sys.argv[1:4]
    text = Characters(sys.argv[4:])
    options = subset.Options()
    # Drawn unshaped, so no layout tables. The hints stay: without them the
    # glyphs come out different from the installed face's.
    options.hinting = True
    options.layout_features = []
    options.drop_tables += ["GSUB", "GPOS", "GDEF", "BASE", "vhea", "vmtx",
                            "VORG", "DSIG"]
    options.name_IDs = KEPT_NAMES
    options.name_languages = [0x409]
    options.notdef_outline = True
    for style in STYLES:
        path, index = FindFace(family, style)
        font = ttLib.TTFont(path, fontNumber=index, recalcTimestamp=False)
        subsetter = subset.Subsetter(options)
        subsetter.populate(text=text)
        subsetter.subset(font)
        Rename(font, new_family, style)
        out = pathlib.Path(out_dir) / f"song-{style.lower()}.otf"
        out.parent.mkdir(parents=True, exist_ok=True)
        font.save(str(out))


if __name__ == "__main__":
    main()
