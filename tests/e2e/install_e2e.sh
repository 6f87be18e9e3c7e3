#!/usr/bin/env bash
# Installs the build into a temporary prefix, checks the layout a desktop expects, runs the
# end-to-end test against the installed program, and runs the installed kestrivo-report on a
# small survey with a decoy libKestrivo.so in the current folder and on LD_LIBRARY_PATH.
#   install_e2e.sh BUILD_DIR WINDOW_E2E_SCRIPT PLANTED_LIBRARY SURVEY
set -euo pipefail
build="$1" e2e="$2" planted="$3" survey="$4"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/Kestrivo bin/kestrivo-report lib/kestrivo/libKestrivo.so \
         share/applications/kestrivo.desktop share/icons/hicolor/scalable/apps/kestrivo.svg \
         share/man/man1/kestrivo-report.1.gz share/man/man1/Kestrivo.1.gz; do
  [ -f "$prefix/$f" ] || fail "$f is not installed"
done
grep -q '^Exec=Kestrivo %F$' "$prefix/share/applications/kestrivo.desktop"
grep -q '^Icon=kestrivo$' "$prefix/share/applications/kestrivo.desktop"
zcat "$prefix/share/man/man1/kestrivo-report.1.gz" | grep -q "^\.SH EXIT STATUS" ||
  fail "the man page does not read"

# The survey companion, installed, with decoys where a careless loader would look.
mkdir "$prefix/work" "$prefix/work/decoys"
cp "$planted" "$prefix/work/libKestrivo.so"
cp "$planted" "$prefix/work/decoys/libKestrivo.so"
marker="$prefix/work/planted-loaded"
output="$(cd "$prefix/work" && LD_LIBRARY_PATH="$prefix/work/decoys:$prefix/work" \
  KESTRIVO_PLANTED_MARKER="$marker" "$prefix/bin/kestrivo-report" --stratum ward \
  --blocks-total North=80,South=40 "$survey")"
[ ! -e "$marker" ] || fail "kestrivo-report loaded a planted libKestrivo.so"
# Rows in order with their n, P to six decimals, no error and the ward carried; then the total.
summary="$(printf '%s\n' "$output" | tr -d '\r' | awk -F, '
  NR == 1 { for (i = 1; i <= NF; i++) at[$i] = i; next }
  { printf "%s %s %.6f [%s] %s\n", $at["block"], $at["n"], $at["P"], $at["error"], $at["ward"] }')"
expected="A-1 167 0.514812 [] North
A-2 40 0.333333 [] North
B-1 56 0.660714 [] South
total 207 0.000000 [] North
total 56 0.000000 [] South
total 263 0.000000 [] "
[ "$summary" = "$expected" ] || fail "installed kestrivo-report wrote:
$output"

"$e2e" "$prefix/bin/Kestrivo" "$prefix/screenshots" "$planted" "$prefix/bin/kestrivo-report"
