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
echo "hostile folder: link refused, damaged library reported, no-display line given"
