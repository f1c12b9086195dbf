#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds everything and runs every test.
# With --sanitize the same tests run in the AddressSanitizer/UBSan build.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/setup-debian.sh"
build_dir="$(bash "$root/scripts/build.sh" "$@" | tail -n 1)"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)" </dev/null

# The macOS bundle: cross-built here, its structure checked and its panel run on GNUstep.
if [ "${1:-}" != "--sanitize" ]; then
  bash "$root/scripts/test-macos.sh"
fi
