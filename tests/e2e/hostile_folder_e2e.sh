#!/usr/bin/env bash
# The program in a real X server against a hostile folder and a damaged install: a user.txt that
# is a symbolic link to someone else's file, and a libKestrivo.so cut short beside the program.
# Each estimate must end in an error box that says what is wrong, with the program still running
# and nothing written through the link. Without a display, the program says so in one line.
#   hostile_folder_e2e.sh PROGRAM LIBRARY
set -euo pipefail
program="$1"
library="$2"
source "$(dirname "$0")/session.sh"

# No display at all, and one that cannot be opened: one line, exit status 1, no abort.
for display in "" ":4321"; do
  set +e
  output="$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY="$display" "$program" 2>&1)"
  status=$?
  set -e
  [ "$status" -eq 1 ] || fail "without a display the program ended with status $status"
  [ "$(printf '%s\n' "$output" | wc -l)" -eq 1 ] || fail "more than one line: $output"
  case "$output" in
    "Kestrivo needs a graphical display: "*) ;;
    *) fail "unclear message without a display: $output" ;;
  esac
done

start_x

# estimate_fails_with PROGRAM WORDS WHAT: an estimate in a fresh window ends in an error box whose
# message holds WORDS, and the program goes on.
estimate_fails_with() {
  start_program "$1"
  click "${estimate_button[@]}"
  [ -n "$(message_box)" ] || fail "no error box for $3"
  local text
  text="$(last_error)"
  xdotool key Return
  sleep 0.3
  case "$text" in *"$2"*) ;; *) fail "$3: $text" ;; esac
  kill -0 "$program_pid" || fail "the program ended with $3"
  stop_program
}

# user.txt links to a file of someone else's: refused, the file untouched, the program on.
echo "someone else's notes" >"$work/theirs.txt"
ln -s "$work/theirs.txt" "$work/user.txt"
estimate_fails_with "$program" "symbolic link" "a user.txt that is a symbolic link"
[ "$(cat "$work/theirs.txt")" = "someone else's notes" ] || fail "the link was written through"
[ -L "$work/user.txt" ] || fail "the link was replaced"
rm "$work/user.txt"

# A library cut short at each of a few sizes beside a copy of the program.
mkdir "$work/install"
cp "$program" "$work/install/Kestrivo"
for size in 2048 8192 16384; do
  head -c "$size" "$library" >"$work/install/libKestrivo.so"
  estimate_fails_with "$work/install/Kestrivo" "Library damaged" "a library cut at $size bytes"
done
# Hostile field exports opened from the command line: a KoboToolbox workbook with a cell past the
# sheet's last one, and an ODK zip with two entries of one name. Each is said in an error box and
# the window stays.
python3 - "$work" <<'PY'
import sys, zipfile
work = sys.argv[1]
ns = 'xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"'
with zipfile.ZipFile(f"{work}/far.xlsx", "w") as z:
    z.writestr("xl/workbook.xml", f'<workbook {ns}><sheets><sheet name="dogs" sheetId="1"/></sheets></workbook>')
    z.writestr("xl/worksheets/sheet1.xml",
               f'<worksheet {ns}><sheetData><row r="1"><c r="A1" t="inlineStr"><is><t>block</t></is></c>'
               '<c r="B1" t="inlineStr"><is><t>count</t></is></c><c r="C1" t="inlineStr"><is><t>dog_id</t>'
               '</is></c></row><row r="2"><c r="AAAAAAAAAAAAAAAA2"><v>1</v></c></row></sheetData></worksheet>')
import warnings
warnings.simplefilter("ignore")
with zipfile.ZipFile(f"{work}/twice.zip", "w") as z:
    z.writestr("f.csv", "block_id,counts_covered,KEY\nA,1 2 3,k1\n")
    z.writestr("f-sighting.csv", "count_no,dog_id,PARENT_KEY\n1,a,k1\n")
    z.writestr("f-sighting.csv", "count_no,dog_id,PARENT_KEY\n2,a,k1\n")
PY
for export in far.xlsx twice.zip; do
  program_args=("$work/$export")
  start_program "$program"
  [ -n "$(message_box)" ] || fail "no error box for $export"
  text="$(last_error)"
  case "$export:$text" in
    far.xlsx:*AAAAAAAAAAAAAAAA2*|twice.zip:*"two entries named"*) ;;
    *) fail "$export: $text" ;;
  esac
  xdotool key Return
  sleep 0.3
  kill -0 "$program_pid" || fail "the program ended on $export"
  stop_program
done
program_args=()
echo "hostile folder: link refused, damaged library reported, hostile exports said, no-display line given"
