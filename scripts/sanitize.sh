#!/usr/bin/env bash
# Builds the game and its tests with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-asan/ and runs every test there, the
# real game under X11 included. Exits non-zero on any failing test and on any
# sanitizer report: memory errors and undefined behaviour end the program at
# once; leaks fail it at exit unless they lie wholly in a system library
# listed in scripts/sanitizers/lsan.supp.
# Usage: sanitize.sh [extra ctest arguments, e.g. -R tst_logic]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$here/build-asan

"$here/scripts/install-deps.sh" test

# Debug: no optimisation to hide faults behind, and Qt's own Q_ASSERT checks
# (index bounds of QList, QString and the like) stay on in the Qt code our
# files include. _GLIBCXX_ASSERTIONS adds the same bounds checks to the
# standard containers, which AddressSanitizer cannot see past a container's
# size while it is still within its capacity.
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DTANGLEWICK_SANITIZE=ON -DTANGLEWICK_BUILD_BENCHMARKS=OFF \
  -DCMAKE_CXX_FLAGS=-D_GLIBCXX_ASSERTIONS >/dev/null
cmake --build "$build" -j"$(nproc)"

# Every option is given explicitly so the run does not depend on the
# defaults of the compiler's sanitizer runtime. Options already set by the
# caller come last and win (handy for verbosity=1 and the like).
# - AddressSanitizer: stop at the first error with exit status 1 (not an
#   abort, so no core files); also catch use of a local after its function
#   returned (a lambda or a signal holding a reference to a dead local) and
#   a global built from another file's global that is not built yet.
# - UndefinedBehaviorSanitizer: the build already makes every check fatal
#   (-fno-sanitize-recover=all); halt_on_error keeps it so for any code
#   built without that flag, and the stack and the check's name say where.
# - LeakSanitizer: runs when each program exits; system-library leaks are
#   suppressed by scripts/sanitizers/lsan.supp; what it hid is shown after
#   the run so that no suppression goes unnoticed.
export QT_QPA_PLATFORM=offscreen
asan=detect_leaks=1:halt_on_error=1:abort_on_error=0:exitcode=1
asan+=:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1
asan+=:print_summary=1:color=never
export ASAN_OPTIONS=$asan${ASAN_OPTIONS:+:$ASAN_OPTIONS}
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1:report_error_type=1:color=never${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}
export LSAN_OPTIONS=suppressions=$here/scripts/sanitizers/lsan.supp:print_suppressions=1${LSAN_OPTIONS:+:$LSAN_OPTIONS}

# The X11 test (e2e_play_under_x11) inherits this environment through ctest,
# so the real game runs instrumented under Xvfb as well: an error there ends
# it with status 1 instead of the 0 or 2 the test expects. Its leaks are not
# checked there: the game leaves through std::_Exit, which runs no exit
# handler, LeakSanitizer's included; the test programs build and close the
# same window in-process, and their leaks are checked.
status=0
ctest --test-dir "$build" --output-on-failure --no-tests=error -j"$(nproc)" "$@" || status=$?

# A report from a program whose exit status no test looks at would pass
# unnoticed; every report leaves its summary line in ctest's log.
log=$build/Testing/Temporary/LastTest.log
if [ -f "$log" ] && grep -q 'Suppressions used:' "$log"; then
  echo "sanitize: leaks hidden by scripts/sanitizers/lsan.supp:" >&2
  grep -A12 'Suppressions used:' "$log" | grep -E '^ *[0-9]+ +[0-9]+ ' | sort | uniq -c >&2 || true
fi
if [ -f "$log" ] && grep -E 'ERROR: (Address|Leak|UndefinedBehavior)Sanitizer|^SUMMARY: [A-Za-z]*Sanitizer|: runtime error: ' "$log" >&2; then
  echo "sanitize: sanitizer reports in the test output above (full output: $log)" >&2
  [ "$status" -ne 0 ] || status=1
fi
exit "$status"
