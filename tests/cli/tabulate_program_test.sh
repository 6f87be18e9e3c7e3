#!/usr/bin/env bash
# kestrivo-tabulate as a team runs it on the README's field example, and kestrivo-report's map of
# the result: the ODK Central export (zip and CSVs) tabulates to the example's survey file, a
# conflict is listed with status 1, usage and file errors give status 2, and the maps are valid;
# the example with vaccination marks tabulates to its survey file.
#   tabulate_program_test.sh TABULATE REPORT ROOT
set -euo pipefail
tabulate="$1" report="$2" root="$3"
example="$root/docs/field-example"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
status_of() { local s=0; "$@" >"$work/out" 2>"$work/err" || s=$?; echo "$s"; }

[ "$(status_of "$tabulate" --help)" -eq 0 ] && grep -q '^Examples:' "$work/out" || fail "--help"
[ "$(status_of "$tabulate")" -eq 2 ] || fail "no input is not a usage error"
[ "$(status_of "$tabulate" "$work/missing.csv")" -eq 2 ] || fail "a missing input"
[ "$(status_of "$tabulate" -o "$work/no/such/survey.csv" "$example/kestrivo_three_counts.zip")" -eq 2 ] ||
  fail "an output folder that does not exist"

# The export as downloaded, and its two CSVs, give the example's survey file.
[ "$(status_of "$tabulate" -o "$work/survey.csv" "$example/kestrivo_three_counts.zip")" -eq 0 ] ||
  fail "the example export: $(cat "$work/err")"
cmp -s "$work/survey.csv" "$example/survey.csv" || fail "the example tabulates otherwise:
$(diff "$example/survey.csv" "$work/survey.csv" | head)"
grep -q "10 blocks, 1199 sightings; 10 blocks tabulated, no conflict" "$work/err" || fail "summary: $(cat "$work/err")"
[ "$(status_of "$tabulate" "$example/kestrivo_three_counts.csv" "$example/kestrivo_three_counts-sighting.csv")" -eq 0 ] ||
  fail "the example's CSVs"
cmp -s "$work/out" "$example/survey.csv" || fail "the example's CSVs tabulate otherwise"

# A dog recorded twice on one count: listed, its block left with empty counts, status 1.
cp "$example/kestrivo_three_counts-sighting.csv" "$work/sighting.csv"
sed -n 2p "$work/sighting.csv" >>"$work/sighting.csv"
[ "$(status_of "$tabulate" --conflicts "$work/conflicts.csv" "$example/kestrivo_three_counts.csv" "$work/sighting.csv")" -eq 1 ] ||
  fail "a duplicate is no conflict"
grep -q '^duplicate_in_count,N-1,1,' "$work/conflicts.csv" || fail "conflicts: $(cat "$work/conflicts.csv")"
grep -q '^N-1,,,,,,,,North,' "$work/out" || fail "N-1 keeps its counts: $(grep N-1 "$work/out")"
grep -q "1 duplicate_in_count (listed in" "$work/err" || fail "summary: $(cat "$work/err")"
# The report gives that block an error row and fits the rest.
cp "$work/out" "$work/with-conflict.csv"
[ "$(status_of "$report" --pool "$work/with-conflict.csv")" -eq 1 ] || fail "the report on a conflict"
grep -q '^N-1,.*column c100: the value is missing' "$work/out" || fail "no error row for N-1"

# The map: points, outlines and strata in separate valid GeoJSON files; and KML.
[ "$(status_of "$report" --pool --stratum ward --blocks-total North=60,South=40 \
  --map "$work/map.geojson" "$example/survey.csv")" -eq 0 ] || fail "--map: $(cat "$work/err")"
python3 - "$work" <<'PY' || fail "the GeoJSON maps"
import json, sys
work = sys.argv[1]
points = json.load(open(f"{work}/map.geojson"))
outlines = json.load(open(f"{work}/map-outlines.geojson"))
strata = json.load(open(f"{work}/map-strata.geojson"))
assert len(points["features"]) == 10 and len(outlines["features"]) == 10, "a block was dropped"
assert all(f["geometry"]["type"] == "Point" for f in points["features"])
assert sum(f["geometry"] is None for f in outlines["features"]) == 2  # N-3 and S-4 have none
assert all(f["properties"]["geometry_note"] for f in outlines["features"] if f["geometry"] is None)
assert isinstance(points["features"][0]["properties"]["N_pool"], float)
assert [f["properties"]["ward"] for f in strata["features"]] == ["North", "South", None]
PY
[ "$(status_of "$report" --map "$work/map.kml" "$example/survey.csv")" -eq 0 ] || fail "KML"
python3 -c "import sys, xml.dom.minidom; xml.dom.minidom.parse(sys.argv[1])" "$work/map.kml" ||
  fail "the KML is not well formed"
[ "$(status_of "$report" --map "$work/map.shp" "$example/survey.csv")" -eq 2 ] || fail "--map .shp"

# The example with vaccination marks: the marked dogs' histories and mark_unknown after c011, and
# the dogs whose sightings disagree listed as warnings, which leave the status at 0.
marks="$root/docs/field-example-marks"
[ "$(status_of "$tabulate" --conflicts "$work/marks-conflicts.csv" "$marks/kestrivo_three_counts.csv" \
  "$marks/kestrivo_three_counts-sighting.csv")" -eq 0 ] || fail "the marks example: $(cat "$work/err")"
cmp -s "$work/out" "$marks/survey.csv" || fail "the marks example tabulates otherwise:
$(diff "$marks/survey.csv" "$work/out" | head)"
grep -q "2 to look at: 2 mark_disagrees" "$work/err" || fail "marks summary: $(cat "$work/err")"
[ "$(grep -c '^mark_disagrees,' "$work/marks-conflicts.csv")" -eq 2 ] ||
  fail "marks conflicts: $(cat "$work/marks-conflicts.csv")"
echo "kestrivo-tabulate: the field example, a conflict, errors, the maps and the marks checked"
