#!/usr/bin/env bash
# Runs the full-disk tests of a test binary on a 64 KiB tmpfs mounted in a private mount namespace,
# so nothing outside this run sees the mount. Needs root (or CAP_SYS_ADMIN); elsewhere it says why
# and reports the test as skipped.
#   full_disk.sh TEST_BINARY GTEST_FILTER
set -euo pipefail
binary="$1" filter="$2"
if ! unshare -m --propagation private true 2>/dev/null; then
  echo "skipped: no private mount namespace here (unshare -m needs root or CAP_SYS_ADMIN)"
  exit 77
fi
mount_point="$(mktemp -d)"
trap 'rmdir "$mount_point"' EXIT
unshare -m --propagation private sh -c '
  mount -t tmpfs -o size=64k kestrivo-full-disk "$1" || exit 77
  KESTRIVO_FULL_DISK_DIR="$1" exec "$2" --gtest_filter="$3"' sh "$mount_point" "$binary" "$filter"
