#!/usr/bin/env bash
# Do two builds write the same bytes? Runs kestrivo-report and kestrivo-plan of two build folders
# on the README's examples and on a generated survey of 20,000 blocks in seven wards (with held S,
# unreadable rows and blocks where nobody was seen), at the default digits and at 17, as CSV and
# JSON, and compares standard output, standard error and the exit status of every run. A change
# that should not move any output (a reorganisation) must print "same" for every case.
#   same_output.sh OLD_BIN_DIR NEW_BIN_DIR
set -uo pipefail
old="$1" new="$2"
root="$(cd "$(dirname "$0")/.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
example="$root/docs/example-survey.csv"

# 20,000 blocks from a linear congruential stream: counts up to 60, one block in 50 with S held,
# one in 400 unreadable, one in 100 with nobody seen.
awk 'BEGIN {
  print "block,c100,c111,c101,c110,s_held,ward,date"; state = 2024
  for (i = 0; i < 20000; i++) {
    for (k = 0; k < 5; k++) { state = (state * 1664525 + 1013904223) % 4294967296
      c[k] = int(state / 256) % 61 }
    held = ""; ward = "W" (i % 7)
    if (ward == "W3") held = "0.2"
    if (i % 100 == 7) { c[0] = c[1] = c[2] = c[3] = 0 }
    first = c[0]; if (i % 400 == 13) first = "x" c[0]
    print "b" i "," first "," c[1] "," c[2] "," c[3] "," held "," ward ",2024-0" (1 + i % 9) "-1" (i % 10)
  }
}' >"$work/large.csv"
wards="W0=9000,W1=9000,W2=9000,W3=9000,W4=9000,W5=9000,W6=9000"

cases=(
  "report|$example"
  "report|--digits 17 $example"
  "report|--format json --digits 17 $example"
  "report|--pool $example"
  "report|--pool --stratum ward --blocks-total North=60,South=40 $example"
  "report|--pool --stratum ward --blocks-total North=60,South=40 --digits 17 $example"
  "report|--pool --stratum ward --blocks-total North=60,South=40 --format json --digits 17 $example"
  "report|--blocks-total 100 --format json $example"
  "report|--blocks-total 10 $example"
  "report|--digits 17 $work/large.csv"
  "report|--pool --stratum ward --blocks-total $wards --digits 17 $work/large.csv"
  "report|--pool --stratum ward --blocks-total $wards --format json --digits 17 $work/large.csv"
  "report|--pool --blocks-total 90000 --bootstrap 500 $work/large.csv"
  "plan|--blocks-total North=60,South=40 --target 0.2 --pilot $example --stratum ward --replicates 60 --bootstrap 200"
  "plan|--blocks-total North=60,South=40 --target 0.2 --pilot $example --stratum ward --replicates 60 --bootstrap 200 --format json"
  "plan|--blocks-total 400 --target 0.1 --S 0.2 --P 0.4 --dogs-per-block 30 --dispersion 2 --replicates 40 --bootstrap 200"
  "plan|--blocks-total 400 --target 0.1 --S 0.2 --P 0.4 --dogs-per-block 30 --replicates 40 --bootstrap 200 --format json"
)

differ=0
for entry in "${cases[@]}"; do
  program="kestrivo-${entry%%|*}" args="${entry#*|}"
  for side in old new; do
    dir="${!side}"
    # shellcheck disable=SC2086
    "$dir/$program" $args >"$work/$side.out" 2>"$work/$side.err" </dev/null
    echo "$?" >"$work/$side.status"
  done
  if cmp -s "$work/old.out" "$work/new.out" && cmp -s "$work/old.err" "$work/new.err" &&
    cmp -s "$work/old.status" "$work/new.status"; then
    echo "same     $program ${args//$work\//}"
  else
    echo "DIFFERS  $program ${args//$work\//}"
    diff <(head -c 2000 "$work/old.out") <(head -c 2000 "$work/new.out") | head -5
    diff "$work/old.err" "$work/new.err" | head -5
    differ=1
  fi
done
exit "$differ"
