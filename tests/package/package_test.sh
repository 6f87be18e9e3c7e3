#!/usr/bin/env bash
# The Debian package as a user gets it: installed with apt (as root, or through sudo; removed
# again afterwards unless it was installed before), its files where dpkg says it put them, the
# examples where the manual pages and --help send the user, its kestrivo-report run on the
# installed worked example (the same output as the build's), its window started under Xvfb far
# enough to show its title, its desktop entry and AppStream metainfo validated, the desktop entry
# claiming no type that every spreadsheet or archive shares, and lintian with no warning or error.
#   package_test.sh PACKAGE BUILD_REPORT PROJECT_ROOT
set -euo pipefail
package="$(realpath "$1")" built_report="$2" root="$3"
source "$root/tests/e2e/session.sh"

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
was_installed=no
dpkg-query -W -f='${Status}' kestrivo 2>/dev/null | grep -q 'install ok installed' && was_installed=yes
# Purged as it came, so that the machine is left as it was, and postrm is run too.
remove_package() {
  [ "$was_installed" = yes ] ||
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get purge -y -qq -o DPkg::Lock::Timeout=300 \
      kestrivo >/dev/null 2>&1 || true
}
trap 'remove_package; end_session' EXIT
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --allow-downgrades \
  -o DPkg::Lock::Timeout=300 "$package" >"$work/apt.log" 2>&1 ||
  fail "apt could not install the package: $(cat "$work/apt.log")"

usr=/usr
examples=/usr/share/doc/kestrivo/examples
dpkg -L kestrivo >"$work/listed"
for f in bin/Kestrivo bin/kestrivo-report bin/kestrivo-plan bin/kestrivo-tabulate \
         lib/kestrivo/libKestrivo.so lib/kestrivo/libkestrivo-plot.so \
         share/kestrivo/forms/kestrivo-three-counts.xlsx share/man/man1/kestrivo-tabulate.1.gz \
         share/applications/kestrivo.desktop share/icons/hicolor/scalable/apps/kestrivo.svg \
         share/man/man1/Kestrivo.1.gz share/man/man1/kestrivo-report.1.gz \
         share/man/man1/kestrivo-plan.1.gz \
         share/metainfo/org.kestrivo.kestrivo.metainfo.xml share/doc/kestrivo/copyright \
         share/doc/kestrivo/changelog.gz share/doc/kestrivo/examples/example-survey.csv \
         share/doc/kestrivo/examples/field-example/kestrivo_three_counts.zip \
         share/doc/kestrivo/examples/field-example/kestrivo_three_counts.csv \
         share/doc/kestrivo/examples/field-example/kestrivo_three_counts-sighting.csv \
         share/doc/kestrivo/examples/field-example/survey.csv; do
  grep -qxF "/usr/$f" "$work/listed" || fail "the package lacks /usr/$f"
  [ -f "$usr/$f" ] || fail "/usr/$f is not installed"
done
[ "$(dpkg-query -W -f='${Version}' kestrivo)" = "$(dpkg-deb -f "$package" Version)" ] ||
  fail "apt left kestrivo $(dpkg-query -W -f='${Version}' kestrivo) installed"
# Nothing for a maintainer script to do: Debian's triggers index the desktop entry, icon and
# manual pages, and the private libraries need no ldconfig.
scripts="$(dpkg-deb --ctrl-tarfile "$package" | tar -t | grep -E 'inst$|rm$' | tr '\n' ' ' || true)"
[ -z "$scripts" ] || fail "the package has maintainer scripts: $scripts"

# The examples as the tree holds them.
cmp -s "$root/docs/example-survey.csv" "$examples/example-survey.csv" ||
  fail "the installed example-survey.csv differs from docs/"
diff -r "$root/docs/field-example" "$examples/field-example" >"$work/examples.diff" ||
  fail "the installed field example differs from docs/: $(cat "$work/examples.diff")"

# Each manual page and --help names the installed examples in its examples, and every path under
# them it names is there.
check_named() {
  local where="$1" text="$2" named
  named="$(printf '%s\n' "$text" | grep -o "${examples}[^[:space:]]*" | sed 's/[.,;:)]*$//' || true)"
  [ -n "$named" ] || fail "$where names no installed example"
  while read -r path; do
    [ -e "$path" ] || fail "$where names $path, which is not installed"
  done <<<"$named"
}
for page in Kestrivo kestrivo-report kestrivo-plan kestrivo-tabulate; do
  check_named "man $page" "$(LC_ALL=C.UTF-8 MANWIDTH=200 man --nh --nj -l \
    "$usr/share/man/man1/$page.1.gz" 2>/dev/null | col -b)"
done
for program in kestrivo-report kestrivo-plan kestrivo-tabulate; do
  check_named "$program --help" "$("$usr/bin/$program" --help)"
done

# One version everywhere: the package's, the program's and the metainfo's.
version="$(dpkg-deb -f "$package" Version)"
[ "$("$usr/bin/kestrivo-report" --version)" = "kestrivo-report $version" ] ||
  fail "--version: $("$usr/bin/kestrivo-report" --version), package $version"
grep -q "release version=\"$version\"" "$usr/share/metainfo/org.kestrivo.kestrivo.metainfo.xml" ||
  fail "the metainfo's release is not $version"
dpkg-deb -f "$package" Depends | grep -q 'libqt6widgets6' || fail "Depends lacks Qt: $(dpkg-deb -f "$package" Depends)"

# The installed report writes on the installed worked example what the build writes on the tree's.
command=(--pool --stratum ward --blocks-total North=60,South=40)
installed="$(cd "$work" && "$usr/bin/kestrivo-report" "${command[@]}" "$examples/example-survey.csv")"
built="$(cd "$root/docs" && "$built_report" "${command[@]}" example-survey.csv)"
[ "$installed" = "$built" ] || fail "the installed kestrivo-report writes otherwise:
$(diff <(printf '%s\n' "$built") <(printf '%s\n' "$installed"))"

# The installed report draws its plots with the installed plot module, offscreen.
(cd "$work" && env -u DISPLAY "$usr/bin/kestrivo-report" --plots "$work/plots" \
  "$examples/example-survey.csv" >/dev/null) ||
  fail "the installed kestrivo-report could not draw its plots"
[ -s "$work/plots/N-1.png" ] || fail "no plot from the installed kestrivo-report: $(ls "$work/plots")"

# The installed planner runs a short plan and draws it.
"$usr/bin/kestrivo-plan" --blocks-total 100 --target 0.3 --S 0.2 --P 0.4 --dogs-per-block 30 \
  --replicates 20 --bootstrap 200 --plot "$work/plan.svg" >"$work/plan.csv" ||
  fail "the installed kestrivo-plan: $(cat "$work/plan.csv")"
grep -q '^recommended,[0-9]' "$work/plan.csv" || fail "no recommendation: $(cat "$work/plan.csv")"
grep -q '<svg' "$work/plan.svg" || fail "the installed kestrivo-plan drew no SVG"

# The installed tabulator reads the installed ODK Central export into the example's survey, and
# the installed report draws it on a map.
"$usr/bin/kestrivo-tabulate" -o "$work/field.csv" "$examples/field-example/kestrivo_three_counts.zip" \
  2>/dev/null || fail "the installed kestrivo-tabulate"
cmp -s "$work/field.csv" "$examples/field-example/survey.csv" || fail "the installed tabulation differs"
"$usr/bin/kestrivo-report" --pool --map "$work/field.kml" "$work/field.csv" >/dev/null ||
  fail "the installed kestrivo-report drew no map"
grep -q '<Placemark>' "$work/field.kml" || fail "the map has no placemark"

# The installed window opens.
start_x
(cd "$work" && exec "$usr/bin/Kestrivo" >/dev/null 2>&1) &
program_pid=$!
[ -n "$(find_window '^Form1$' 20)" ] || fail "the installed window did not open"

desktop="$usr/share/applications/kestrivo.desktop"
desktop-file-validate "$desktop"
appstreamcli validate --no-net "$usr/share/metainfo/org.kestrivo.kestrivo.metainfo.xml"
# A desktop with no default set for a type may open its files with any application declaring it:
# the entry declares none of the types that every spreadsheet, table or archive comes as.
mime_types="$(sed -n 's/^MimeType=//p' "$desktop" | tr ';' '\n')"
for generic in text/csv text/plain text/tab-separated-values application/zip \
               application/octet-stream application/vnd.ms-excel \
               application/vnd.openxmlformats-officedocument.spreadsheetml.sheet; do
  ! grep -qxF "$generic" <<<"$mime_types" || fail "the desktop entry claims every $generic file"
done
grep -q '^Exec=Kestrivo %F$' "$desktop" || fail "the desktop entry no longer takes the files chosen"

# lintian with no warning: a tag the project cannot mend goes in the package's override file, with
# the reason beside it. Its own notes (run as root) are not tags.
lintian_out="$(lintian --fail-on error,warning "$package" 2>"$work/lintian.err")" ||
  fail "lintian found warnings or errors:
$lintian_out
$(cat "$work/lintian.err")"
echo "package $(basename "$package"): $(stat -c %s "$package") bytes; lintian says:"
printf '%s\n' "${lintian_out:-(nothing)}"
