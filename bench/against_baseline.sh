#!/usr/bin/env bash
# kestrivo-report against the kestrivo-report of an earlier commit, both built here, as whole
# processes on one survey: runs alternate (baseline, this tree, baseline, ...) so that a shared
# machine's drift falls on both alike, and the figure to quote is the median of the pairwise
# ratios of CPU time. Blocks are those of the survey benchmark's sweep; with BLOCKS 1 it times
# what a script calling the program once per block pays.
#   against_baseline.sh BASELINE_COMMIT [BLOCKS] [RUNS] [JOBS]
set -euo pipefail
baseline="$1" blocks="${2:-5000}" runs="${3:-9}" jobs="${4:-1}"
root="$(cd "$(dirname "$0")/.." && pwd)"
work="$(mktemp -d)"
trap 'git -C "$root" worktree remove --force "$work/baseline" >/dev/null 2>&1 || true; rm -rf "$work"' EXIT

build() {  # SOURCE BUILD_DIR
  cmake -S "$1" -B "$2" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKESTRIVO_BUILD_TESTS=OFF \
    -DKESTRIVO_BUILD_BENCH=OFF >/dev/null
  cmake --build "$2" --target kestrivo_report >/dev/null
}
git -C "$root" worktree add --detach "$work/baseline" "$baseline" >/dev/null 2>&1
build "$work/baseline" "$work/baseline-build"
build "$root" "$work/this-build"

# The sweep of bench/count_sweep.h: the same linear congruential stream, one block a line.
awk -v blocks="$blocks" 'BEGIN {
  print "block,c100,c111,c101,c110"; state = 12345; n = 0
  while (n < 300) {
    limit = n % 3 == 0 ? 10 : 120
    for (k = 0; k < 4; k++) { state = (state * 1664525 + 1013904223) % 4294967296
      c[k] = int(state / 256) % (limit + 1) }
    if (c[0] + c[1] + c[2] + c[3] > 0) { sweep[n] = c[0] "," c[1] "," c[2] "," c[3]; n++ }
  }
  for (i = 0; i < blocks; i++) print "b" i "," sweep[i % 300]
}' >"$work/survey.csv"

# Small surveys run many times a sample: the clock counts in hundredths of a second.
repeat=$(((100 + blocks - 1) / blocks))
cpu() {  # PROGRAM: user + system seconds of one run, averaged over `repeat` runs
  /usr/bin/time -f "%U %S" sh -c 'for _ in $(seq "$1"); do "$2" --jobs "$3" "$4" >/dev/null; done' \
    sh "$repeat" "$1" "$jobs" "$work/survey.csv" 2>&1 | tail -1 |
    awk -v repeat="$repeat" '{ print ($1 + $2) / repeat }'
}
median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
for _ in $(seq "$runs"); do
  old="$(cpu "$work/baseline-build/bin/kestrivo-report")"
  new="$(cpu "$work/this-build/bin/kestrivo-report")"
  echo "$old $new"
done >"$work/pairs"
echo "blocks $blocks, jobs $jobs, $runs pairs of runs, each the mean of $repeat"
echo "baseline CPU s (median): $(cut -d' ' -f1 "$work/pairs" | median)"
echo "this tree CPU s (median): $(cut -d' ' -f2 "$work/pairs" | median)"
echo "this tree / baseline (median of pairs): $(awk '{ if ($1 > 0) print $2 / $1 }' "$work/pairs" | median)"
