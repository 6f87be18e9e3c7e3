# Shared by the end-to-end scripts (sourced): an X server of their own, the program started in a
# scratch folder, and the few ways a user touches the window. Coordinates are in pixels of the
# window's own area, under the menu bar, where the layout places the controls.
work="$(mktemp -d)"
xvfb_pid="" program_pid=""
program_args=()
# The X server is waited for as it ends: a server still shutting down can remove the socket of
# the next test's server on the same display number.
end_session() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
  [ -n "$program_pid" ] && wait "$program_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && wait "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap end_session EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# An X server on the first free display.
start_x() {
  # -noreset: by default the server starts afresh each time its last client leaves (a program
  # stopped, an xdotool call ended), and a program started in that moment finds no display.
  Xvfb -displayfd 3 -noreset -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
  [ -s "$work/display" ] || fail "Xvfb did not start"
  export DISPLAY=":$(cat "$work/display")"
  unset QT_QPA_PLATFORM
}

# The id of the visible window whose name matches NAME (a regular expression), waiting up to
# SECONDS (default 10) for it; empty when there is none. Menus and dialogs come and go while
# xdotool walks the window tree, which can make one search fail with BadWindow: it is simply
# tried again.
find_window() {
  local id="" tries=$((${2:-10} * 10))
  for _ in $(seq "$tries"); do
    id="$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1 || true)"
    [ -n "$id" ] && break
    sleep 0.1
  done
  echo "$id"
}

# start_program PROGRAM [ENV=VALUE ...]: runs it from $work (with the arguments in the array
# program_args, if any) and waits for its window; sets
# $window, $win_x, $win_y, $WIDTH, $HEIGHT, and $top, the menu bar's height (the window is the
# layout's 625 pixels plus the menu bar high).
start_program() {
  local program="$1"
  shift
  (cd "$work" && exec env "$@" "$program" "${program_args[@]}" >"$work/program.log" 2>&1) &
  program_pid=$!
  window="$(find_window '^Form1$' 20)"
  [ -n "$window" ] || fail "the window did not open: $(cat "$work/program.log")"
  sleep 0.5
  eval "$(xdotool getwindowgeometry --shell "$window")"
  win_x=$X win_y=$Y top=$((HEIGHT - 625))
  [ "$top" -gt 10 ] && [ "$top" -lt 60 ] || fail "no menu bar above the window's area ($HEIGHT high)"
}

stop_program() {
  kill "$program_pid" 2>/dev/null || true
  wait "$program_pid" 2>/dev/null || true
  program_pid=""
}

click() { xdotool mousemove --window "$window" "$1" "$(($2 + top))" click 1; sleep 0.3; }

# The centres of the controls the scripts use (the layout is in twips, 15 a pixel).
simulate_button=(148 16) estimate_button=(52 200) count_100=(144 73)

# Waits for the message box (its title is "Kestrivo") and prints its window id.
message_box() {
  find_window '^Kestrivo$'
}

# The last run-time error the program reported (it writes each to standard error as well).
last_error() { grep -E '^Kestrivo: ' "$work/program.log" | tail -n1; }

# Pixels of exactly one colour inside a rectangle of the window (x y w h).
count_colour() {
  import -window root "$work/shot.png"
  convert "$work/shot.png" -crop "$4x$5+$((win_x + $2))+$((win_y + top + $3))" +repage \
    -fill black +opaque "$1" -fill white -opaque "$1" -format '%[fx:round(mean*w*h)]' info:
}

screenshot() { import -window root -crop "${WIDTH}x${HEIGHT}+${win_x}+${win_y}" "$1"; }

# save_from_survey_window KEYS DIALOG_TITLE PATH: in the survey window $survey_window, the keys
# of a save command, PATH typed into its dialog, and the wait for the file. The click lands right
# of and below the block tool, where the survey window stays uncovered: with no window manager
# the keyboard goes to the window under the pointer.
save_from_survey_window() {
  xdotool mousemove --window "$survey_window" 1050 700 click 1
  sleep 0.3
  xdotool key "$1"
  [ -n "$(find_window "^$2\$")" ] || fail "$1 opened no \"$2\" dialog"
  sleep 0.5
  xdotool type --delay 20 "$3"
  xdotool key Return
  for _ in $(seq 100); do [ -s "$3" ] && break; sleep 0.1; done
  [ -s "$3" ] || fail "\"$2\" wrote no $3"
}
