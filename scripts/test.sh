#!/usr/bin/env bash
# Installs what is missing, builds the game and its tests, and runs every
# check: the test suite headless (with the real game under Xvfb, and under
# the Orca screen reader), valgrind's memcheck over the test programs, the
# whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer,
# the word-file and window fuzzers for 60 seconds each, the Debian package:
# installed, started from its menu entry, removed again; and the package
# built twice, from two clones in different folders, byte for byte the same.
# Exits non-zero if any of them fails.
set -uo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
. "$here/scripts/lib/check.sh"
"$here/scripts/install-deps.sh" test || exit 1

suite() {
  cmake -S "$here" -B "$here/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null &&
    cmake --build "$here/build" -j"$(nproc)" &&
    QT_QPA_PLATFORM=offscreen ctest --test-dir "$here/build" --output-on-failure --no-tests=error -j"$(nproc)"
}
check suite suite
for script in memcheck sanitize fuzz check-package check-reproducible; do check "$script" "$here/scripts/$script.sh"; done
finish
