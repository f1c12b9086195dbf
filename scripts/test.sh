#!/usr/bin/env bash
# Sets up a fresh Debian machine, then builds and runs every test with GCC (preset
# linux) and with Clang and libc++ (preset linux-clang). With --sanitize it runs the
# AddressSanitizer/UBSan build (preset linux-sanitize) instead.
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

# The macOS bundle: cross-built here, its structure checked and its panel run on GNUstep.
if [ "${1:-}" != "--sanitize" ]; then
  bash "$root/scripts/test-macos.sh"
fi
