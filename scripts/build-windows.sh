#!/usr/bin/env bash
# Cross-builds the Windows deliverables and their tests into build-windows/ (the
# `windows` preset), setting up the toolchain and the Wine prefix first when missing.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build_dir="$root/build-windows"
bash "$root/scripts/setup-windows.sh" "$build_dir" >&2
launcher=()
if command -v ccache >/dev/null 2>&1; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
(cd "$root" && cmake --preset windows "${launcher[@]}" >/dev/null)
(cd "$root" && cmake --build --preset windows >&2)
echo "$build_dir"
