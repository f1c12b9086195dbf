#!/usr/bin/env bash
# Installs the Debian packages the builds, the tests and the demo need, when missing:
# GCC, and Clang 14 with libc++ (GoogleTest is built from Debian's sources for it).
set -euo pipefail

packages=(build-essential cmake pkg-config libgtest-dev libgmock-dev googletest nlohmann-json3-dev
          libfontconfig-dev fontconfig fonts-dejavu-core qpdf
          clang-14 libc++-14-dev libc++abi-14-dev)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $sudo_cmd apt-get update -qq
  $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The macOS bundle's cross toolchain and its GNUstep panel tests.
bash "$(dirname "$0")/setup-macos.sh"
