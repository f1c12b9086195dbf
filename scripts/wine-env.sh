# Sourced: points Wine at the Windows build's own prefix, quiet and without prompts.
# Usage: source scripts/wine-env.sh BUILD_DIR
kestrune_build_dir="$(cd "${1:?build folder}" && pwd)"
export WINEPREFIX="$kestrune_build_dir/wineprefix"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
unset kestrune_build_dir
