#!/usr/bin/env python3
"""Names the system font in a nib written by GNUstep.

GNUstep archives the font it drew with (here a Linux font such as DejaVuSans); a Mac
has no such font. The controls use the system font, which a nib names
".AppleSystemUIFont", so every font of the archive is renamed to it, keeping sizes.

usage: nib_system_font.py IN_NIB OUT_NIB
"""
import plistlib
import sys

SYSTEM_FONT = ".AppleSystemUIFont"


def main():
    with open(sys.argv[1], "rb") as f:
        archive = plistlib.load(f)
    objects = archive["$objects"]
    renamed = 0
    for item in objects:
        if not isinstance(item, dict) or "$class" not in item:
            continue
        if objects[item["$class"].data].get("$classname") != "NSFont":
            continue
        objects.append(SYSTEM_FONT)
        item["NSName"] = plistlib.UID(len(objects) - 1)
        renamed += 1
    if renamed == 0:
        sys.exit("nib_system_font: no font in %s" % sys.argv[1])
    with open(sys.argv[2], "wb") as f:
        plistlib.dump(archive, f, fmt=plistlib.FMT_BINARY, sort_keys=False)


if __name__ == "__main__":
    main()
