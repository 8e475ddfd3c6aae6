#!/usr/bin/env bash
# Runs the game's test program that needs no window -- tst_logic, the word
# files, the play logic and the host services -- from build/ under
# valgrind's memcheck. Exits non-zero on any failing test, any memory error
# (invalid read or write, use of an uninitialised value, bad free) and any
# definite or possible leak, unless it lies wholly in a system library listed
# in scripts/sanitizers/valgrind.supp.
# Needs valgrind (apt-get install valgrind).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$here/build
programs=(tst_logic)

"$here/scripts/install-deps.sh" test

# The normal build, as scripts/test.sh makes it; only these programs are
# brought up to date.
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
# Programs built with AddressSanitizer do not run under valgrind.
if grep -q '^TANGLEWICK_SANITIZE:BOOL=ON$' "$build/CMakeCache.txt"; then
  echo "memcheck: $build is a sanitizer build; use scripts/sanitize.sh for it" >&2
  exit 1
fi
cmake --build "$build" -j"$(nproc)" --target "${programs[@]}"

# The same environment and working folder ctest gives these programs.
export QT_QPA_PLATFORM=offscreen
export TANGLEWICK_TEST_OUTPUT=$build/tests
cd "$build/tests"

# Each program is stopped after 10 minutes (it takes seconds) so that a
# hang fails the run instead of stalling it.
failed=()
for program in "${programs[@]}"; do
  echo "== memcheck $program"
  if timeout 600 valgrind --tool=memcheck --quiet --error-exitcode=1 \
      --leak-check=full --show-leak-kinds=definite,possible --errors-for-leak-kinds=definite,possible \
      --track-origins=yes --num-callers=40 \
      --suppressions="$here/scripts/sanitizers/valgrind.supp" \
      "./$program" -silent; then
    echo "   passed"
  else
    echo "   FAILED (status $?)"
    failed+=("$program")
  fi
done

if [ ${#failed[@]} -ne 0 ]; then
  echo "memcheck: failed: ${failed[*]}" >&2
  exit 1
fi
echo "memcheck: passed: ${programs[*]}"
