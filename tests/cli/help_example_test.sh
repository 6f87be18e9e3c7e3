#!/usr/bin/env bash
# kestrivo-report --help's example is what the program answers: its survey, written out, run with
# the example's first command, gives the city the help text says, rounded as it says.
#   help_example_test.sh PROGRAM
set -euo pipefail
program="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
help="$("$program" --help)"
# The survey: the lines after "survey.csv holds", from its header to the last block.
sed -n '/survey.csv holds/,/^  and the first/p' <<<"$help" | grep -E '^    ' | sed 's/^ *//' \
  >"$work/survey.csv"
[ "$(wc -l <"$work/survey.csv")" -ge 3 ] || fail "no survey in the help text"
command="$(grep -E '^  kestrivo-report .*survey.csv' <<<"$help" | head -n1 |
  sed -e 's/^  kestrivo-report //' -e 's/ *>.*//')"
# shellcheck disable=SC2086
city="$(cd "$work" && "$program" $command | awk -F, 'NR == 1 { for (i = 1; i <= NF; i++) at[$i] = i }
  $1 == "total" { printf "%s %s %s\n", $at["city_N"], $at["city_lo"], $at["city_hi"] }' | tail -n1)"
[ -n "$city" ] || fail "the example gives no city total"
# Rounded as the help text rounds them: the dogs to 100, the limits to 10 or 100 as written.
said="$(grep -oE 'about [0-9,]+ dogs, 95%' <<<"$help" | grep -oE '[0-9,]+' | tr -d ,)"
lower="$(grep -oE 'between [0-9,]+' <<<"$help" | grep -oE '[0-9,]+' | tr -d ,)"
upper="$(grep -oE 'and [0-9,]+\.' <<<"$help" | grep -oE '[0-9,]+' | tr -d ,)"
read -r dogs lo hi <<<"$city"
near() { awk -v a="$1" -v b="$2" -v step="$3" 'BEGIN { exit !(a - b < step / 2 && b - a <= step / 2) }'; }
near "$dogs" "$said" 100 || fail "the help text says about $said dogs; the program gives $dogs"
near "$lo" "$lower" 10 || fail "the help text says from $lower; the program gives $lo"
near "$hi" "$upper" 100 || fail "the help text says to $upper; the program gives $hi"
echo "kestrivo-report --help's example gives what it says: $dogs in [$lo, $hi]"
