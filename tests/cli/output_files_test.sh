#!/usr/bin/env bash
# What the three programs write, and where: a device or a pipe is written into and stays what it
# was; an output on an input, two outputs on one file, or an output with no place is refused with
# status 2 before anything is read or written; the files of a run are replaced all or none; and
# "-" is standard output.
#   output_files_test.sh TABULATE REPORT PLAN ROOT
set -euo pipefail
tabulate="$1" report="$2" plan="$3" root="$4"
export_zip="$root/docs/field-example/kestrivo_three_counts.zip"
survey="$root/docs/field-example/survey.csv"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
fail() { echo "FAIL: $*" >&2; exit 1; }
status_of() { local s=0; "$@" >"$work/out" 2>"$work/err" || s=$?; echo "$s"; }
quick_plan=(--blocks-total 80 --target 0.3 --replicates 20 --bootstrap 200)
given=(--S 0.2 --P 0.4 --dogs-per-block 30)

# Refusals: each case is the words said, then the command. Each is status 2, nothing on standard
# output, and the files it names stay as they were (their digest is taken before and after).
cp "$root/docs/field-example/kestrivo_three_counts-sighting.csv" sightings.csv
cp "$survey" s.csv
cp "$root/docs/example-survey.csv" pilot.csv
echo old >old.csv
echo "old map" >m.geojson
mkdir folder plots
cp "$survey" plots/A-1.png
ln -s old.csv m-outlines.geojson
ln -s pilot.csv pilot-link.png
refusals=(
  'the survey file "s2.csv" and the conflicts "s2.csv" are one file|'"$tabulate"' -o s2.csv --conflicts s2.csv '"$export_zip"
  'the survey file "sightings.csv" is the input "sightings.csv"|'"$tabulate"' -o sightings.csv '"$root"'/docs/field-example/kestrivo_three_counts.csv sightings.csv'
  'the conflicts cannot be written: "folder" is a folder|'"$tabulate"' -o old.csv --conflicts folder '"$export_zip"
  'the survey file and the conflicts would both go to standard output|'"$tabulate"' -o - --conflicts - '"$export_zip"
  "the map's outlines cannot be written: \"m-outlines.geojson\" is a symbolic link|$report --map m.geojson s.csv"
  'the map cannot be written: the folder "no/such" does not exist|'"$report"' --map no/such/m.kml s.csv'
  'the map "s.kml" is the survey file "./s.kml"|'"$report"' --map s.kml ./s.kml'
  'the survey file "plots/A-1.png" lies in the plot folder "plots"|'"$report"' --plots plots plots/A-1.png'
  'the plot "pilot-link.png" is the pilot survey "pilot.csv"|'"$plan ${quick_plan[*]}"' --pilot pilot.csv --plot pilot-link.png'
)
cp s.csv s.kml
digest() { sha256sum sightings.csv s.csv s.kml pilot.csv old.csv m.geojson plots/A-1.png; }
before="$(digest)"
for case in "${refusals[@]}"; do
  words="${case%%|*}" command="${case#*|}"
  # shellcheck disable=SC2086
  s="$(status_of $command)"
  [ "$s" -eq 2 ] || fail "status $s, not 2: $command"
  grep -qF -- "$words" err || fail "$command: $(cat err)"
  [ ! -s out ] || fail "wrote on standard output: $command"
  [ "$(digest)" = "$before" ] || fail "a file changed: $command"
  [ ! -e s2.csv ] && [ ! -e no ] && [ ! -e m-strata.geojson ] || fail "a file was made: $command"
done

# The report on standard output is refused when it is a survey file, before the shell's ">>"
# would have it read its own rows.
# shellcheck disable=SC2094
s=0; "$report" s.csv >>s.csv 2>err || s=$?
[ "$s" -eq 2 ] && grep -q 'the report (standard output) is the survey file "s.csv"' err ||
  fail "standard output on the survey: status $s, $(cat err)"
[ "$(digest)" = "$before" ] || fail "standard output on the survey changed it"

# A map that cannot be written leaves standard output without a row: the shell's file is empty.
echo "an earlier report" >r.csv
s=0; "$report" --map no/such/m.kml s.csv >r.csv 2>err || s=$?
[ "$s" -eq 2 ] && [ ! -s r.csv ] || fail "--map no/such: status $s, $(wc -c <r.csv) bytes"

# "-" is standard output, never a file of that name.
[ "$(status_of "$tabulate" -o - "$export_zip")" -eq 0 ] || fail "-o -: $(cat err)"
cmp -s out "$survey" || fail "-o - did not write the survey on standard output"
[ ! -e ./- ] || fail "-o - made a file named -"
[ "$(status_of "$tabulate" -o t.csv --conflicts - "$export_zip")" -eq 0 ] || fail "--conflicts -"
head -1 out | grep -q '^kind,block,count,dog_id' || fail "--conflicts -: $(head -1 out)"
[ ! -e ./- ] || fail "--conflicts - made a file named -"

# The files of a run go together: when standard output fails, the map and the plots are not
# written; when a device fails, the survey file keeps its previous bytes.
s=0; "$report" --map late.kml --plots late s.csv >/dev/full 2>err || s=$?
[ "$s" -eq 2 ] && [ ! -e late.kml ] && [ -z "$(ls -A late)" ] ||
  fail "a failed report wrote its files: status $s, $(ls late* 2>&1)"

# A named pipe is written into, for its reader.
mkfifo pipe.csv
cat pipe.csv >heard.csv &
reader=$!
[ "$(status_of "$tabulate" -o pipe.csv "$export_zip")" -eq 0 ] || fail "a pipe: $(cat err)"
wait "$reader"
[ -p pipe.csv ] && cmp -s heard.csv "$survey" || fail "the pipe was replaced, or heard otherwise"

# Copies of /dev/full and /dev/null (root only: mknod), so that a failure replaces a copy.
if mknod full c 1 7 2>/dev/null && mknod null c 1 3 && mknod null.kml c 1 3 &&
  mknod null.png c 1 3; then
  [ "$(status_of "$tabulate" -o full "$export_zip")" -eq 2 ] || fail "-o full gave status 0"
  grep -q '"full" cannot be written: No space left on device' err || fail "full: $(cat err)"
  [ "$(status_of "$tabulate" -o old.csv --conflicts full "$export_zip")" -eq 2 ] ||
    fail "--conflicts full gave status 0"
  [ "$(cat old.csv)" = old ] || fail "the survey was replaced though its conflicts failed"
  [ "$(status_of "$tabulate" -o null --conflicts null "$export_zip")" -eq 0 ] ||
    fail "two outputs on a copy of /dev/null: $(cat err)"
  [ "$(status_of "$report" --map null.kml s.csv)" -eq 0 ] || fail "--map null.kml: $(cat err)"
  [ "$(status_of "$plan" "${quick_plan[@]}" "${given[@]}" --plot null.png)" -eq 0 ] ||
    fail "--plot null.png: $(cat err)"
  for device in full null null.kml null.png; do
    [ -c "$device" ] || fail "$device was replaced by $(stat -c %F "$device")"
  done
else
  echo "device nodes can be made only by root: their checks were skipped"
fi
echo "output files: devices, pipes, refusals, all or none and - checked"
