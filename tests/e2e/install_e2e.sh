#!/usr/bin/env bash
# Installs the build into a temporary prefix, checks the layout a desktop expects, and runs the
# end-to-end test against the installed program.
#   install_e2e.sh BUILD_DIR WINDOW_E2E_SCRIPT PLANTED_LIBRARY
set -euo pipefail
build="$1" e2e="$2" planted="$3"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/Kestrivo lib/kestrivo/libKestrivo.so share/applications/kestrivo.desktop \
         share/icons/hicolor/scalable/apps/kestrivo.svg; do
  [ -f "$prefix/$f" ] || { echo "FAIL: $f is not installed" >&2; exit 1; }
done
grep -q '^Exec=Kestrivo$' "$prefix/share/applications/kestrivo.desktop"
grep -q '^Icon=kestrivo$' "$prefix/share/applications/kestrivo.desktop"
"$e2e" "$prefix/bin/Kestrivo" "$prefix/screenshots" "$planted"
