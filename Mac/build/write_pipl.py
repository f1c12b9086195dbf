#!/usr/bin/env python3
"""Writes the plug-in property list the host reads before it loads the code.

The list is the Windows one with the macOS code descriptor: "ivrs" 2, "mi32" (no
data: the entry point is always PluginMain), "kind" "SPEA", "pinm" "Kestrune".
Two forms are written, because which one the host reads from a bundle is not
documented: the binary list on its own (Resources/pipl/plugin.pipl) and the same
bytes as resource 'PiPL' 16000 of a data-fork resource file (Resources/Kestrune.rsrc).

usage: write_pipl.py PIPL_PATH RSRC_PATH
"""
import struct
import sys

VENDOR = b"ADBE"
PROPERTIES = [
    (b"ivrs", struct.pack(">I", 2)),
    (b"mi32", b""),
    (b"kind", b"SPEA"),
    (b"pinm", b"Kestrune\0"),
]
PIPL_RESOURCE_ID = 16000


def pipl():
    out = struct.pack(">III", 1, 0, len(PROPERTIES))
    for key, data in PROPERTIES:
        padded = data + b"\0" * (-len(data) % 4)
        out += VENDOR + key + struct.pack(">II", 0, len(padded)) + padded
    return out


def resource_file(type_code, resource_id, data):
    """A resource file with one unnamed resource, in the classic resource-map layout."""
    data_offset = 256  # the header, then the space resource files reserve behind it
    body = struct.pack(">I", len(data)) + data
    type_list_offset = 28  # from the map's start to the type count
    type_list = struct.pack(">H", 1 - 1) + type_code + struct.pack(">HH", 1 - 1, 2 + 8)
    reference = struct.pack(">hhB", resource_id, -1, 0) + (0).to_bytes(3, "big") + struct.pack(">I", 0)
    names_offset = type_list_offset + len(type_list) + len(reference)
    map_offset = data_offset + len(body)
    header = struct.pack(">IIII", data_offset, map_offset, len(body), names_offset)
    resource_map = header + struct.pack(">IHHHH", 0, 0, 0, type_list_offset, names_offset) + type_list + reference
    return header + b"\0" * (data_offset - len(header)) + body + resource_map


def main():
    data = pipl()
    with open(sys.argv[1], "wb") as f:
        f.write(data)
    with open(sys.argv[2], "wb") as f:
        f.write(resource_file(b"PiPL", PIPL_RESOURCE_ID, data))


if __name__ == "__main__":
    main()
