#!/usr/bin/env bash
# The Debian package as a user gets it: unpacked into a throwaway root, its kestrivo-report run on
# the README's example survey (the same output as the build's), its window started under Xvfb far
# enough to show its title, its desktop entry and AppStream metainfo validated, and lintian with
# no error.
#   package_test.sh PACKAGE BUILD_REPORT PROJECT_ROOT
set -euo pipefail
package="$1" built_report="$2" root="$3"
source "$root/tests/e2e/session.sh"

dpkg -x "$package" "$work/root"
usr="$work/root/usr"
for f in bin/Kestrivo bin/kestrivo-report bin/kestrivo-plan bin/kestrivo-tabulate \
         lib/kestrivo/libKestrivo.so lib/kestrivo/libkestrivo-plot.so \
         share/kestrivo/forms/kestrivo-three-counts.xlsx share/man/man1/kestrivo-tabulate.1.gz \
         share/applications/kestrivo.desktop share/icons/hicolor/scalable/apps/kestrivo.svg \
         share/man/man1/Kestrivo.1.gz share/man/man1/kestrivo-report.1.gz \
         share/man/man1/kestrivo-plan.1.gz \
         share/metainfo/org.kestrivo.kestrivo.metainfo.xml share/doc/kestrivo/copyright \
         share/doc/kestrivo/changelog.gz; do
  [ -f "$usr/$f" ] || fail "the package lacks /usr/$f"
done

# One version everywhere: the package's, the program's and the metainfo's.
version="$(dpkg-deb -f "$package" Version)"
[ "$("$usr/bin/kestrivo-report" --version)" = "kestrivo-report $version" ] ||
  fail "--version: $("$usr/bin/kestrivo-report" --version), package $version"
grep -q "release version=\"$version\"" "$usr/share/metainfo/org.kestrivo.kestrivo.metainfo.xml" ||
  fail "the metainfo's release is not $version"
dpkg-deb -f "$package" Depends | grep -q 'libqt6widgets6' || fail "Depends lacks Qt: $(dpkg-deb -f "$package" Depends)"

# The installed report writes what the build writes, for the README's worked example.
command=(--pool --stratum ward --blocks-total North=60,South=40 example-survey.csv)
installed="$(cd "$root/docs" && "$usr/bin/kestrivo-report" "${command[@]}")"
built="$(cd "$root/docs" && "$built_report" "${command[@]}")"
[ "$installed" = "$built" ] || fail "the installed kestrivo-report writes otherwise:
$(diff <(printf '%s\n' "$built") <(printf '%s\n' "$installed"))"

# The installed report draws its plots with the installed plot module, offscreen.
(cd "$root/docs" && env -u DISPLAY "$usr/bin/kestrivo-report" --plots "$work/plots" example-survey.csv >/dev/null) ||
  fail "the installed kestrivo-report could not draw its plots"
[ -s "$work/plots/N-1.png" ] || fail "no plot from the installed kestrivo-report: $(ls "$work/plots")"

# The installed planner runs a short plan and draws it.
"$usr/bin/kestrivo-plan" --blocks-total 100 --target 0.3 --S 0.2 --P 0.4 --dogs-per-block 30 \
  --replicates 20 --bootstrap 200 --plot "$work/plan.svg" >"$work/plan.csv" ||
  fail "the installed kestrivo-plan: $(cat "$work/plan.csv")"
grep -q '^recommended,[0-9]' "$work/plan.csv" || fail "no recommendation: $(cat "$work/plan.csv")"
grep -q '<svg' "$work/plan.svg" || fail "the installed kestrivo-plan drew no SVG"

# The installed tabulator reads the example's ODK Central export into the example's survey, and
# the installed report draws it on a map.
"$usr/bin/kestrivo-tabulate" -o "$work/field.csv" "$root/docs/field-example/kestrivo_three_counts.zip" \
  2>/dev/null || fail "the installed kestrivo-tabulate"
cmp -s "$work/field.csv" "$root/docs/field-example/survey.csv" || fail "the installed tabulation differs"
"$usr/bin/kestrivo-report" --pool --map "$work/field.kml" "$work/field.csv" >/dev/null ||
  fail "the installed kestrivo-report drew no map"
grep -q '<Placemark>' "$work/field.kml" || fail "the map has no placemark"

# The installed window opens.
start_x
(cd "$work" && exec "$usr/bin/Kestrivo" >/dev/null 2>&1) &
program_pid=$!
[ -n "$(find_window '^Form1$' 20)" ] || fail "the installed window did not open"

desktop-file-validate "$usr/share/applications/kestrivo.desktop"
appstreamcli validate --no-net "$usr/share/metainfo/org.kestrivo.kestrivo.metainfo.xml"

lintian_out="$(lintian --fail-on error "$package" 2>&1)" || fail "lintian found errors:
$lintian_out"
echo "package $(basename "$package"): $(stat -c %s "$package") bytes; lintian says:"
printf '%s\n' "${lintian_out:-(nothing)}"
