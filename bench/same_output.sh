#!/usr/bin/env bash
# Do two builds write the same bytes? Runs kestrivo-report, kestrivo-plan and kestrivo-tabulate of
# two build folders on the README's examples, on the field example (the ODK Central export as
# downloaded and as CSVs, the same sightings as KoboToolbox sheets and as tables kept by hand, and
# an export full of conflicts), and on two generated surveys of 20,000 blocks in seven wards: one
# of four histories (with held S, unreadable rows and blocks where nobody was seen), one of seven
# histories with design weights and places for the maps (with missing, impossible and crossed
# places, and a block without its dogs first seen later). Reports run at the default digits and at
# 17, as CSV and JSON, with and without maps (GeoJSON with its outlines and strata, KML). Each
# case runs in a fresh empty folder of its own for each build, so that the files it writes (a
# survey, a conflicts list, maps) are compared too, along with standard output, standard error
# and the exit status of every step. A change that should not move any output (a reorganisation)
# must print "same" for every case.
#   same_output.sh OLD_BIN_DIR NEW_BIN_DIR
set -uo pipefail
# The programs run in each case's own folder: the build folders as absolute paths.
old="$(cd "$1" && pwd)" new="$(cd "$2" && pwd)" || exit 2
root="$(cd "$(dirname "$0")/.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
example="$root/docs/example-survey.csv"
field="$root/docs/field-example"
submissions="$field/kestrivo_three_counts.csv" sightings="$field/kestrivo_three_counts-sighting.csv"

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

# 20,000 blocks with all seven histories (the dogs first seen later up to 20), a design weight
# and a place: one block in 500 with a missing, zero or negative weight, one in 997 of ward W5
# without its dogs first seen later, and for the maps a grid of square outlines with a bow tie
# one block in 97, no latitude one in 211, a latitude of 91 one in 307 and no outline one in 401.
awk 'BEGIN {
  print "block,c100,c111,c101,c110,c010,c001,c011,ward,weight,latitude,longitude,outline"
  state = 7
  for (i = 0; i < 20000; i++) {
    for (k = 0; k < 7; k++) { state = (state * 1664525 + 1013904223) % 4294967296
      c[k] = int(state / 256) % (k < 4 ? 41 : 21) }
    ward = "W" (i % 7); later = c[4] "," c[5] "," c[6]
    if (ward == "W5" && i % 997 == 5) later = ",,"
    weight = sprintf("%.2f", 2 + (i % 13) * 0.37)
    if (i % 500 == 3) weight = ""
    if (i % 500 == 4) weight = "0"
    if (i % 500 == 5) weight = "-1"
    lat = 0.3 + (i % 141) * 0.001; lon = 32.5 + int(i / 141) * 0.001
    la = sprintf("%.6f", lat); lo = sprintf("%.6f", lon)
    a = sprintf("%.6f", lat + 0.0009); o = sprintf("%.6f", lon + 0.0009)
    outline = la " " lo " 0 5;" la " " o " 0 5;" a " " o " 0 5;" a " " lo " 0 5;" la " " lo " 0 5"
    if (i % 97 == 1) outline = la " " lo " 0 5;" a " " o " 0 5;" la " " o " 0 5;" a " " lo " 0 5"
    if (i % 401 == 2) outline = ""
    if (i % 211 == 3) la = ""
    if (i % 307 == 4) la = "91"
    print "b" i "," c[0] "," c[1] "," c[2] "," c[3] "," later "," ward "," weight "," la "," lo "," outline
  }
}' >"$work/seven.csv"

# The field example with a conflict of every kind: submissions rejected, marked with issues, of a
# block in two wards, a count sent twice with other dogs, one without a block; sightings twice in
# a count, without a dog ID, without a count, of no submission, of a dog of another block, and
# IDs alike but for case.
mkdir "$work/conflicts"
awk -F, -v OFS=, 'NR == 5 { $18 = "rejected" } NR == 9 { $18 = "hasIssues" }
  NR == 21 { $3 = "North" } { print }
  NR == 31 { $11 = $12 = "uuid:twice"; print; $2 = ""; $11 = $12 = "uuid:noblock"; print }' \
  "$submissions" >"$work/conflicts/kestrivo_three_counts.csv"
awk -F, -v OFS=, 'NR == 50 { $2 = "" } NR == 60 { $1 = "" } NR == 70 { $7 = "uuid:unknown" }
  NR == 700 { $2 = tolower($2) } NR == 90 { $2 = "S-1-001" } { print }
  NR == 2 { print } NR == 1000 { $7 = "uuid:twice"; print }' \
  "$sightings" >"$work/conflicts/kestrivo_three_counts-sighting.csv"

# The same sightings as KoboToolbox's sheets saved as CSV ("/" between a group and its field, a
# geopoint as _<name>_<part>, _uuid and _submission__uuid for the links), as a long table of
# sightings with its table of blocks (a count done with no dog seen as an empty dog_id), and as a
# wide table of dogs.
mkdir "$work/kobo"
sed '1{s/-Latitude/_latitude/; s/-Longitude/_longitude/; s/-Altitude/_altitude/
  s/-Accuracy/_precision/; s/site-block_point/_site\/block_point/g; s/site-/site\//g
  s/meta-/meta\//; s/,KEY,/,_uuid,/; s/ReviewState/_validation_status/}' "$submissions" \
  >"$work/kobo/kestrivo_three_counts.csv"
sed '1{s/PARENT_KEY/_submission__uuid/; s/,KEY$/,_index/}' "$sightings" \
  >"$work/kobo/kestrivo_three_counts-sighting.csv"
awk -F, -v OFS=, 'FNR == 1 { next } FILENAME ~ /sighting/ { print block[$7], $1, $2; next }
  { block[$12] = $2; print $2, $10, "" }' "$submissions" "$sightings" |
  { echo "block,count,dog_id"; cat; } >"$work/long.csv"
awk -F, -v OFS=, 'NR > 1 { print $1, $9, $10, $11, $12 }' "$field/survey.csv" |
  { echo "block,ward,latitude,longitude,outline"; cat; } >"$work/blocks.csv"
awk -F, -v OFS=, 'NR > 1 && $3 != "" { key = $1 "," $3; if (!(key in seen)) order[++n] = key
    seen[key] = seen[key] " " $2 }
  END { print "block,dog_id,seen1,seen2,seen3"
    for (i = 1; i <= n; i++) { s = seen[order[i]]
      print order[i], (s ~ / 1/) + 0, (s ~ / 2/) + 0, (s ~ / 3/) + 0 } }' "$work/long.csv" \
  >"$work/wide.csv"

# Each case is program|arguments; steps joined by " ; " run one after the other in the case's
# folder (a survey tabulated, then reported). Files are written there by relative names.
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
  "report|--pool --stratum ward --blocks-total $wards --bootstrap 300 --digits 17 $work/seven.csv"
  "report|--pool --stratum ward --blocks-total $wards --bootstrap 300 --format json --digits 17 $work/seven.csv"
  "report|--pool --stratum ward --weight weight --bootstrap 300 --digits 17 $work/seven.csv"
  "report|--pool --stratum ward --weight weight --bootstrap 300 --format json --digits 17 $work/seven.csv"
  "report|--pool --weight weight --bootstrap 200 $work/seven.csv"
  "report|--pool --stratum ward --blocks-total $wards --bootstrap 200 --map seven.geojson $work/seven.csv"
  "report|--pool --stratum ward --weight weight --bootstrap 200 --digits 17 --map seven.kml $work/seven.csv"
  "report|--pool --stratum ward --blocks-total North=60,South=40 --map map.geojson $field/survey.csv"
  "report|--pool --stratum ward --blocks-total North=60,South=40 --digits 17 --map map.kml $field/survey.csv"
  "report|--map map.geojson $field/survey.csv"
  "report|--map map.kml $field/survey.csv"
  "report|--map map.geojson $example"
  "plan|--blocks-total North=60,South=40 --target 0.2 --pilot $example --stratum ward --replicates 60 --bootstrap 200"
  "plan|--blocks-total North=60,South=40 --target 0.2 --pilot $example --stratum ward --replicates 60 --bootstrap 200 --format json"
  "plan|--blocks-total 400 --target 0.1 --S 0.2 --P 0.4 --dogs-per-block 30 --dispersion 2 --replicates 40 --bootstrap 200"
  "plan|--blocks-total 400 --target 0.1 --S 0.2 --P 0.4 --dogs-per-block 30 --replicates 40 --bootstrap 200 --format json"
  "tabulate|-o survey.csv $field/kestrivo_three_counts.zip"
  "tabulate|$submissions $sightings"
  "tabulate|--conflicts conflicts.csv -o survey.csv $field/kestrivo_three_counts.zip $submissions $sightings"
  "tabulate|--conflicts conflicts.csv $work/conflicts/kestrivo_three_counts.csv $work/conflicts/kestrivo_three_counts-sighting.csv"
  "tabulate|--conflicts - --include-rejected -o survey.csv $work/conflicts/kestrivo_three_counts.csv $work/conflicts/kestrivo_three_counts-sighting.csv"
  "tabulate|-o survey.csv $work/kobo/kestrivo_three_counts.csv $work/kobo/kestrivo_three_counts-sighting.csv"
  "tabulate|--blocks $work/blocks.csv --conflicts conflicts.csv -o survey.csv $work/long.csv"
  "tabulate|--blocks $work/blocks.csv $work/wide.csv"
  "tabulate|$submissions"
  "tabulate|$work/missing.csv"
  "tabulate|-o no/such/survey.csv $field/kestrivo_three_counts.zip"
  "tabulate|-o survey.csv $field/kestrivo_three_counts.zip ; report|--pool --stratum ward --blocks-total North=60,South=40 --bootstrap 500 --digits 17 --map map.geojson survey.csv"
  "tabulate|-o survey.csv $field/kestrivo_three_counts.zip ; report|--pool --stratum ward --blocks-total North=60,South=40 --bootstrap 500 --format json survey.csv"
  "tabulate|--conflicts conflicts.csv -o survey.csv $work/conflicts/kestrivo_three_counts.csv $work/conflicts/kestrivo_three_counts-sighting.csv ; report|--pool --stratum ward --blocks-total North=60,South=40 --bootstrap 200 --map map.kml survey.csv"
)

# Runs a case's steps with the programs of `dir` in the folder `at`, each step's output, error
# and status added to at.out, at.err and at.status.
run_case() {
  local dir="$1" at="$2" entry="$3" step program args
  mkdir "$at"
  while IFS= read -r step; do
    program="kestrivo-${step%%|*}" args="${step#*|}"
    # shellcheck disable=SC2086
    (cd "$at" && "$dir/$program" $args) >>"$at.out" 2>>"$at.err" </dev/null
    echo "$?" >>"$at.status"
  done <<<"${entry//' ; '/$'\n'}"
}

differ=0
for entry in "${cases[@]}"; do
  rm -rf "$work/old" "$work/new" "$work"/old.* "$work"/new.*
  run_case "$old" "$work/old" "$entry"
  run_case "$new" "$work/new" "$entry"
  shown="${entry//$work\//}" shown="${shown//$root\//}" shown="kestrivo-${shown//' ; '/ ; kestrivo-}"
  shown="${shown//|/ }"
  if cmp -s "$work/old.out" "$work/new.out" && cmp -s "$work/old.err" "$work/new.err" &&
    cmp -s "$work/old.status" "$work/new.status" && diff -r -q "$work/old" "$work/new" >/dev/null; then
    echo "same     $shown (files written: $(find "$work/old" -type f | wc -l))"
  else
    echo "DIFFERS  $shown"
    diff <(head -c 2000 "$work/old.out") <(head -c 2000 "$work/new.out") | head -5
    diff "$work/old.err" "$work/new.err" | head -5
    diff "$work/old.status" "$work/new.status"
    diff -r "$work/old" "$work/new" | head -5
    differ=1
  fi
done
exit "$differ"
