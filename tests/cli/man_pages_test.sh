#!/usr/bin/env bash
# Every long option a program's --help lists is described in the OPTIONS section of its man
# page's source, so that an option added to a program cannot be left out of its manual.
#   man_pages_test.sh SHARE PROGRAM ...
set -euo pipefail
share="$1"
shift
fail() { echo "FAIL: $*" >&2; exit 1; }
for program in "$@"; do
  name="$(basename "$program")"
  page="$share/$name.1.in"
  [ -f "$page" ] || fail "$name has no man page source $page"
  options="$("$program" --help | sed -n '/^Options:/,/^$/p' |
    grep -oE '^ +(-[A-Za-z],)?--[A-Za-z][A-Za-z0-9-]*' | sed 's/.*--/--/')"
  [ "$(wc -l <<<"$options")" -ge 3 ] || fail "$name --help lists too few options: $options"
  # The OPTIONS section as text: roff's \- read as -, font changes dropped.
  section="$(sed -n '/^\.SH OPTIONS/,/^\.SH /p' "$page" | sed 's/\\-/-/g; s/\\f[BIRP]//g')"
  for option in $options; do
    grep -qE -- "(^|[^A-Za-z0-9-])$option([^A-Za-z0-9-]|\$)" <<<"$section" ||
      fail "$name: $option is in --help but not in the OPTIONS of $page"
  done
done
# The README's synopsis of a program, where it gives one, names every option too.
checked=""
if [ -n "${KESTRIVO_README:-}" ]; then
  for program in "$@"; do
    name="$(basename "$program")"
    synopsis="$(awk -v name="$name" '$0 ~ "^    " name " (\\[|--)" { on = 1; print; next }
      on && /^                 / { print; next } { on = 0 }' "$KESTRIVO_README")"
    [ -n "$synopsis" ] || continue
    for option in $("$program" --help | sed -n '/^Options:/,/^$/p' |
      grep -oE '^ +(-[A-Za-z],)?--[A-Za-z][A-Za-z0-9-]*' | sed 's/.*--/--/'); do
      grep -qE -- "(^|[^A-Za-z0-9-])$option([^A-Za-z0-9-]|\$)" <<<"$synopsis" ||
        fail "$name: $option is in --help but not in the README's synopsis"
    done
    checked="$checked $name"
  done
  [ -n "${checked:-}" ] || fail "no synopsis found in $KESTRIVO_README"
fi
echo "man pages: every option of --help described"
