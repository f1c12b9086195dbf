#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds everything (preset linux) and runs the main job.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/setup-debian.sh"
build_dir="$(bash "$root/scripts/build.sh" linux | tail -n 1)"
"$build_dir/kestrune-host" demo
