#!/usr/bin/env bash
# Configures and builds one preset (default: linux, into build/) and prints its build
# folder. ccache is used when the machine has it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
preset="${1:-linux}"
launcher=()
if command -v ccache >/dev/null 2>&1; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cd "$root"
cmake --preset "$preset" "${launcher[@]}" >/dev/null
cmake --build --preset "$preset" >&2
case "$preset" in
  linux) echo "$root/build" ;;
  *) echo "$root/build-${preset#linux-}" ;;
esac
