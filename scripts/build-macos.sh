#!/usr/bin/env bash
# Cross-builds the macOS bundle build-macos/Kestrune.aip (a universal arm64 + x86_64
# Mach-O bundle) on Debian, with no Apple SDK: sets up what is missing
# (scripts/setup-macos.sh), then configures and builds the `macos` preset, whose make
# step compiles the panel's nib with GNUstep and builds and links the bundle. Prints
# the bundle's path.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/setup-macos.sh" "$root/build-macos/darwin-sdk" >&2
cd "$root"
cmake --preset macos >/dev/null
cmake --build --preset macos >&2
echo "$root/build-macos/Kestrune.aip"
