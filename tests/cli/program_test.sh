#!/usr/bin/env bash
# kestrivo-report as a program: its help and version, the exit status of usage errors, standard
# input, --plots (PNG files of the window's plot size with the curve's colour, written with no
# display), and no progress line when standard error is not a terminal.
#   program_test.sh PROGRAM SURVEY
set -euo pipefail
program="$1" survey="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
status_of() { set +e; "$@" >"$work/out" 2>"$work/err"; local s=$?; set -e; echo "$s"; }

[ "$(status_of "$program" --help)" -eq 0 ] || fail "--help"
grep -q '^Example:' "$work/out" || fail "--help shows no example"
grep -q -- '--blocks-total' "$work/out" || fail "--help does not list --blocks-total"
[ "$("$program" --version)" = "kestrivo-report 0.1.0" ] || fail "--version: $("$program" --version)"

for bad in "--format xml" "--level 1" "--level 0" "--level x" "--level 0x0.8" "--blocks-total 0" \
  "--blocks-total 0x10" "--blocks-total 99999999999999999999" "--digits 18" "--no-such-option"; do
  # shellcheck disable=SC2086
  [ "$(status_of "$program" $bad "$survey")" -eq 2 ] || fail "$bad is not a usage error"
  [ -s "$work/err" ] || fail "$bad: no message"
  [ ! -s "$work/out" ] || fail "$bad: wrote output"
done

# Standard input, and - for it.
[ "$(status_of "$program" <"$survey")" -eq 0 ] || fail "standard input: $(cat "$work/err")"
[ "$(wc -l <"$work/out")" -eq 4 ] || fail "standard input: $(cat "$work/out")"
cp "$work/out" "$work/from-stdin"
[ "$(status_of "$program" - <"$survey")" -eq 0 ] || fail "-"
cmp -s "$work/out" "$work/from-stdin" || fail "- reads differently"

# Plots without a display, into a folder that does not exist yet.
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$program" --plots "$work/plots/new" "$survey" | wc -l)" -eq 4 ] ||
  fail "--plots"
for block in A-1 A-2 B-1; do
  png="$work/plots/new/$block.png"
  [ -s "$png" ] || fail "no plot for $block"
  [ "$(identify -format '%wx%h' "$png")" = "949x381" ] || fail "$block: $(identify "$png")"
  blue="$(convert "$png" -fill black +opaque 'rgb(0,0,192)' -fill white -opaque 'rgb(0,0,192)' \
    -format '%[fx:round(mean*w*h)]' info:)"
  [ "$blue" -gt 200 ] || fail "$block: no curve ($blue pixels)"
done
echo "block,c100,c111,c101,c110" >"$work/plots/blocker"
[ "$(status_of "$program" --plots "$work/plots/blocker" "$survey")" -eq 2 ] ||
  fail "a plot folder that is a file"

# Output that cannot be written ends the run with the reason, never with status 0.
set +e; "$program" "$survey" >/dev/full 2>"$work/err"; full=$?; set -e
[ "$full" -eq 2 ] || fail "/dev/full gave status $full"
grep -q "No space left on device" "$work/err" || fail "/dev/full: $(cat "$work/err")"
set +e; "$program" "$survey" >&- 2>"$work/err"; closed=$?; set -e
[ "$closed" -eq 2 ] || fail "a closed standard output gave status $closed"
# A reader that goes away early (head) is a write error said in words, not a silent signal.
awk 'BEGIN { print "c100,c111,c101,c110"; for (i = 0; i < 20000; i++) print "1,2,3,4" }' >"$work/long.csv"
set +e; "$program" "$work/long.csv" 2>"$work/err" | head -1 >/dev/null; piped=${PIPESTATUS[0]}; set -e
[ "$piped" -eq 2 ] || fail "a closed pipe gave status $piped"
grep -q "could not be written: Broken pipe" "$work/err" || fail "closed pipe: $(cat "$work/err")"

# A label that climbs out of the folder is written inside it, and never as a hidden file.
printf 'block,c100,c111,c101,c110\n../../x,1,2,3,4\n' >"$work/climb.csv"
[ "$(status_of "$program" --plots "$work/climb" "$work/climb.csv")" -eq 0 ] || fail "climbing label"
[ "$(ls -A "$work/climb")" = "___.._x.png" ] || fail "climbing label wrote $(ls -A "$work/climb")"

# Labels that read alike as file names never replace each other's plot, and a plot that cannot
# be written is its row's error while the other rows go on.
printf 'block,c100,c111,c101,c110\nx-line4,1,2,3,4\nx,1,2,3,4\nx,1,2,3,4\ny,1,2,3,4\n' >"$work/alike.csv"
mkdir "$work/alike"
mkdir "$work/alike/y.png"  # in the way of y's plot
[ "$(status_of "$program" --plots "$work/alike" "$work/alike.csv")" -eq 1 ] || fail "alike labels"
[ "$(ls "$work/alike" | grep -c '^x.*png$')" -eq 3 ] || fail "plots replaced: $(ls "$work/alike")"
[ "$(wc -l <"$work/out")" -eq 5 ] || fail "rows lost after a failed plot: $(cat "$work/out")"
grep -q '^y,.*the plot could not be written' "$work/out" || fail "no plot error for y"

# A copy of the library with one bit flipped in its code, beside a copy of the program: refused
# as damaged before it is loaded, at each of a handful of offsets; never a crash, never numbers.
library="$(dirname "$program")/libKestrivo.so"
mkdir "$work/flipped"
cp "$program" "$work/flipped/"
size="$(stat -c %s "$library")"
for offset in 4200 5238 $((size / 3)) $((size / 2)) $((size - 100)); do
  cp "$library" "$work/flipped/libKestrivo.so"
  byte="$(od -An -tu1 -j "$offset" -N1 "$library" | tr -d ' ')"
  printf "$(printf '\\%03o' $((byte ^ 4)))" |
    dd of="$work/flipped/libKestrivo.so" bs=1 seek="$offset" conv=notrunc status=none
  cmp -s "$library" "$work/flipped/libKestrivo.so" && fail "offset $offset: no bit flipped"
  s="$(status_of "$work/flipped/$(basename "$program")" "$survey")"
  [ "$s" -eq 2 ] || fail "flipped at $offset: status $s"
  grep -q "Library damaged" "$work/err" || fail "flipped at $offset: $(cat "$work/err")"
  [ ! -s "$work/out" ] || fail "flipped at $offset: wrote numbers"
done

# The copy beside the intact library but with no plot module: a run without --plots never needs
# it; --plots is refused up front, and a plot module damaged on disk is not loaded.
cp "$library" "$work/flipped/libKestrivo.so"
copy="$work/flipped/$(basename "$program")"
[ "$(status_of "$copy" "$survey")" -eq 0 ] || fail "no plot module, no plots: $(cat "$work/err")"
[ "$(status_of "$copy" --plots "$work/plots/none" "$survey")" -eq 2 ] || fail "no plot module"
grep -q "Library not found.*libkestrivo-plot.so" "$work/err" || fail "no module: $(cat "$work/err")"
module="$(dirname "$program")/libkestrivo-plot.so"
head -c "$(($(stat -c %s "$module") - 1))" "$module" >"$work/flipped/libkestrivo-plot.so"
printf x >>"$work/flipped/libkestrivo-plot.so"
[ "$(status_of "$copy" --plots "$work/plots/none" "$survey")" -eq 2 ] || fail "damaged module"
grep -q "Library damaged" "$work/err" || fail "damaged module: $(cat "$work/err")"
[ ! -s "$work/out" ] || fail "numbers written with a damaged plot module"
# No Qt library is linked into the program itself.
! ldd "$program" | grep -qi 'libQt' || fail "kestrivo-report links Qt: $(ldd "$program" | grep -i qt)"

# A survey of a few thousand blocks with standard error redirected: no progress line.
awk 'BEGIN { print "block,c100,c111,c101,c110"; for (i = 1; i <= 4000; i++)
  printf "b%d,%d,%d,%d,%d\n", i, 5 + i % 40, 10 + i % 23, 3 + i % 17, 4 + i % 11 }' >"$work/big.csv"
[ "$(status_of "$program" "$work/big.csv")" -eq 0 ] || fail "the big survey"
[ "$(wc -l <"$work/out")" -eq 4001 ] || fail "the big survey has $(wc -l <"$work/out") lines"
[ ! -s "$work/err" ] || fail "progress written to a file: $(head -c 200 "$work/err")"
echo "kestrivo-report: help, usage errors, standard input, plots and quiet progress checked"
