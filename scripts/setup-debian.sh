#!/usr/bin/env bash
# Installs the Debian packages the builds, the tests and the demo need, when missing:
# GCC, and Clang 14 with libc++ (GoogleTest is built from Debian's sources for it), and
# Python 3, with which every build writes the Japanese texts in Shift-JIS; clang-format
# 14, with which the tests check the sources' format.
set -euo pipefail

packages=(build-essential cmake pkg-config python3 libgtest-dev libgmock-dev googletest nlohmann-json3-dev
          libfontconfig-dev fontconfig fonts-dejavu-core qpdf
          clang-14 libc++-14-dev libc++abi-14-dev clang-format-14)

bash "$(dirname "$0")/install-packages.sh" "${packages[@]}"

# The macOS bundle's cross toolchain and its GNUstep panel tests.
bash "$(dirname "$0")/setup-macos.sh"
