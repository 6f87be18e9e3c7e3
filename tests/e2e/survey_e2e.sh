#!/usr/bin/env bash
# The survey window as a user opens it from a terminal or a file manager: Kestrivo with a survey
# and its design on the command line, in a real X server with the accessibility bus. The city's
# dogs and the vaccine doses are read as a screen reader reads them and checked against
# kestrivo-report's total; then the table is exported from the keyboard and compared with
# kestrivo-report's bytes. Run under dbus-run-session, which gives the session bus.
#   survey_e2e.sh PROGRAM KESTRIVO_REPORT SURVEY SCREENSHOT_FOLDER
set -euo pipefail
program="$1"
report="$2"
survey="$3"
shots="$4"
here="$(cd "$(dirname "$0")" && pwd)"
mkdir -p "$shots"
source "$here/session.sh"
start_x
[ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] || fail "no session bus: run under dbus-run-session"

# The accessibility bus and its registry, started before the program so that it registers.
"$here/accessible_names.py" nothing >/dev/null 2>&1 || fail "the accessibility bus did not start"
program_args=(--stratum ward --blocks-total North=60,South=40 "$survey")
start_program "$program" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
survey_window="$(find_window 'Kestrivo survey$')"
[ -n "$survey_window" ] || fail "Kestrivo FILE opened no survey window: $(cat "$work/program.log")"

answer="" doses=""
for _ in $(seq 60); do
  answer="$("$here/accessible_names.py" "City's dogs: About" | head -n1)"
  doses="$("$here/accessible_names.py" "Vaccine doses: " | head -n1)"
  [ -n "$answer" ] && [ -n "$doses" ] && break
  sleep 0.5
done
[ -n "$answer" ] || fail "no answer on the accessibility bus"
echo "end-to-end: $answer"
echo "end-to-end: $doses"
screenshot "$shots/survey-window-from-the-command-line.png"

# The words are kestrivo-report's city total, rounded to three significant digits.
"$report" --pool --stratum ward --blocks-total North=60,South=40 --format json "$survey" \
  >"$work/reported.json"
/usr/bin/python3 - "$work/reported.json" "$answer" "$doses" <<'CHECK' || fail "the words are not the report's total"
import json, math, re, sys
rows = json.load(open(sys.argv[1]))
city = [r for r in rows if r["block"] == "total" and not r.get("ward")][-1]
def rounded(x):  # three significant digits, whole at least
    return round(x, 2 - int(math.floor(math.log10(x)))) if x >= 100 else round(x)
def number(text):
    return float(text.replace(",", ""))
m = re.fullmatch(r"City's dogs: About ([\d,]+) dogs, 95% between ([\d,]+) and ([\d,]+)\.", sys.argv[2])
assert m, sys.argv[2]
for said, key in zip(m.groups(), ("city_N", "city_lo", "city_hi")):
    assert number(said) == rounded(city[key]), (said, key, city[key])
m = re.fullmatch(r"Vaccine doses: ([\d,]+) vaccine doses for 70% coverage \(between ([\d,]+) and ([\d,]+)\)\.",
                 sys.argv[3])
assert m, sys.argv[3]
for said, key in zip(m.groups(), ("city_N", "city_lo", "city_hi")):
    assert number(said) == rounded(0.7 * city[key]), (said, key, city[key])
CHECK

# File > Export table..., from the keyboard, into the save dialog.
save_from_survey_window ctrl+shift+e "Export table" "$work/exported.csv"
"$report" --pool --stratum ward --blocks-total North=60,South=40 "$survey" >"$work/reported.csv"
cmp -s "$work/exported.csv" "$work/reported.csv" ||
  fail "the exported table differs from kestrivo-report's: $(diff "$work/exported.csv" "$work/reported.csv" | head)"
echo "end-to-end: the exported table is kestrivo-report's, $(wc -l <"$work/reported.csv") lines"

# File > Export report (PDF)...: its first page says the same answer, as a reader of it sees it.
save_from_survey_window ctrl+p "Export report" "$work/report.pdf"
first_page="$(pdftotext -f 1 -l 1 "$work/report.pdf" - | tr '\n' ' ' | tr -s ' ')"
[[ "$first_page" == *"${answer#City\'s dogs: }"* ]] ||
  fail "the PDF's first page does not say \"${answer#City\'s dogs: }\": $first_page"
pdftoppm -f 1 -l 1 -r 50 -png "$work/report.pdf" "$shots/survey-report-page"
echo "end-to-end: the PDF report's first page says the answer"
