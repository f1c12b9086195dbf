#!/usr/bin/env bash
# Prepares the Windows cross build: the Debian packages (mingw-w64 in both thread
# models, Wine and the test tools), GoogleTest and nlohmann-json for the cross
# compiler, and a Wine prefix of the build's own. Every step is skipped when already done, so it can run before
# every build. Usage: setup-windows.sh [BUILD_DIR]   (default build-windows/)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build_dir="${1:-$root/build-windows}"
mkdir -p "$build_dir"
build_dir="$(cd "$build_dir" && pwd)"
deps="$build_dir/_deps"
prefix="$deps/prefix"

packages=(cmake ninja-build g++-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-win32 wine wine64 xvfb imagemagick xdotool python3 python3-pefile
          googletest nlohmann-json3-dev fonts-ipafont-gothic)
bash "$(dirname "$0")/install-packages.sh" "${packages[@]}"

# GoogleTest from Debian's sources, built by the cross compiler.
if [ ! -f "$prefix/lib/cmake/GTest/GTestConfig.cmake" ]; then
  echo "Building GoogleTest for Windows"
  cmake -S /usr/src/googletest -B "$deps/googletest-build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/Windows/toolchain.cmake" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_GMOCK=ON -DINSTALL_GTEST=ON >/dev/null
  cmake --build "$deps/googletest-build" -j 2 >/dev/null
  cmake --install "$deps/googletest-build" >/dev/null
fi

# nlohmann-json is headers only: Debian's headers and package files, under the prefix
# so that the cross build does not see the rest of /usr/include.
if [ ! -f "$prefix/share/cmake/nlohmann_json/nlohmann_jsonConfig.cmake" ]; then
  mkdir -p "$prefix/include" "$prefix/share/cmake"
  ln -sfn /usr/include/nlohmann "$prefix/include/nlohmann"
  cp -r /usr/share/cmake/nlohmann_json "$prefix/share/cmake/"
fi

# The Wine prefix: headless (the null display driver), no Mono or Gecko prompts, and
# a Japanese font standing in for Meiryo UI, in the dialog and in its caption.
# shellcheck source=scripts/wine-env.sh
source "$root/scripts/wine-env.sh" "$build_dir"
if [ ! -f "$WINEPREFIX/.kestrune-ready" ]; then
  echo "Creating the Wine prefix $WINEPREFIX"
  wineboot -i </dev/null >/dev/null 2>&1 || true
  wineserver -w
  wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f </dev/null >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Meiryo UI' /d IPAPGothic /f </dev/null >/dev/null 2>&1
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' /v Tahoma /t REG_MULTI_SZ \
    /d 'ipagp.ttf,IPAPGothic' /f </dev/null >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.kestrune-ready"
fi
