#!/usr/bin/env bash
# Installs those of the named Debian packages that are missing (as root, or through
# sudo), reading nothing from standard input. Usage: install-packages.sh PACKAGE...
set -euo pipefail
missing=()
for package in "$@"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ "${#missing[@]}" -gt 0 ] || exit 0
echo "Installing: ${missing[*]}"
sudo_cmd=""
if [ "$(id -u)" -ne 0 ]; then sudo_cmd="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo_cmd apt-get update -qq </dev/null
$sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
