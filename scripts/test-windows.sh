#!/usr/bin/env bash
# Builds the Windows deliverables and runs their tests under Wine (headless), in a Wine
# prefix of the build's own. Safe to run again: what is set up already is kept.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build_dir="$(bash "$root/scripts/build-windows.sh" | tail -n 1)"
# shellcheck source=scripts/wine-env.sh
source "$root/scripts/wine-env.sh" "$build_dir"
# One Wine server for the whole run: without it every test waits for a server that
# inherited ctest's pipes. Wine's services start here too, away from those pipes.
wineserver -p </dev/null >/dev/null 2>&1 || true  # already running: kept
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
wine cmd /c exit </dev/null >/dev/null 2>&1 || true
ctest --test-dir "$build_dir" --output-on-failure -j 2 </dev/null
