#!/usr/bin/env bash
# Cross-builds the macOS bundle build-macos/Kestrune.aip (a universal arm64 + x86_64
# Mach-O bundle) on Debian, with no Apple SDK: installs what it needs, compiles the
# panel's nib with GNUstep, then builds and links the bundle. Prints the bundle's path.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$root/build-macos"
jobs="$(nproc)"

bash "$root/scripts/setup-macos.sh" "$out/darwin-sdk" >&2

# The nib: the xib loaded and archived by GNUstep, which needs a display.
make -s -f "$root/Mac/build/gnustep.mk" ROOT="$root" OUT="$out" write_nib >&2
nib="$out/nib/Kestrune_ProgressPanel.nib"
xib="$root/Mac/Kestrune_ProgressPanel.xib"
if [ ! -f "$nib" ] || [ "$xib" -nt "$nib" ] || [ "$out/gnustep/write_nib" -nt "$nib" ]; then
  mkdir -p "$out/nib"
  rm -f "$nib"
  bash "$root/tests/macos/with-xvfb.sh" 60 "$out/gnustep/write_nib" "$xib" "$nib" 2>&1 \
    | grep -v -e 'Failed to determine offsets' -e "can't be found" >&2 || true
  [ -f "$nib" ] || { echo "error: the nib was not written" >&2; exit 1; }
fi

make -s -j "$jobs" -f "$root/Mac/build/bundle.mk" ROOT="$root" OUT="$out" \
  SDK="$out/darwin-sdk/package" NIB="$nib" >&2
echo "$out/Kestrune.aip"
