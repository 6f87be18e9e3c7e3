#!/usr/bin/env bash
# kestrivo-plan as a user runs it: what it refuses (and with which status), the same plan for any
# number of threads, a target no k meets (status 1), a pilot with strata, and
# its plot; then the README's worked example, command and table.
#   plan_program_test.sh PROGRAM README
set -euo pipefail
program="$1" readme="$2"
root="$(dirname "$readme")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
status_of() { local s=0; "$@" >"$work/out" 2>"$work/err" || s=$?; echo "$s"; }

quick=(--replicates 20 --bootstrap 200)
given=(--S 0.2 --P 0.4 --dogs-per-block 30 --dispersion 2)
for usage in "--blocks-total 100 --target 0.2" \
             "--blocks-total 100 --target 0.2 --S 0.2 --P 0.4" \
             "--blocks-total 100 --target 0.2 ${given[*]} --stratum ward" \
             "--blocks-total 100 --target 0 ${given[*]}" \
             "--blocks-total 100 --target 0.2 ${given[*]} --plot plan.pdf" \
             "--blocks-total 100 --target 0.2 ${given[*]} --pilot x.csv"; do
  # shellcheck disable=SC2086
  [ "$(status_of "$program" $usage)" -eq 2 ] || fail "not a usage error: $usage"
done
# Refusals of out-of-range numbers say the range.
for case in "--target 10|above 0 and below 10" "--dogs-per-block 1e9|below 10000000" \
            "--dispersion 1e12|below 1e12"; do
  option="${case%%|*}" words="${case#*|}"
  args=(--blocks-total 100 --target 0.2 "${given[@]}")
  # shellcheck disable=SC2206
  args+=($option)
  [ "$(status_of "$program" "${args[@]}")" -eq 2 ] || fail "$option is not refused"
  grep -q -- "$words" "$work/err" || fail "$option: $(cat "$work/err")"
done
# A full disk or a closed pipe is said with the system's reason; a million-block city with a
# gigabyte of address space is planned all the same.
set +e; "$program" --blocks-total 100 --target 0.3 "${given[@]}" "${quick[@]}" >/dev/full 2>"$work/err"
full=$?; set -e
[ "$full" -eq 2 ] && grep -q "No space left on device" "$work/err" || fail "/dev/full: $(cat "$work/err")"
set +e; "$program" --blocks-total 100 --target 0.3 "${given[@]}" "${quick[@]}" --format json 2>"$work/err" |
  head -c 1 >/dev/null; piped=${PIPESTATUS[0]}; set -e
[ "$piped" -eq 0 ] || [ "$piped" -eq 2 ] || fail "a closed pipe gave status $piped"
[ "$piped" -eq 0 ] || grep -q "Broken pipe" "$work/err" || fail "closed pipe: $(cat "$work/err")"
# (AddressSanitizer reserves terabytes of address space for itself: no limit for it.)
if ! grep -q __asan_init "$program"; then
  [ "$(status_of bash -c "ulimit -v 1000000; exec \"\$0\" \"\$@\"" "$program" --blocks-total 1000000000 \
    --target 0.3 "${given[@]}" "${quick[@]}")" -eq 0 ] || fail "a billion blocks: $(cat "$work/err")"
fi
[ "$(status_of "$program" --blocks-total North=60,South=40 --target 0.2 "${given[@]}")" -eq 2 ] ||
  fail "NAME=K without --stratum"
grep -q "NAME=K needs --stratum" "$work/err" || fail "NAME=K without --stratum: $(cat "$work/err")"
(cd "$root/docs" && [ "$(status_of "$program" --blocks-total North=60,South=40 --target 0.3 \
  --pilot example-survey.csv --stratum ward --k-to 3)" -eq 2 ]) || fail "--k-to below two a stratum"

"$program" --blocks-total 80 --target 0.3 "${given[@]}" "${quick[@]}" --jobs 1 >"$work/one"
"$program" --blocks-total 80 --target 0.3 "${given[@]}" "${quick[@]}" --jobs 2 >"$work/two"
cmp -s "$work/one" "$work/two" || fail "--jobs changes the plan"
grep -q '^recommended,[0-9]' "$work/one" || fail "no recommendation: $(cat "$work/one")"

[ "$(status_of "$program" --blocks-total 80 --target 0.01 "${given[@]}" "${quick[@]}" --k-to 20)" -eq 1 ] ||
  fail "an unreachable target"
grep -q '^recommended,,' "$work/out" || fail "an unreachable target recommends: $(cat "$work/out")"
grep -q "no k up to 20 meets" "$work/err" || fail "an unreachable target: $(cat "$work/err")"

(cd "$root/docs" && "$program" --blocks-total North=60,South=40 --target 0.3 --pilot example-survey.csv \
  --stratum ward "${quick[@]}" --plot "$work/plan.png" >"$work/pilot")
grep -q '^k,10,North=6;South=4,' "$work/pilot" || fail "allocation: $(cat "$work/pilot")"
[ "$(head -c 4 "$work/plan.png" | tail -c 3)" = "PNG" ] || fail "no PNG plot"

# The README's worked example.
command="$(grep -o '^`kestrivo-plan --blocks-total[^`]*`' "$readme" | tr -d '`' | sed 's/^kestrivo-plan //')"
[ -n "$command" ] || fail "no worked example command in the README"
expected="$(awk '/^## Planning a survey/ { on = 1 } on && /^```$/ { n++; next } on && n == 1' "$readme")"
# shellcheck disable=SC2086
actual="$(cd "$root" && "$program" ${command/--plot plan.png/})"
[ "$actual" = "$expected" ] || fail "the README's plan differs:
$(diff <(printf '%s\n' "$expected") <(printf '%s\n' "$actual"))"
echo "kestrivo-plan: usage, threads, an unreachable target, a pilot, its plot and the README checked"
