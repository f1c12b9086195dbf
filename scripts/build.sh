#!/usr/bin/env bash
# Configures and builds everything into build/ (or build-sanitize/ with --sanitize).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build_dir="$root/build"
sanitize=OFF
if [ "${1:-}" = "--sanitize" ]; then
  build_dir="$root/build-sanitize"
  sanitize=ON
fi
cmake -S "$root" -B "$build_dir" -DKESTRUNE_SANITIZE="$sanitize" >/dev/null
cmake --build "$build_dir" -j "$(nproc)"
echo "$build_dir"
