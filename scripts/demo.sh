#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds everything (preset linux) and runs the main
# job: the demo bulk update. With --windows it runs kestrune-host.exe and Kestrune.aip
# under Wine.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
if [ "${1:-}" = "--windows" ]; then
  build_dir="$(bash "$root/scripts/build-windows.sh" | tail -n 1)"
  # shellcheck source=scripts/wine-env.sh
  source "$root/scripts/wine-env.sh" "$build_dir"
  wineserver -p </dev/null >/dev/null 2>&1 || true  # already running: kept
  trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
  wine cmd /c exit </dev/null >/dev/null 2>&1 || true
  # msvcrt ends lines with CR LF.
  wine "$build_dir/kestrune-host.exe" demo </dev/null | tr -d '\r'
  exit "${PIPESTATUS[0]}"
fi
bash "$root/scripts/setup-debian.sh"
build_dir="$(bash "$root/scripts/build.sh" linux | tail -n 1)"
"$build_dir/kestrune-host" demo
