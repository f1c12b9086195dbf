"""Reads Kestrune.aip back: its export table, what it imports and runs on every
thread, the plug-in property list resource and the progress dialog template, byte
for byte, its version, and the symbols kept beside it.

usage: plugin_binary_test.py KESTRUNE.AIP NM"""
import os
import re
import struct
import subprocess
import sys
import unittest
import zlib

import pefile

PLUGIN = None
NM = None
ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")

RT_DIALOG = 5
JAPANESE = 0x0411

PIPL = bytes.fromhex(
    "00000001 00000000 00000004"
    " 41444245 69767273 00000000 00000004 00000002"
    " 41444245 77783836 00000000 00000000"
    " 41444245 6b696e64 00000000 00000004 53504541"
    " 41444245 70696e6d 00000000 0000000c 4b657374 72756e65 00000000")


def symbols(path):
    """{address: name} of the functions in a file's symbol table."""
    listing = subprocess.run([NM, path], capture_output=True, text=True, check=True).stdout
    found = {}
    for line in listing.splitlines():
        fields = line.split()
        if len(fields) == 3 and fields[1] in "Tt":
            found[int(fields[0], 16)] = fields[2]
    return found


def resources(pe):
    """{(type, name, language): bytes} with string types and names as str."""
    found = {}
    for type_entry in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        type_key = str(type_entry.name) if type_entry.name is not None else type_entry.id
        for name_entry in type_entry.directory.entries:
            name_key = str(name_entry.name) if name_entry.name is not None else name_entry.id
            for language_entry in name_entry.directory.entries:
                data = language_entry.data.struct
                found[(type_key, name_key, language_entry.id)] = pe.get_data(data.OffsetToData, data.Size)
    return found


class Reader:
    """Walks a classic dialog template."""

    def __init__(self, data):
        self.data = data
        self.at = 0

    def take(self, fmt):
        values = struct.unpack_from("<" + fmt, self.data, self.at)
        self.at += struct.calcsize("<" + fmt)
        return values if len(values) > 1 else values[0]

    def sz_or_ordinal(self):
        first = self.take("H")
        if first == 0xFFFF:
            return self.take("H")
        if first == 0:
            return ""
        units = [first]
        while True:
            unit = self.take("H")
            if unit == 0:
                break
            units.append(unit)
        return struct.pack("<%dH" % len(units), *units).decode("utf-16-le")

    def align(self):
        self.at = (self.at + 3) & ~3


def parse_dialog(data):
    r = Reader(data)
    style, exstyle, count, x, y, cx, cy = r.take("IIHhhhh")
    dialog = dict(style=style, exstyle=exstyle, rect=(x, y, cx, cy))
    dialog["menu"] = r.sz_or_ordinal()
    dialog["class"] = r.sz_or_ordinal()
    dialog["caption"] = r.sz_or_ordinal()
    dialog["point_size"] = r.take("H")
    dialog["face"] = r.sz_or_ordinal()
    items = []
    for _ in range(count):
        r.align()
        istyle, iexstyle, ix, iy, icx, icy, iid = r.take("IIhhhhH")
        item = dict(style=istyle, exstyle=iexstyle, rect=(ix, iy, icx, icy), id=iid)
        item["class"] = r.sz_or_ordinal()
        item["text"] = r.sz_or_ordinal()
        extra = r.take("H")
        r.at += extra
        items.append(item)
    dialog["items"] = items
    return dialog


class PluginBinaryTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.pe = pefile.PE(PLUGIN)
        cls.resources = resources(cls.pe)

    def test_is_a_64_bit_dll(self):
        self.assertTrue(self.pe.is_dll())
        self.assertEqual(self.pe.FILE_HEADER.Machine, pefile.MACHINE_TYPE["IMAGE_FILE_MACHINE_AMD64"])

    def test_exports_plugin_main_and_nothing_else(self):
        names = [symbol.name for symbol in self.pe.DIRECTORY_ENTRY_EXPORT.symbols]
        self.assertEqual(names, [b"PluginMain"])

    def test_imports_only_system_dlls(self):
        imported = sorted(entry.dll.decode().upper() for entry in self.pe.DIRECTORY_ENTRY_IMPORT)
        self.assertTrue(set(imported) <= {"KERNEL32.DLL", "USER32.DLL", "GDI32.DLL", "MSVCRT.DLL"}, imported)

    def test_adds_nothing_process_wide(self):
        # A thread library linked in would install an exception handler for the whole
        # host process and stop or resume the host's threads.
        functions = {imported.name.decode() for entry in self.pe.DIRECTORY_ENTRY_IMPORT
                     for imported in entry.imports if imported.name}
        for name in ["AddVectoredExceptionHandler", "AddVectoredContinueHandler", "SetUnhandledExceptionFilter",
                     "SuspendThread", "ResumeThread", "CreateThread", "SetThreadContext"]:
            self.assertNotIn(name, functions)
        # What runs on every thread the host starts or ends: the C runtime's own pair
        # and nothing else.
        tls = self.pe.DIRECTORY_ENTRY_TLS.struct
        table = tls.AddressOfCallBacks - self.pe.OPTIONAL_HEADER.ImageBase
        callbacks = []
        while self.pe.get_qword_at_rva(table + 8 * len(callbacks)):
            callbacks.append(self.pe.get_qword_at_rva(table + 8 * len(callbacks)))
        names = symbols(PLUGIN + ".debug")
        self.assertEqual(sorted(names.get(address, hex(address)) for address in callbacks),
                         ["__dyn_tls_dtor", "__dyn_tls_init"])

    def test_is_stripped_with_its_symbols_kept_beside_it(self):
        self.assertEqual(self.pe.FILE_HEADER.NumberOfSymbols, 0)
        # Every debugging section has a long name (".debug_info"), kept in the string
        # table as "/N"; the only one left is the debug link, which names the file
        # beside the DLL and its checksum.
        long_named = [section for section in self.pe.sections if section.Name.startswith(b"/")]
        self.assertEqual(len(long_named), 1, [section.Name for section in long_named])
        data = long_named[0].get_data()
        name = data[:data.index(b"\0")].decode()
        self.assertEqual(name, os.path.basename(PLUGIN) + ".debug")
        crc = struct.unpack_from("<I", data, (len(name) + 4) & ~3)[0]
        with open(PLUGIN + ".debug", "rb") as f:
            self.assertEqual(crc, zlib.crc32(f.read()) & 0xFFFFFFFF)
        self.assertIn("PluginMain", symbols(PLUGIN + ".debug").values())
        self.assertLess(os.path.getsize(PLUGIN), 1024 * 1024, "the shipped DLL carries no debugging information")

    def test_version_resource_holds_the_product_version(self):
        with open(os.path.join(ROOT, "CMakeLists.txt")) as f:
            text = re.search(r'^project\(Kestrune VERSION (\d+)\.(\d+) ', f.read(), re.M)
        major, minor = int(text.group(1)), int(text.group(2))
        fixed = self.pe.VS_FIXEDFILEINFO[0]
        self.assertEqual((fixed.FileVersionMS, fixed.FileVersionLS), (major << 16 | minor, 0))
        self.assertEqual((fixed.ProductVersionMS, fixed.ProductVersionLS), (major << 16 | minor, 0))
        self.assertEqual(fixed.FileType, 2)  # a DLL
        strings = {}
        for info in self.pe.FileInfo[0]:
            for table in getattr(info, "StringTable", []):
                strings.update({k.decode(): v.decode() for k, v in table.entries.items()})
        version = "%s.%s" % (text.group(1), text.group(2))
        self.assertEqual(strings.get("ProductVersion"), version)
        self.assertEqual(strings.get("FileVersion"), version)
        self.assertEqual(strings.get("ProductName"), "Kestrune")
        self.assertEqual(strings.get("OriginalFilename"), os.path.basename(PLUGIN))

    def test_property_list_is_exactly_the_hosts_format(self):
        self.assertEqual(len(PIPL), 96)
        self.assertIn(("PIPL", "PLUGIN", JAPANESE), self.resources)
        self.assertEqual(self.resources[("PIPL", "PLUGIN", JAPANESE)], PIPL)

    def test_progress_dialog_template(self):
        self.assertIn((RT_DIALOG, 16207, JAPANESE), self.resources)
        dialog = parse_dialog(self.resources[(RT_DIALOG, 16207, JAPANESE)])
        self.assertEqual(dialog["style"], 0x90C000C0)
        self.assertEqual(dialog["exstyle"], 0)
        self.assertEqual(dialog["rect"], (20, 20, 220, 70))
        self.assertEqual(dialog["menu"], "")
        self.assertEqual(dialog["class"], "")
        self.assertEqual(dialog["caption"], "進捗状況")
        self.assertEqual(dialog["point_size"], 9)
        self.assertEqual(dialog["face"], "Meiryo UI")
        expected = [
            dict(id=2, cls=0x0080, text="中断", style=0x50010000, rect=(160, 50, 50, 14)),
            dict(id=3, cls=0x0082, text="ラベル", style=0x50020000, rect=(10, 10, 200, 8)),
            dict(id=4, cls=0x0082, text="", style=0x5000000D, rect=(10, 20, 200, 15)),
        ]
        self.assertEqual(len(dialog["items"]), len(expected))
        for item, want in zip(dialog["items"], expected):
            with self.subTest(control=want["id"]):
                self.assertEqual(item["id"], want["id"])
                self.assertEqual(item["class"], want["cls"])
                self.assertEqual(item["text"], want["text"])
                self.assertEqual(item["style"], want["style"])
                self.assertEqual(item["exstyle"], 0)
                self.assertEqual(item["rect"], want["rect"])


if __name__ == "__main__":
    PLUGIN = sys.argv.pop(1)
    NM = sys.argv.pop(1)
    unittest.main()
