#!/usr/bin/env bash
# kestrivo-plan against the kestrivo-plan of an earlier commit, both built here, as whole
# processes on one thread: the README's plan and its two-ward pilot plan, run in alternation
# (baseline, this tree, baseline, ...) so a shared machine's drift falls on both alike. Prints
# each run's CPU seconds and recommendation, then the medians and the median of the pairwise
# ratios of CPU time.
#   plan_against_baseline.sh BASELINE_COMMIT [RUNS] [SEED]
set -euo pipefail
baseline="$1" runs="${2:-3}" seed="${3:-1}"
root="$(cd "$(dirname "$0")/.." && pwd)"
work="$(mktemp -d)"
trap 'git -C "$root" worktree remove --force "$work/baseline" >/dev/null 2>&1 || true; rm -rf "$work"' EXIT

build() {  # SOURCE BUILD_DIR
  cmake -S "$1" -B "$2" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKESTRIVO_BUILD_TESTS=OFF \
    -DKESTRIVO_BUILD_BENCH=OFF >/dev/null
  cmake --build "$2" --target kestrivo_plan >/dev/null
}
git -C "$root" worktree add --detach "$work/baseline" "$baseline" >/dev/null 2>&1
build "$work/baseline" "$work/baseline-build"
build "$root" "$work/this-build"

plans=(
  "readme|--blocks-total 400 --target 0.1 --S 0.2 --P 0.4 --dogs-per-block 30 --dispersion 2"
  "pilot|--blocks-total North=60,South=40 --target 0.2 --pilot $root/docs/example-survey.csv --stratum ward"
)
run() {  # PROGRAM ARGS: prints "cpu_seconds recommended_k"
  # shellcheck disable=SC2086
  /usr/bin/time -f "%U %S" -o "$work/time" "$1" $2 --jobs 1 --seed "$seed" >"$work/plan.csv" 2>/dev/null || true
  echo "$(awk '{ print $1 + $2 }' "$work/time") $(grep '^recommended,' "$work/plan.csv" | cut -d, -f2)"
}
median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
for entry in "${plans[@]}"; do
  name="${entry%%|*}" args="${entry#*|}"
  : >"$work/pairs"
  for _ in $(seq "$runs"); do
    old="$(run "$work/baseline-build/bin/kestrivo-plan" "$args")"
    new="$(run "$work/this-build/bin/kestrivo-plan" "$args")"
    echo "$name: baseline ${old% *} s (k ${old#* }), this tree ${new% *} s (k ${new#* })"
    echo "${old% *} ${new% *}" >>"$work/pairs"
  done
  echo "$name: baseline CPU s (median) $(cut -d' ' -f1 "$work/pairs" | median)," \
       "this tree $(cut -d' ' -f2 "$work/pairs" | median)," \
       "this tree / baseline (median of pairs) $(awk '{ if ($1 > 0) print $2 / $1 }' "$work/pairs" | median)"
done
