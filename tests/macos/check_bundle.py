#!/usr/bin/env python3
"""Structural checks of the built macOS bundle, everything short of running it.

usage: check_bundle.py BUNDLE [LLVM_VERSION]
Prints one line per check and a closing "N passed, N failed"; exits 1 on a failure.
"""
import hashlib
import os
import plistlib
import re
import struct
import subprocess
import sys

BUNDLE = sys.argv[1]
LLVM = sys.argv[2] if len(sys.argv) > 2 else "14"
BINARY = os.path.join(BUNDLE, "Contents", "MacOS", "Kestrune")
RESOURCES = os.path.join(BUNDLE, "Contents", "Resources")
DSYM = BUNDLE.rstrip("/") + ".dSYM"
DSYM_BINARY = os.path.join(DSYM, "Contents", "Resources", "DWARF", "Kestrune")
ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")


def product_version():
    """The project's version (CMakeLists.txt), the one place it lives."""
    with open(os.path.join(ROOT, "CMakeLists.txt")) as f:
        return re.search(r'^project\(Kestrune VERSION ([0-9]+\.[0-9]+) ', f.read(), re.M).group(1)


ARCHS = ["arm64", "x86_64"]

EXPECTED_FILES = {
    "Contents/Info.plist",
    "Contents/PkgInfo",
    "Contents/MacOS/Kestrune",
    "Contents/Resources/Kestrune_ProgressPanel.nib",
    "Contents/Resources/pipl/plugin.pipl",
    "Contents/Resources/Kestrune.rsrc",
}
EXPECTED_LIBRARIES = [
    "/usr/lib/libc++.1.dylib",
    "/usr/lib/libobjc.A.dylib",
    "/System/Library/Frameworks/Foundation.framework/Versions/C/Foundation",
    "/System/Library/Frameworks/AppKit.framework/Versions/C/AppKit",
    "/System/Library/Frameworks/CoreServices.framework/Versions/A/CoreServices",
    "/usr/lib/libSystem.B.dylib",
]
EXPECTED_METHODS = ["initWithWindowNibName:", "awakeFromNib", "dialogAbort:", "Kestrune_SetProgressPercent:",
                    "Kestrune_SetProgressMessage:", "IsAborted"]
EXPECTED_IVARS = [("progress_message", '@"NSTextField"'), ("progress_indicator", '@"NSProgressIndicator"'),
                  ("abort_button", '@"NSButton"'), ("_aborted", "s"), ("_percent", "i")]
# The Windows property list with the macOS code descriptor "mi32" in place of "wx86".
EXPECTED_PIPL = bytes.fromhex(
    "00000001 00000000 00000004"
    " 41444245 69767273 00000000 00000004 00000002"
    " 41444245 6d693332 00000000 00000000"
    " 41444245 6b696e64 00000000 00000004 53504541"
    " 41444245 70696e6d 00000000 0000000c 4b657374 72756e65 00000000".replace(" ", ""))
EXPECTED_INFO = {
    "CFBundleDevelopmentRegion": "en",
    "CFBundleExecutable": "Kestrune",
    "CFBundleIdentifier": "com.kestrune.illustrator.Kestrune",
    "CFBundleInfoDictionaryVersion": "6.0",
    "CFBundleName": "Kestrune",
    "CFBundlePackageType": "ARPI",
    "CFBundleShortVersionString": product_version(),
    "CFBundleSignature": "ART5",
    "CFBundleSupportedPlatforms": ["MacOSX"],
    "CFBundleVersion": product_version(),
    "LSMinimumSystemVersion": "12.0",
}

passed = failed = 0


def check(condition, what, detail=""):
    global passed, failed
    if condition:
        passed += 1
        print("ok - " + what)
    else:
        failed += 1
        print("not ok - " + what + (": " + detail if detail else ""))


def tool(name, *args):
    return subprocess.run(["%s-%s" % (name, LLVM)] + list(args), capture_output=True, text=True, check=True).stdout


def objdump(arch, *args):
    return tool("llvm-objdump", "--macho", "--arch=" + arch, *args, BINARY)


def check_files():
    found = set()
    for directory, _, files in os.walk(BUNDLE):
        for name in files:
            found.add(os.path.relpath(os.path.join(directory, name), BUNDLE))
    check(found == EXPECTED_FILES, "the bundle holds exactly its six files", "found %s" % sorted(found))


def check_architectures():
    info = tool("llvm-lipo", "-info", BINARY)
    check(info.startswith("Architectures in the fat file") and sorted(info.split(":")[-1].split()) == sorted(ARCHS),
          "the executable is universal: arm64 and x86_64", info.strip())


def check_slice(arch):
    header = objdump(arch, "--private-header")
    check(re.search(r"\bBUNDLE\b", header) is not None, "%s: the file type is MH_BUNDLE" % arch, header)
    check("TWOLEVEL" in header and "NOUNDEFS" in header, "%s: two-level namespace, no undefined references" % arch)
    check(len(re.findall(r"cmd LC_UUID\b", objdump(arch, "--private-headers"))) == 1, "%s: carries a UUID" % arch)

    commands = objdump(arch, "--private-headers")
    build = re.search(r"cmd LC_BUILD_VERSION.*?platform (\S+).*?minos (\S+)", commands, re.S)
    check(build is not None and build.group(1) == "macos" and build.group(2) == "12.0",
          "%s: built for macOS 12.0 and later" % arch)

    exports = [line.split()[-1] for line in objdump(arch, "--exports-trie").splitlines() if line.startswith("0x")]
    check(exports == ["_PluginMain"], "%s: _PluginMain is the only export" % arch, str(exports))

    libraries = [line.strip().split(" (compatibility")[0] for line in objdump(arch, "--dylibs-used").splitlines()[1:]]
    check(libraries == EXPECTED_LIBRARIES, "%s: loads exactly libc++, libobjc, Foundation, AppKit, CoreServices, "
          "libSystem" % arch, str(libraries))

    # Exceptions unwind through the compact unwind table: both personalities must be
    # in it, each bound to the library that provides it.
    binds = {}
    for line in objdump(arch, "--bind").splitlines():
        fields = line.split()
        if len(fields) >= 6 and fields[2].startswith("0x"):
            binds[int(fields[2], 16)] = (fields[-2], fields[-1])
    personalities = [binds.get(int(address, 16)) for address in
                     re.findall(r"personality\[\d+\]: (0x[0-9a-fA-F]+)", objdump(arch, "--unwind-info"))]
    check(sorted(p for p in personalities if p) == [("libc++", "___gxx_personality_v0"),
                                                    ("libobjc", "___objc_personality_v0")]
          and len(personalities) == 2,
          "%s: the unwind table names the C++ and Objective-C personalities" % arch, str(personalities))

    # One image-info record (version, flags), as Apple's linker writes it, not one per
    # object file.
    sections = re.findall(r"^\s*\d+ (\S+)\s+([0-9a-f]{8})\s", objdump(arch, "--section-headers"), re.M)
    sizes = [int(size, 16) for name, size in sections if name == "__objc_imageinfo"]
    check(sizes == [8], "%s: one 8-byte Objective-C image-info record" % arch, str(sizes))

    # Stripped: nothing of its own but the entry point is named, no debugging map.
    symbols = tool("llvm-nm", "--arch=" + arch, "-a", BINARY).splitlines()
    defined = [line.split()[-1] for line in symbols if len(line.split()) == 3 and line.split()[1] != "U"]
    check(defined == ["_PluginMain"], "%s: stripped to its one exported symbol" % arch, str(defined[:10]))

    meta = objdump(arch, "--objc-meta-data")
    # The class list by its entries and the class by the name its read-only data
    # holds: the stripped file names no symbol of its own.
    classlist = re.search(r"Contents of \(__DATA\w*,__objc_classlist\) section\n(.*?)(?=^Contents of|\Z)", meta,
                          re.S | re.M)
    entries = re.findall(r"^[0-9a-f]{16} 0x[0-9a-f]+", classlist.group(1), re.M) if classlist else []
    first_class = meta.split("Meta Class")[0]
    name = re.search(r"ivarLayout \S+\n\s+name 0x\S+ (\S+)", first_class)
    classes = [name.group(1)] * len(entries) if name else entries
    check(classes == ["Kestrune_ProgressPanel"], "%s: defines the one class Kestrune_ProgressPanel" % arch,
          str(classes))
    superclass = re.search(r"superclass \S+ (\S+)", first_class)
    check(superclass is not None and superclass.group(1) == "_OBJC_CLASS_$_NSWindowController",
          "%s: its superclass is NSWindowController" % arch)
    methods = re.findall(r"^\s+name 0x\S+ (\S+)\n\s+types", first_class, re.M)
    check(methods == EXPECTED_METHODS, "%s: its six methods, in order" % arch, str(methods))
    ivars = re.findall(r"^\s+name 0x\S+ (\S+)\n\s+type 0x\S+ (\S+)", first_class, re.M)
    check(ivars == EXPECTED_IVARS, "%s: its outlets and instance variables with their types" % arch, str(ivars))


def fat_slices(data):
    magic, count = struct.unpack(">II", data[:8])
    assert magic == 0xCAFEBABE
    slices = {}
    for i in range(count):
        cputype, _, offset, size, _ = struct.unpack(">iiIII", data[8 + 20 * i:28 + 20 * i])
        slices[{0x0100000C: "arm64", 0x01000007: "x86_64"}.get(cputype, hex(cputype))] = data[offset:offset + size]
    return slices


def code_signature(macho):
    ncmds = struct.unpack("<I", macho[16:20])[0]
    offset = 32
    for _ in range(ncmds):
        cmd, size = struct.unpack("<II", macho[offset:offset + 8])
        if cmd == 0x1D:  # LC_CODE_SIGNATURE
            data_offset, data_size = struct.unpack("<II", macho[offset + 8:offset + 16])
            return data_offset, macho[data_offset:data_offset + data_size]
        offset += size
    return None, None


def check_signatures():
    slices = fat_slices(open(BINARY, "rb").read())
    for arch in ARCHS:
        check_signature(arch, slices.get(arch))


def check_signature(arch, macho):
    data_offset, blob = code_signature(macho)
    check(blob is not None, "%s: carries a code signature" % arch)
    if blob is None:
        return
    magic, _, count = struct.unpack(">III", blob[:12])
    directory = None
    for i in range(count):
        kind, offset = struct.unpack(">II", blob[12 + 8 * i:20 + 8 * i])
        if kind == 0 and struct.unpack(">I", blob[offset:offset + 4])[0] == 0xFADE0C02:
            directory = blob[offset:]
    check(magic == 0xFADE0CC0 and directory is not None, "%s: the signature holds a code directory" % arch)
    if directory is None:
        return
    (_, _, _, flags, hash_offset, ident_offset, _, code_slots, code_limit, hash_size, hash_type, _, page_shift
     ) = struct.unpack(">IIIIIIIIIBBBB", directory[:40])
    identifier = directory[ident_offset:directory.index(b"\0", ident_offset)].decode()
    check(flags & 0x2 and hash_type == 2 and hash_size == 32, "%s: an ad-hoc SHA-256 signature" % arch,
          "flags %#x, hash type %d" % (flags, hash_type))
    check(code_limit == data_offset, "%s: the signature covers the whole slice up to itself" % arch,
          "limit %d, signature at %d" % (code_limit, data_offset))
    page = 1 << page_shift
    bad = [i for i in range(code_slots)
           if hashlib.sha256(macho[i * page:min((i + 1) * page, code_limit)]).digest()
           != directory[hash_offset + 32 * i:hash_offset + 32 * (i + 1)]]
    check(code_slots == (code_limit + page - 1) // page and not bad,
          "%s: every page hash matches the file (%d pages, identifier %s)" % (arch, code_slots, identifier),
          "mismatching pages %s" % bad[:10])


def check_dsym():
    """The symbols and debugging information beside the bundle belong to its slices."""
    check(os.path.isfile(DSYM_BINARY), "the dSYM lies beside the bundle")
    if not os.path.isfile(DSYM_BINARY):
        return
    for arch in ARCHS:
        uuids = [tool("llvm-dwarfdump", "--uuid", "--arch=" + arch, path).split()[1] for path in (BINARY, DSYM_BINARY)]
        check(uuids[0] == uuids[1], "%s: the dSYM carries the slice's UUID" % arch, str(uuids))
        found = tool("llvm-dwarfdump", "--arch=" + arch, "--name=goNotifier", DSYM_BINARY)
        check("DW_TAG_subprogram" in found, "%s: the dSYM describes the plug-in's functions" % arch)


def check_property_lists():
    with open(os.path.join(BUNDLE, "Contents", "Info.plist"), "rb") as f:
        info = plistlib.load(f)
    check(info == EXPECTED_INFO, "Info.plist names the executable, the plug-in package type and macOS 12",
          str(info))
    with open(os.path.join(BUNDLE, "Contents", "PkgInfo"), "rb") as f:
        check(f.read() == b"ARPIART5", "PkgInfo reads ARPIART5")
    with open(os.path.join(RESOURCES, "pipl", "plugin.pipl"), "rb") as f:
        pipl = f.read()
    check(pipl == EXPECTED_PIPL, "plugin.pipl holds ivrs 2, mi32, kind SPEA, pinm Kestrune, byte for byte",
          pipl.hex())
    with open(os.path.join(RESOURCES, "Kestrune.rsrc"), "rb") as f:
        check(resource(f.read(), b"PiPL", 16000) == EXPECTED_PIPL, "Kestrune.rsrc holds the same list as 'PiPL' 16000")


def resource(data, type_code, resource_id):
    data_offset, map_offset = struct.unpack(">II", data[:8])
    type_list = map_offset + struct.unpack(">H", data[map_offset + 24:map_offset + 26])[0]
    types = struct.unpack(">H", data[type_list:type_list + 2])[0] + 1
    for t in range(types):
        entry = type_list + 2 + 8 * t
        code, count, references = struct.unpack(">4sHH", data[entry:entry + 8])
        for r in range(count + 1):
            ref = type_list + references + 12 * r
            rid, _, attributes_and_offset = struct.unpack(">hhI", data[ref:ref + 8])
            if code == type_code and rid == resource_id:
                start = data_offset + (attributes_and_offset & 0xFFFFFF)
                length = struct.unpack(">I", data[start:start + 4])[0]
                return data[start + 4:start + 4 + length]
    return None


def check_nib():
    with open(os.path.join(RESOURCES, "Kestrune_ProgressPanel.nib"), "rb") as f:
        archive = plistlib.load(f)
    check(archive.get("$archiver") == "NSKeyedArchiver" and set(archive.get("$top", {})) ==
          {"IB.objectdata", "IB.systemFontUpdateVersion"}, "the nib is a keyed archive with a nib's two top keys")
    objects = archive.get("$objects", [])

    def class_of(item):
        ref = item.get("$class") if isinstance(item, dict) else None
        return objects[ref.data].get("$classname") if ref is not None else None

    root = objects[archive["$top"]["IB.objectdata"].data]
    check(class_of(root) == "NSIBObjectData", "its root object is NSIBObjectData")
    labels = {}
    for item in objects:
        if class_of(item) in ("NSNibOutletConnector", "NSNibControlConnector"):
            labels[objects[item["NSLabel"].data]] = class_of(item)
    check(labels == {"window": "NSNibOutletConnector", "progress_message": "NSNibOutletConnector",
                     "progress_indicator": "NSNibOutletConnector", "abort_button": "NSNibOutletConnector",
                     "dialogAbort:": "NSNibControlConnector"},
          "it connects the window, the three outlets and the action dialogAbort:", str(labels))
    classes = {class_of(item) for item in objects}
    check({"NSWindowTemplate", "NSTextField", "NSProgressIndicator", "NSButton", "NSCustomObject"} <= classes,
          "it holds the window, the message line, the bar and the button")
    owner = [item for item in objects if class_of(item) == "NSCustomObject" and
             objects[item["NSClassName"].data] == "Kestrune_ProgressPanel"]
    check(len(owner) == 1, "its owner is a Kestrune_ProgressPanel")
    fonts = {objects[item["NSName"].data] for item in objects if class_of(item) == "NSFont"}
    check(fonts == {".AppleSystemUIFont"}, "its controls use the system font", str(fonts))


def main():
    check(os.path.isfile(BINARY), "the bundle has its executable")
    if not os.path.isfile(BINARY):
        print("%d passed, %d failed" % (passed, failed))
        return 1
    for step in [check_files, check_architectures] + [lambda a=a: check_slice(a) for a in ARCHS] + \
            [check_signatures, check_dsym, check_property_lists, check_nib]:
        try:
            step()
        except Exception as error:  # a malformed file is a failed check, not a crash
            check(False, "%s ran" % getattr(step, "__name__", "a check"), repr(error))
    print("bundle: %d passed, %d failed" % (passed, failed))
    return 0 if failed == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
