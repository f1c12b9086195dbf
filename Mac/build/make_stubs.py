#!/usr/bin/env python3
"""Writes the link stubs (.tbd) for the system libraries the bundle loads.

Each stub holds only the symbols the objects actually use, taken from the list of
what that library provides (Mac/link/<library>.symbols). A used symbol that neither
libSystem nor any list provides stops the build: a new dependency on the system is
then a reviewed line in a list, never a guess of the linker.

usage: make_stubs.py LISTS_DIR LIBSYSTEM_TBD OUT_DIR UNDEFINED_FILE...
An UNDEFINED_FILE holds `llvm-nm -j -u` output, a DEFINED file (name ending in
.defined) `llvm-nm -j --defined-only` output; symbols defined by any object are not
looked up.
"""
import os
import re
import sys

# Library file -> (install name, current version, compatibility version)
LIBRARIES = {
    "libc++": ("/usr/lib/libc++.1.dylib", "1300.36", "1"),
    "libobjc": ("/usr/lib/libobjc.A.dylib", "228", "1"),
    "Foundation": ("/System/Library/Frameworks/Foundation.framework/Versions/C/Foundation", "1858", "300"),
    "AppKit": ("/System/Library/Frameworks/AppKit.framework/Versions/C/AppKit", "2113", "45"),
    "CoreServices": ("/System/Library/Frameworks/CoreServices.framework/Versions/A/CoreServices", "1141", "1"),
}
TARGETS = "[ x86_64-macos, arm64-macos ]"
CLASS_PREFIXES = ("_OBJC_CLASS_$_", "_OBJC_METACLASS_$_")


def read_list(path):
    with open(path) as f:
        return {line.strip() for line in f if line.strip() and not line.startswith("#")}


def libsystem_symbols(path):
    found = set()
    for quoted, bare in re.findall(r"'([^']+)'|([_A-Za-z][A-Za-z0-9_$.]*)", open(path).read()):
        found.add(quoted or bare)
    return found


def main():
    lists_dir, libsystem, out_dir = sys.argv[1:4]
    undefined, defined = set(), set()
    for path in sys.argv[4:]:
        target = defined if path.endswith(".defined") else undefined
        with open(path) as f:
            target.update(line.strip() for line in f if line.strip() and not line.strip().endswith(":"))
    used = undefined - defined
    system = libsystem_symbols(libsystem)
    lists = {name: read_list(os.path.join(lists_dir, name + ".symbols")) for name in LIBRARIES}

    chosen = {name: set() for name in LIBRARIES}
    unknown = []
    for symbol in sorted(used):
        owners = [name for name, provided in lists.items() if symbol in provided]
        if owners:
            chosen[owners[0]].add(symbol)
        elif symbol not in system:
            unknown.append(symbol)
    if unknown:
        sys.stderr.write("error: no system library is known to provide these symbols; add each to the list\n"
                         "of the library that exports it (Mac/link/<library>.symbols) after checking:\n")
        for symbol in unknown:
            sys.stderr.write("  " + symbol + "\n")
        return 1

    os.makedirs(out_dir, exist_ok=True)
    for name, (install_name, current, compatibility) in LIBRARIES.items():
        symbols = sorted(s for s in chosen[name] if not s.startswith(CLASS_PREFIXES))
        classes = sorted({s.split("$_", 1)[1] for s in chosen[name] if s.startswith(CLASS_PREFIXES)})
        lines = ["--- !tapi-tbd", "tbd-version:     4", "targets:         " + TARGETS,
                 "install-name:    '%s'" % install_name, "current-version: " + current,
                 "compatibility-version: " + compatibility]
        if symbols or classes:
            lines += ["exports:", "  - targets:         " + TARGETS]
            if symbols:
                lines.append("    symbols:         [ %s ]" % ", ".join("'%s'" % s for s in symbols))
            if classes:
                lines.append("    objc-classes:    [ %s ]" % ", ".join(classes))
        lines.append("...")
        with open(os.path.join(out_dir, name + ".tbd"), "w") as f:
            f.write("\n".join(lines) + "\n")
    return 0


if __name__ == "__main__":
    sys.exit(main())
