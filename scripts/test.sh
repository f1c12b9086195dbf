#!/usr/bin/env bash
# Sets up a fresh Debian machine, then builds and runs every test: GCC (preset linux),
# Clang and libc++ (preset linux-clang), the macOS bundle's checks and the Windows
# build under Wine. With --sanitize it runs the AddressSanitizer/UBSan build (preset
# linux-sanitize) instead.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/setup-debian.sh"
presets=(linux linux-clang)
if [ "${1:-}" = "--sanitize" ]; then presets=(linux-sanitize); fi
cd "$root"
for preset in "${presets[@]}"; do
  echo "== $preset"
  bash "$root/scripts/build.sh" "$preset" >/dev/null
  ctest --preset "$preset" </dev/null
done

if [ "${1:-}" != "--sanitize" ]; then
  # The macOS bundle: cross-built here, its structure checked and its panel run on GNUstep.
  bash "$root/scripts/test-macos.sh"
  # The Windows deliverables: cross-built here, their tests run under Wine.
  bash "$root/scripts/test-windows.sh"
fi
