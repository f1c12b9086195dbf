#!/usr/bin/env bash
# Every C++ and Objective-C source of the tree follows .clang-format.
#   check_format.sh CLANG_FORMAT ROOT
set -euo pipefail
clang_format="$1"
root="$2"
cd "$root"
mapfile -d '' files < <(find SOURCE host simhost tests bench Posix Linux Windows Mac \
  -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.mm' -o -name '*.m' \) -print0 | sort -z)
if [ "${#files[@]}" -lt 100 ]; then
  echo "only ${#files[@]} sources found under $root: not the tree" >&2
  exit 1
fi
if ! "$clang_format" --dry-run -Werror "${files[@]}"; then
  echo "These sources do not follow .clang-format; \`$clang_format -i FILE\` formats one." >&2
  exit 1
fi
echo "${#files[@]} sources follow .clang-format"
