#!/usr/bin/env bash
# Runs the game's test programs -- tst_platform, tst_words, tst_play and
# tst_closing without a window, tst_game and tst_window with one, offscreen --
# from build/ under valgrind's memcheck. A call past the end of one of Qt's
# tables, which Qt itself does not check, shows here as a use of an
# uninitialised value. Exits non-zero on a failing test, any memory error
# (invalid read or write, use of an uninitialised value, bad free) and any
# definite or possible leak, unless it lies wholly in a system library listed
# in scripts/sanitizers/valgrind.supp.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
. "$here/scripts/lib/check.sh"
build=$here/build

"$here/scripts/install-deps.sh" test
# The normal build, as scripts/test.sh makes it; only these tests are brought up to date.
[ -f "$build/CMakeCache.txt" ] || cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
# Programs built with AddressSanitizer do not run under valgrind.
! grep -q '^TANGLEWICK_SANITIZE:BOOL=ON$' "$build/CMakeCache.txt" ||
  { echo "memcheck: $build is a sanitizer build; use scripts/sanitize.sh for it" >&2; exit 1; }
tests=(tst_platform tst_words tst_play tst_closing tst_game tst_window)
cmake --build "$build" -j"$(nproc)" --target "${tests[@]}"

# The environment and working folder ctest gives it (with the tests' own
# fonts, where cmake/TestFonts.cmake wrote a fonts.conf); stopped after 10
# minutes (it takes half a minute), so that a hang fails the run.
cd "$build/tests"
[ ! -f fonts.conf ] || export FONTCONFIG_FILE=$build/tests/fonts.conf
memcheck() {
  QT_QPA_PLATFORM=offscreen TANGLEWICK_TEST_OUTPUT=$build/tests timeout 600 valgrind --tool=memcheck --quiet \
    --error-exitcode=1 --leak-check=full --show-leak-kinds=definite,possible --errors-for-leak-kinds=definite,possible \
    --track-origins=yes --num-callers=40 --suppressions="$here/scripts/sanitizers/valgrind.supp" "./$1" -silent
}
for test in "${tests[@]}"; do check "memcheck $test" memcheck "$test"; done
finish
