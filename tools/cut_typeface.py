#!/usr/bin/env python3
"""Build tool: cuts the game's typeface down to the characters its texts use.

Usage: cut_typeface.py FULL.ttf OUT.ttf SOURCE...

Every caption and message of the game is a string literal in its core's sources, or is
made at run time from printable ASCII (numbers, the name grid's letters), so the cut face
keeps every character of those literals plus printable ASCII. Hints, kerning (the old
'kern' table, which SDL_ttf reads without HarfBuzz, and GPOS) and the missing-glyph box
are kept, so text is drawn exactly as with the full face.
"""
import re
import sys

from fontTools import subset
from fontTools.ttLib.tables import otTables

# Comments are matched too, so that quotes inside them are passed over.
TOKEN = re.compile(r'//[^\n]*|/\*.*?\*/|"((?:[^"\\\n]|\\.)*)"' + r"|'((?:[^'\\\n]|\\.)+)'",
                   re.DOTALL)
ESCAPES = {"n": "\n", "t": "\t", "r": "\r", "0": "\0", "\\": "\\", '"': '"', "'": "'"}


def literal_text(body):
    return re.sub(r"\\(.)", lambda m: ESCAPES.get(m.group(1), m.group(1)), body)


def characters(sources):
    shown = {chr(c) for c in range(0x20, 0x7F)}
    for path in sources:
        with open(path, encoding="utf-8") as source:
            code = source.read()
        for match in TOKEN.finditer(code):
            body = match.group(1) if match.group(1) is not None else match.group(2)
            if body is None:
                continue
            text = literal_text(body)
            shown.update(c for c in text if c.isprintable())
    return "".join(sorted(shown))


def features_of(table, langsys):
    return {table.FeatureList.FeatureRecord[i].FeatureTag for i in langsys.FeatureIndex} if langsys else set()


def keep_scripts_features(full, cut):
    """A shaper kerns with the old 'kern' table only where the script it picked has no
    'kern' feature. The full face's default script has one, which kerns none of the
    game's letters: cut away, it left that script without it, and the desktop's text
    would have been kerned where it never was. Each script keeps its features, empty."""
    for tag in ("GSUB", "GPOS"):
        if tag not in full or tag not in cut:
            continue
        before, after = full[tag].table, cut[tag].table
        wanted = {r.ScriptTag: features_of(before, r.Script.DefaultLangSys)
                  for r in before.ScriptList.ScriptRecord}
        for record in after.ScriptList.ScriptRecord:
            if record.Script.DefaultLangSys is None:
                record.Script.DefaultLangSys = otTables.DefaultLangSys()
                record.Script.DefaultLangSys.LookupOrder = None
                record.Script.DefaultLangSys.ReqFeatureIndex = 0xFFFF
                record.Script.DefaultLangSys.FeatureIndex = []
                record.Script.DefaultLangSys.FeatureCount = 0
            langsys = record.Script.DefaultLangSys
            for feature in sorted(wanted.get(record.ScriptTag, set()) - features_of(after, langsys)):
                empty = otTables.FeatureRecord()
                empty.FeatureTag = feature
                empty.Feature = otTables.Feature()
                empty.Feature.FeatureParams = None
                empty.Feature.LookupListIndex = []
                empty.Feature.LookupCount = 0
                after.FeatureList.FeatureRecord.append(empty)
                after.FeatureList.FeatureCount = len(after.FeatureList.FeatureRecord)
                langsys.FeatureIndex.append(after.FeatureList.FeatureCount - 1)
                langsys.FeatureCount = len(langsys.FeatureIndex)


def main(argv):
    if len(argv) < 3:
        sys.exit("usage: cut_typeface.py FULL.ttf OUT.ttf SOURCE...")
    full, out, sources = argv[0], argv[1], argv[2:]
    options = subset.Options()
    options.hinting = True
    options.legacy_kern = True
    options.notdef_outline = True
    options.layout_features = ["*"]
    # FontForge's own timestamp: nothing reads it, and the subsetter cannot cut it.
    options.drop_tables += ["FFTM"]
    font = subset.load_font(full, options)
    cutter = subset.Subsetter(options)
    cutter.populate(text=characters(sources))
    cutter.subset(font)
    keep_scripts_features(subset.load_font(full, options), font)
    subset.save_font(font, out, options)


if __name__ == "__main__":
    main(sys.argv[1:])
