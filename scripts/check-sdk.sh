#!/usr/bin/env bash
# Holds host/ to the vendor's own SDK headers. host/HostLayout.h lists every suite
# member the plug-in declares with its slot, and every record field and size the
# host reads in place; this script compiles a small probe against the headers in
# SDK_DIR for the Windows and the macOS layout, and prints one line per member,
# field and size with the SDK's answer, then a count of the differences.
#
#   bash scripts/check-sdk.sh SDK_DIR [windows|macos|both]
#
# Exit status: 0 when nothing differs, 1 when something does, 2 when the probe could
# not be compiled or SDK_DIR holds none of the headers. A member whose header is
# not in SDK_DIR is listed as not found and counted apart, not as a difference.
# Compilers: CXX_WINDOWS (default clang++-14 for x86_64-w64-windows-gnu, with the
# mingw-w64 headers scripts/setup-windows.sh installs: the vendor's headers know Clang
# and MSVC, not GCC)
# and CXX_MACOS (default: clang++ on a Mac; here clang++-14 for x86_64-apple-macos12,
# with the C headers scripts/setup-macos.sh fetches); vendor headers that include the
# system's own frameworks compile for macOS only on a Mac.
set -euo pipefail

usage() {
  echo "usage: bash scripts/check-sdk.sh SDK_DIR [windows|macos|both]" >&2
  exit 2
}
[ $# -ge 1 ] && [ $# -le 2 ] || usage
sdk=$1
which=${2:-both}
case "$which" in windows | macos | both) ;; *) usage ;; esac
[ -d "$sdk" ] || { echo "check-sdk: no folder $sdk" >&2; exit 2; }
root="$(cd "$(dirname "$0")/.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# Every folder of the SDK that holds a header is searched: the SDK's own
# illustratorapi/illustrator, pica_sp and ate first, as the vendor's projects list
# them (some names exist twice), then the rest in a stable order.
include_flags=()
while IFS= read -r dir; do include_flags+=(-I "$dir"); done < <(
  find "$sdk" -type f \( -name '*.h' -o -name '*.hpp' \) -exec dirname {} \; | LC_ALL=C sort -u |
    awk '{ rank = /\/illustrator$/ ? 0 : /\/pica_sp$/ ? 1 : /\/ate$/ ? 2 : 3; print rank "\t" $0 }' |
    LC_ALL=C sort -s -t "$(printf '\t')" -k1,1n | cut -f2-)
[ ${#include_flags[@]} -gt 0 ] || { echo "check-sdk: $sdk holds no headers" >&2; exit 2; }

compiler_for() {
  if [ "$1" = windows ]; then
    if [ -n "${CXX_WINDOWS:-}" ]; then
      echo "$CXX_WINDOWS -DWIN_ENV=1"
      return
    fi
    # Clang for Windows, with mingw-w64's C++ headers. The vendor's headers read the
    # compiler's features from _MSC_VER on Windows; these are what they find there.
    local cxx_headers
    cxx_headers="$(dirname "$(x86_64-w64-mingw32-g++ -print-libgcc-file-name 2>/dev/null || echo /none/x)")/include/c++"
    echo "clang++-14 -target x86_64-w64-mingw32 -DWIN_ENV=1 -isystem $cxx_headers -isystem $cxx_headers/x86_64-w64-mingw32" \
      "-DAI_HAS_NULLPTR -DAI_HAS_STATIC_ASSERT -DAI_HAS_RVALUE_REFERENCES -DAI_HAS_LAMBDAS -DAI_HAS_DELETED_FUNCTIONS" \
      "-DAI_HAS_EXPLICIT_CONVERSION_OPERATORS -DAI_HAS_DEFAULTED_FUNCTIONS -DAI_HAS_NOEXCEPT -DAI_HAS_RETURN_TYPE_DEDUCTION"
  elif [ -n "${CXX_MACOS:-}" ]; then
    echo "$CXX_MACOS -DMAC_ENV=1"
  elif [ "$(uname -s)" = Darwin ]; then
    echo "clang++ -arch x86_64 -DMAC_ENV=1"
  else
    local libc="$root/build-macos/darwin-sdk/package/lib/libc/include"
    echo "clang++-14 -target x86_64-apple-macos12 -DMAC_ENV=1 -nostdinc++ -isystem /usr/lib/llvm-14/include/c++/v1" \
      "-nostdlibinc -isystem $libc/x86_64-macos.11-none -isystem $libc/any-macos.11-any -isystem $libc/any-macos-any"
  fi
}

# host/'s rows for one platform, one per line: "S suite member slot", "H suite header",
# "F record field header offset", "Z record header size".
rows_for() {
  cat >"$work/rows.cpp" <<'EOF'
#include "HostLayout.h"
#define KSR_S(Suite, Member, Slot) KSR_ROW S Suite Member Slot
#define KSR_H(Suite, Header) KSR_ROW H Suite Header
#define KSR_F(Record, Field, Header, Offset) KSR_ROW F Record Field Header Offset
#define KSR_Z(Record, Header, Size) KSR_ROW Z Record Header Size
KSR_HOST_SUITES(KSR_H) KSR_HOST_SLOTS(KSR_S) KSR_HOST_RECORD_FIELDS(KSR_F) KSR_HOST_RECORD_SIZES(KSR_Z)
EOF
  # shellcheck disable=SC2086
  $1 -std=c++17 -E -P -I "$root/host" "$work/rows.cpp" |
    awk 'BEGIN { RS = "KSR_ROW" } NF { gsub(/[ \t\n]+/, " "); sub(/^ /, ""); sub(/ $/, ""); print }'
}

# A stand-in for a type whose header the SDK folder lacks, so that the probe compiles
# and reports it as not found.
stand_in() {
  local type=$1
  case "$type" in
    *"<"*) echo "namespace ${type%%::*} { template <class T> struct $(echo "${type#*::}" | sed 's/<.*//') { char ksr_absent; }; }" ;;
    *::*) echo "namespace ${type%%::*} { struct ${type#*::} { char ksr_absent; }; }" ;;
    *) echo "struct $type { char ksr_absent; };" ;;
  esac
}

# Writes the probe for the rows in $work/rows.txt: each value is the SDK's slot,
# offset or size, or -1 when the member is not found; 1000000 is added so that no
# value is zero, which compilers fold into a run of zero bytes.
write_probe() {
  local probe="$work/probe.cpp"
  : >"$probe"
  # The vendor's headers, those the folder has.
  awk '$1 == "H" { print $3 } $1 == "F" { print $4 } $1 == "Z" { print $3 }' "$work/rows.txt" | awk '!seen[$0]++' >"$work/headers.txt"
  local n=0 header
  while IFS= read -r header; do
    printf '#if __has_include(%s)\n#include %s\n#define KSR_HAVE_%d 1\n#else\n#define KSR_HAVE_%d 0\n#endif\n' \
      "$header" "$header" "$n" "$n" >>"$probe"
    n=$((n + 1))
  done <"$work/headers.txt"
  # Stand-ins for the types of the headers it lacks.
  awk '$1 == "H" { print $2, $3 } $1 == "F" || $1 == "Z" { print $2, ($1 == "F" ? $4 : $3) }' "$work/rows.txt" |
    awk '!seen[$1]++' >"$work/types.txt"
  local type index
  while read -r type header; do
    index=$(grep -nxF -- "$header" "$work/headers.txt" | cut -d: -f1)
    printf '#if !KSR_HAVE_%d\n%s\n#endif\n' "$((index - 1))" "$(stand_in "$type")" >>"$probe"
  done <"$work/types.txt"
  cat >>"$probe" <<'EOF'
template <class...> struct KsrVoid { typedef void type; };
template <class T, class = void> struct KsrAbsent { static constexpr bool value = false; };
template <class T> struct KsrAbsent<T, typename KsrVoid<decltype(&T::ksr_absent)>::type> {
  static constexpr bool value = true;
};
EOF
  local i=0 kind a b c d
  local values=()
  while read -r kind a b c d; do
    case "$kind" in
      S)
        printf 'template <class T, class = void> struct Ksr%d { static constexpr long long value = -1; };\n' "$i"
        printf 'template <class T> struct Ksr%d<T, typename KsrVoid<decltype(&T::%s)>::type> {\n' "$i" "$b"
        printf '  static constexpr long long value = __builtin_offsetof(T, %s) / sizeof(void*);\n};\n' "$b"
        values+=("Ksr$i<$a>::value") ;;
      F)
        printf 'template <class T, class = void> struct Ksr%d { static constexpr long long value = -1; };\n' "$i"
        printf 'template <class T> struct Ksr%d<T, typename KsrVoid<decltype(&T::%s)>::type> {\n' "$i" "$b"
        printf '  static constexpr long long value = __builtin_offsetof(T, %s);\n};\n' "$b"
        values+=("Ksr$i<$a>::value") ;;
      Z) values+=("(KsrAbsent<$a>::value ? -1LL : static_cast<long long>(sizeof($a)))") ;;
      *) continue ;;
    esac
    i=$((i + 1))
  done <"$work/rows.txt" >>"$probe"
  {
    echo 'extern "C" const long long ksr_probe[] = {'
    local value
    for value in "${values[@]}"; do echo "  $value + 1000000,"; done
    echo '};'
  } >>"$probe"
}

# Compares one platform's layout; prints its lines and sets "differences" and "missing".
check_platform() {
  local platform=$1 cxx
  cxx=$(compiler_for "$platform")
  if ! rows_for "$cxx" >"$work/rows.txt" 2>"$work/rows.err"; then
    echo "check-sdk: cannot read host/HostLayout.h for $platform:" >&2
    cat "$work/rows.err" >&2
    return 2
  fi
  write_probe
  # shellcheck disable=SC2086
  if ! $cxx -std=c++17 -w -S "${include_flags[@]}" -o "$work/probe.s" "$work/probe.cpp" 2>"$work/probe.err"; then
    echo "check-sdk: the $platform probe does not compile against $sdk:" >&2
    head -n 20 "$work/probe.err" >&2
    [ "$platform" = windows ] || echo "check-sdk: the vendor's macOS headers need Apple's SDK: run this on a Mac" >&2
    return 2
  fi
  awk '/^_?ksr_probe:/ { on = 1; next } on && /^[ \t]*\.(quad|8byte|xword)/ { print $2 - 1000000; next }
       on && /^[ \t]*\./ && !/^[ \t]*\.(p2)?align/ { exit }' "$work/probe.s" >"$work/values.txt"
  local compared=0 found=0 line=0 kind a b c d got mine what
  differences=0
  missing=0
  while read -r kind a b c d; do
    case "$kind" in
      S) what="$a.$b slot"; mine=$c ;;
      F) what="$a.$b offset"; mine=$d ;;
      Z) what="$a size"; mine=$c ;;
      *) continue ;;
    esac
    line=$((line + 1))
    got=$(sed -n "${line}p" "$work/values.txt")
    compared=$((compared + 1))
    if [ -z "$got" ]; then
      echo "check-sdk: the $platform probe gave no value for $what" >&2
      return 2
    elif [ "$got" = -1 ]; then
      echo "$platform $what $mine: not in the SDK's headers"
      missing=$((missing + 1))
    elif [ "$got" = "$mine" ]; then
      echo "$platform $what $mine: same"
      found=$((found + 1))
    else
      echo "$platform $what $mine: the SDK has $got"
      differences=$((differences + 1))
      found=$((found + 1))
    fi
  done <"$work/rows.txt"
  echo "$platform: $differences differences, $missing not found, $compared compared"
  [ "$found" -gt 0 ] || return 2
}

status=0
total=0
platforms=(windows macos)
[ "$which" = both ] || platforms=("$which")
for platform in "${platforms[@]}"; do
  set +e
  check_platform "$platform"
  result=$?
  set -e
  if [ "$result" -ne 0 ]; then
    status=2
  else
    total=$((total + differences))
    [ "$differences" -eq 0 ] || [ "$status" -ne 0 ] || status=1
  fi
done
[ "$status" -eq 2 ] || echo "$total differences"
exit "$status"
