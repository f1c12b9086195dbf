#!/usr/bin/env python3
"""Tests the link-stub generator: what goes into a stub, and that an unknown symbol
stops the build."""
import os
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
TOOL = os.path.join(ROOT, "Mac", "build", "make_stubs.py")
LIBSYSTEM = """--- !tapi-tbd
tbd-version:     4
install-name:    '/usr/lib/libSystem.B.dylib'
exports:
  - targets:         [ x86_64-macos, arm64-macos ]
    symbols:         [ _fopen, _strlen, '_syslog$DARWIN_EXTSN' ]
...
"""
LISTS = {
    "libc++": ["# comment", "__Znwm", "__ZdlPv", "__ZNSt9exceptionD2Ev"],
    "libobjc": ["_objc_msgSend", "_OBJC_METACLASS_$_NSObject"],
    "Foundation": ["_OBJC_CLASS_$_NSString", "_OBJC_CLASS_$_NSDate"],
    "AppKit": ["_OBJC_CLASS_$_NSWindowController", "_OBJC_METACLASS_$_NSWindowController"],
    "CoreServices": ["_TECCreateConverter"],
}

passed = failed = 0


def check(condition, what, detail=""):
    global passed, failed
    print(("ok - " if condition else "not ok - ") + what + ("" if condition or not detail else ": " + detail))
    if condition:
        passed += 1
    else:
        failed += 1


def run(undefined, defined=()):
    work = tempfile.mkdtemp()
    lists = os.path.join(work, "lists")
    os.makedirs(lists)
    for name, lines in LISTS.items():
        with open(os.path.join(lists, name + ".symbols"), "w") as f:
            f.write("\n".join(lines) + "\n")
    with open(os.path.join(work, "libSystem.tbd"), "w") as f:
        f.write(LIBSYSTEM)
    with open(os.path.join(work, "a.undefined"), "w") as f:
        f.write("a.o:\n" + "\n".join(undefined) + "\n")
    with open(os.path.join(work, "a.defined"), "w") as f:
        f.write("\n".join(defined) + "\n")
    out = os.path.join(work, "stubs")
    result = subprocess.run([sys.executable, TOOL, lists, os.path.join(work, "libSystem.tbd"), out,
                             os.path.join(work, "a.undefined"), os.path.join(work, "a.defined")],
                            capture_output=True, text=True)
    stubs = {}
    if os.path.isdir(out):
        for name in os.listdir(out):
            with open(os.path.join(out, name)) as f:
                stubs[name[:-4]] = f.read()
    return result, stubs


result, stubs = run(["__Znwm", "_fopen", "_syslog$DARWIN_EXTSN", "_objc_msgSend", "_OBJC_METACLASS_$_NSObject",
                     "_OBJC_CLASS_$_NSString", "_OBJC_CLASS_$_NSWindowController",
                     "_OBJC_METACLASS_$_NSWindowController", "_TECCreateConverter", "_Local"], defined=["_Local"])
check(result.returncode == 0, "known symbols link", result.stderr)
check(sorted(stubs) == sorted(LISTS), "one stub per library, used or not")
check("'__Znwm'" in stubs.get("libc++", "") and "__ZdlPv" not in stubs.get("libc++", ""),
      "a stub holds the symbols used, not the whole list")
check("_fopen" not in "".join(stubs.values()), "libSystem's symbols stay with libSystem")
check("objc-classes:    [ NSString ]" in stubs.get("Foundation", "") and "NSDate" not in stubs.get("Foundation", ""),
      "a class used becomes an Objective-C class of its library")
check("objc-classes:    [ NSWindowController ]" in stubs.get("AppKit", ""),
      "a class and its metaclass make one class entry")
check("objc-classes:    [ NSObject ]" in stubs.get("libobjc", ""), "NSObject comes from libobjc")
check("install-name:    '/System/Library/Frameworks/AppKit.framework/Versions/C/AppKit'" in stubs.get("AppKit", ""),
      "AppKit's stub carries its install name")
check("_Local" not in "".join(stubs.values()), "a symbol another object defines is not looked up")

result, stubs = run(["__Znwm", "_NSBeep", "_OBJC_CLASS_$_NSAlert"])
check(result.returncode != 0 and "_NSBeep" in result.stderr and "_OBJC_CLASS_$_NSAlert" in result.stderr,
      "an unknown symbol stops the build and is named", result.stderr)
check(not stubs, "no stub is written when a symbol is unknown")

print("link stubs: %d passed, %d failed" % (passed, failed))
sys.exit(0 if failed == 0 else 1)
