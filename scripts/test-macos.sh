#!/usr/bin/env bash
# Builds the macOS bundle and runs every check this machine allows: the bundle's
# structure (tests/macos/check_bundle.py), the link-stub generator, the platform layer's files and converter
# loop (tests/macos/platform_test.cpp), and the progress panel's own source on
# GNUstep under Xvfb, through the nib the bundle ships, through the xib it is made
# from, and through the window built in code when no nib is found or it cannot be read.
# Exits non-zero when any check fails. With --built (the macos preset's ctest, after its
# build) it checks the bundle as built, without setting up or building first.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$root/build-macos"
if [ "${1:-}" = "--built" ]; then
  bundle="$out/Kestrune.aip"
else
  bundle="$(bash "$root/scripts/build-macos.sh" | tail -n 1)"
fi
gnustep=(make -s -f "$root/Mac/build/gnustep.mk" ROOT="$root" OUT="$out" CONFIG="$out/cmake/kestrune.mk")
status=0
summary="$out/test-summary.txt"
: >"$summary"
# Each suite closes with "<name>: N passed, N failed"; the totals close the run.
record() { grep -E ': [0-9]+ passed, [0-9]+ failed$' <<<"$1" >>"$summary" || true; }

output="$(python3 "$root/tests/macos/make_stubs_test.py")" || status=1
echo "$output"
record "$output"

output="$(python3 "$root/tests/macos/check_bundle.py" "$bundle")" || status=1
echo "$output"
record "$output"

# The platform layer's portable parts, built for this machine against a stand-in
# Text Encoding Converter.
"${gnustep[@]}" platform_test
output="$(timeout -k 5 60 "$out/linux/platform_test")" || status=1
echo "$output"
record "$output"

"${gnustep[@]}" panel_test
# A GNUstep tool finds its resources in <dir>/Resources/<tool>/Resources.
stage() {
  local form="$1" source="$2"
  local dir="$out/gnustep/run-$form"
  rm -rf "$dir"
  mkdir -p "$dir/Resources/panel_test/Resources"
  cp "$out/gnustep/panel_test" "$dir/"
  if [ -n "$source" ]; then cp "$source" "$dir/Resources/panel_test/Resources/"; fi
  echo "$dir/panel_test"
}
nib_test="$(stage nib "$bundle/Contents/Resources/Kestrune_ProgressPanel.nib")"
xib_test="$(stage xib "$root/Mac/Kestrune_ProgressPanel.xib")"
code_test="$(stage none "")"
broken_test="$(stage broken "")"
printf 'not a nib\n' >"$out/gnustep/run-broken/Resources/panel_test/Resources/Kestrune_ProgressPanel.nib"
# Japanese titles are drawn empty unless GNUstep is given a CJK font.
fonts=(-NSFont IPAPGothic -NSUserFont IPAPGothic -NSLabelFont IPAPGothic)
run_panel() {
  bash "$root/tests/macos/with-xvfb.sh" 60 "$@" "${fonts[@]}" 2>&1 \
    | grep -v -e 'Failed to determine offsets' -e "can't be found" -e 'X connection to' || true
}
for run in "$nib_test 0 nib" "$nib_test 1 nib" "$xib_test 0 xib" "$xib_test 1 xib" "$code_test 1 none" \
    "$broken_test 0 broken"; do
  # shellcheck disable=SC2086
  output="$(run_panel $run)"
  echo "$output"
  record "$output"
  if ! grep -Eq '^panel \(.*\): [0-9]+ passed, 0 failed$' <<<"$output"; then
    echo "not ok - panel test '$run' did not finish cleanly"
    status=1
  fi
done

read -r passed failed < <(awk '{ sub(/.*: /, ""); p += $1; f += $3 } END { print p + 0, f + 0 }' "$summary")
# A suite that did not report counts as a failure.
[ "$status" -eq 0 ] || [ "$failed" -gt 0 ] || failed=1
echo "macOS: ${passed:-0} passed, ${failed:-0} failed"
exit "$status"
