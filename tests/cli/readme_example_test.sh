#!/usr/bin/env bash
# The README's worked example is what the program writes: its survey file and its output block,
# run again with the command the README gives.
#   readme_example_test.sh PROGRAM README
set -euo pipefail
program="$1" readme="$2"
root="$(dirname "$readme")"
command="$(grep -o '^`kestrivo-report --pool[^`]*`$' "$readme" | tr -d '`' | sed 's/^kestrivo-report //')"
[ -n "$command" ] || { echo "FAIL: no worked example command in the README" >&2; exit 1; }
expected="$(awk '/^### A worked example/ { on = 1 } on && /^```$/ { n++; next } on && n == 1' "$readme")"
# shellcheck disable=SC2086
actual="$(cd "$root" && "$program" $command | tr -d '\r')"
if [ "$actual" != "$expected" ]; then
  echo "FAIL: the README's worked example differs from what the program writes:" >&2
  diff <(printf '%s\n' "$expected") <(printf '%s\n' "$actual") >&2 || true
  exit 1
fi
echo "the README's worked example matches the program"
