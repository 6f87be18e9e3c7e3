#!/usr/bin/env bash
# Drives the built program in a real X server as a user would: estimate, simulate, a typing slip
# and its error box, then a corrected estimate. Checks user.txt and screenshots. A decoy
# libKestrivo.so lies in the current folder and on LD_LIBRARY_PATH; only the program's own
# library may be loaded.
#   window_e2e.sh PROGRAM SCREENSHOT_FOLDER PLANTED_LIBRARY [KESTRIVO_REPORT]
set -euo pipefail
program="$1"
shots="$2"
planted="$3"
report_program="${4:-}"
mkdir -p "$shots"
source "$(dirname "$0")/session.sh"
start_x

mkdir "$work/decoys"
cp "$planted" "$work/libKestrivo.so"
cp "$planted" "$work/decoys/libKestrivo.so"
marker="$work/planted-loaded"
start_program "$program" LD_LIBRARY_PATH="$work/decoys:$work" KESTRIVO_PLANTED_MARKER="$marker"
cd "$work"
[ "$WIDTH" -ge 969 ] && [ "$HEIGHT" -ge $((609 + top)) ] || fail "window ${WIDTH}x${HEIGHT} cuts the layout"

help_blue=$(count_colour 'rgb(0,0,192)' 472 8 497 209)
[ "$help_blue" -gt 300 ] || fail "help text is not blue ($help_blue pixels)"

wait_for_user_txt() {
  for _ in $(seq 100); do [ -s user.txt ] && break; sleep 0.1; done
  [ -s user.txt ] || fail "estimate wrote no user.txt"
  sleep 0.5
}
lines() { printf ' %s \r\n' "$@"; }

# The first estimate with the start values: the dump and the profile with its 1.92 line.
click "${estimate_button[@]}"
wait_for_user_txt
[ "$(cat user.txt)" = "$(lines 14 2 1 2 0 0 0 0 0 0 29 36 54 48 0 8 0.5 1 0.01 0.99 0.5 1 0.01 0.99)" ] ||
  fail "user.txt of the first estimate: $(od -c user.txt | head)"
curve=$(count_colour 'rgb(0,0,192)' 18 226 949 381)
red=$(count_colour 'rgb(255,0,0)' 18 226 949 381)
screenshot "$shots/after-estimate.png"
[ "$curve" -gt 200 ] || fail "no blue curve in the plot ($curve pixels)"
[ "$red" -gt 150 ] || fail "no red line in the plot ($red pixels)"

# simulate from the estimates S 0.01, P 0.51 fills the counts; estimate reads them rounded.
rm -f user.txt
click "${simulate_button[@]}"
screenshot "$shots/after-simulate.png"
click "${estimate_button[@]}"
wait_for_user_txt
# Expected per 100 dogs: 23.54, 27.45, 24.50 and 24.50, which read as 24, 27, 25 and 25.
[ "$(sed -n 11,14p user.txt)" = "$(lines 24 27 25 25)" ] || fail "simulated counts: $(sed -n 11,14p user.txt)"
[ "$(sed -n 17p user.txt)" = $' 0.01 \r' ] || fail "the estimate of S is not the next start value"

# A typing slip: the error box comes up, goes away, and the program is still there.
rm -f user.txt
click "${count_100[@]}"
xdotool key ctrl+a
xdotool type 'abc'
click "${estimate_button[@]}"
box="$(message_box)"
[ -n "$box" ] || fail "no error box for a count that is not a number"
screenshot "$shots/error-box.png"
xdotool key Return
sleep 0.5
[ -z "$(find_window '^Kestrivo$' 1)" ] || fail "the error box stayed"
kill -0 "$program_pid" || fail "the program ended after the error"
[ ! -e user.txt ] || fail "the failed estimate wrote user.txt"

click "${count_100[@]}"
xdotool key ctrl+a
xdotool type '29'
click "${estimate_button[@]}"
for _ in $(seq 100); do [ -s user.txt ] && break; sleep 0.1; done
grep -q $'^ 29 \r$' user.txt || fail "the corrected estimate did not run"
sleep 0.3
[ -z "$(find_window '^Kestrivo$' 1)" ] || fail "the corrected estimate failed"
# A survey opened through the menu: File, Open survey..., the file's name typed into the dialog.
# Three blocks open the survey window, its table under the keyboard: the second block, Ctrl+Return,
# and the block tool estimates it. Then the table exported with the keyboard is what
# kestrivo-report writes for the same design.
cat >"$work/survey.csv" <<'SURVEY'
block,c100,c111,c101,c110,ward
A-1,29,36,54,48,North
A-2,10,20,5,5,North
B-1,12,30,8,6,South
SURVEY
rm -f user.txt
xdotool mousemove --window "$window" 18 $((top / 2)) click 1
sleep 0.5
xdotool key Down Return
dialog="$(find_window '^Open survey$')"
[ -n "$dialog" ] || fail "File > Open survey... opened no dialog"
sleep 0.5
xdotool type --delay 20 "$work/survey.csv"
xdotool key Return
survey_window="$(find_window 'Kestrivo survey$')"
[ -n "$survey_window" ] || fail "a survey of three blocks opened no survey window"
sleep 2
screenshot "$shots/survey-window.png"
xdotool key Down ctrl+Return
wait_for_user_txt
[ "$(sed -n 11,14p user.txt)" = "$(lines 10 20 5 5)" ] || fail "the chosen block was not estimated: $(sed -n 11,14p user.txt)"
screenshot "$shots/after-open-survey.png"

# Back to the survey window (the estimate raised the block tool) for File > Export table....
save_from_survey_window ctrl+shift+e "Export table" "$work/exported.csv"
if [ -n "$report_program" ]; then
  "$report_program" --pool "$work/survey.csv" >"$work/reported.csv" || [ $? -eq 1 ]
  cmp -s "$work/exported.csv" "$work/reported.csv" ||
    fail "the exported table differs from kestrivo-report's: $(diff "$work/exported.csv" "$work/reported.csv" | head)"
fi

# Only the program's own library: beside it, or in the install layout's lib/kestrivo.
[ ! -e "$marker" ] || fail "a planted libKestrivo.so was loaded"
program_folder="$(cd "$(dirname "$program")" && pwd -P)"
own=("$program_folder/libKestrivo.so" "$(cd "$program_folder/.." && pwd -P)/lib/kestrivo/libKestrivo.so")
loaded="$(grep -o '/[^ ]*libKestrivo\.so$' "/proc/$program_pid/maps" | sort -u)"
[ -n "$loaded" ] || fail "libKestrivo.so is not loaded"
for path in $loaded; do
  [ "$path" = "${own[0]}" ] || [ "$path" = "${own[1]}" ] || fail "loaded $path"
done
echo "end-to-end: loaded only $loaded"
echo "end-to-end: window ${WIDTH}x${HEIGHT}, help text $help_blue blue pixels, curve $curve, red line $red"
