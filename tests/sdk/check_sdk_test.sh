#!/usr/bin/env bash
# scripts/check-sdk.sh against stand-in vendor headers written here: a table laid out
# as host/ declares it is the same on both platforms, a member one slot off is one
# difference, and a folder without headers is refused. The stand-ins include nothing,
# so plain Clang compiles the probe for both targets.
set -uo pipefail
root="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export CXX_WINDOWS="clang++-14 -target x86_64-w64-mingw32"
export CXX_MACOS="clang++-14 -target x86_64-apple-macos12"
failures=0
expect() {  # expect WHAT TEXT FILE
  if ! grep -qxF -- "$2" "$3"; then
    echo "FAIL: $1: no line \"$2\" in:"
    cat "$3"
    failures=$((failures + 1))
  fi
}

mkdir -p "$work/right/illustrator" "$work/moved" "$work/empty"
cat >"$work/right/illustrator/AIContext.h" <<'H'
struct HWND__;
typedef struct { int (*GetPlatformAppWindow)(struct HWND__** appWindow); } AIAppContextSuite;
H
# The File Path suite has two members of its own on macOS before GetFileName.
{
  echo 'struct AIFilePathSuite {'
  for m in NewFilePath DeleteFilePath Copy IsEmpty MakeEmpty Equal LessThan StartsWithDelimiter EndsWithDelimiter \
    AddComponent RemoveComponent AddExtension RemoveExtension Exists Resolve Set SetFromSPFileRef; do
    echo "  void (*$m)(void);"
  done
  echo '#ifdef MAC_ENV'
  echo '  void (*SetFromCFString)(void); void (*SetFromCFURL)(void);'
  echo '#endif'
  for m in GetFileName GetFileNameNoExt GetFileExtension GetFullPath GetDirectory; do echo "  void (*$m)(void);"; done
  echo '};'
} >"$work/right/illustrator/AIFilePath.h"
cp -r "$work/right/." "$work/moved/"
cat >"$work/moved/AIDocumentList.h" <<'H'
struct AIDocumentListSuite { void (*Count)(void); void (*Reserved)(void); void (*GetNthDocument)(void); };
H

bash "$root/scripts/check-sdk.sh" "$work/right" >"$work/right.out" 2>&1
status=$?
[ "$status" -eq 0 ] || { echo "FAIL: a right table exits $status"; cat "$work/right.out"; failures=$((failures + 1)); }
expect "right" "windows AIAppContextSuite.GetPlatformAppWindow slot 0: same" "$work/right.out"
expect "right" "windows AIFilePathSuite.GetFileName slot 17: same" "$work/right.out"
expect "right" "macos AIFilePathSuite.GetFileName slot 19: same" "$work/right.out"
expect "right" "macos AIFilePathSuite.SetFromCFURL slot 18: same" "$work/right.out"
expect "right" "windows AIUserSuite.MessageAlert slot 47: not in the SDK's headers" "$work/right.out"
expect "right" "0 differences" "$work/right.out"

bash "$root/scripts/check-sdk.sh" "$work/moved" windows >"$work/moved.out" 2>&1
status=$?
[ "$status" -eq 1 ] || { echo "FAIL: a moved member exits $status"; cat "$work/moved.out"; failures=$((failures + 1)); }
expect "moved" "windows AIDocumentListSuite.GetNthDocument slot 1: the SDK has 2" "$work/moved.out"
expect "moved" "windows AIAppContextSuite.GetPlatformAppWindow slot 0: same" "$work/moved.out"
expect "moved" "windows AIDocumentListSuite.Close slot 6: not in the SDK's headers" "$work/moved.out"
[ "$(tail -n 1 "$work/moved.out")" = "1 differences" ] || { echo "FAIL: the count is not the last line"; failures=$((failures + 1)); }

bash "$root/scripts/check-sdk.sh" "$work/empty" >"$work/empty.out" 2>&1
status=$?
[ "$status" -eq 2 ] || { echo "FAIL: a folder without headers exits $status"; failures=$((failures + 1)); }

[ "$failures" -eq 0 ] && echo "check-sdk: all cases passed"
exit $((failures > 0))
