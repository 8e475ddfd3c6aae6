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

# Debug: no optimisation to hide faults behind, and Qt's Q_ASSERT bounds
# checks on in the Qt code our files include; _GLIBCXX_ASSERTIONS adds them
# to the standard containers, within whose capacity AddressSanitizer is blind.
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DTANGLEWICK_SANITIZE=ON -DTANGLEWICK_BUILD_BENCHMARKS=OFF \
  -DCMAKE_CXX_FLAGS=-D_GLIBCXX_ASSERTIONS >/dev/null
cmake --build "$build" -j"$(nproc)"

# Every option is explicit, not the runtime's default; the caller's own come
# last and win. AddressSanitizer stops at the first error with status 1 (no
# core files) and also catches a local used after its function returned and
# globals built in the wrong order; UndefinedBehaviorSanitizer halts with a
# stack; LeakSanitizer checks each program at exit, what the suppressions of
# system-library leaks hid is shown after the run.
export QT_QPA_PLATFORM=offscreen
asan=detect_leaks=1:halt_on_error=1:abort_on_error=0:exitcode=1:detect_stack_use_after_return=1
asan+=:check_initialization_order=1:strict_init_order=1:print_summary=1:color=never
export ASAN_OPTIONS=$asan${ASAN_OPTIONS:+:$ASAN_OPTIONS}
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1:report_error_type=1:color=never${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}
export LSAN_OPTIONS=suppressions=$here/scripts/sanitizers/lsan.supp:print_suppressions=1${LSAN_OPTIONS:+:$LSAN_OPTIONS}

# The end-to-end tests inherit this through ctest, so the real game runs
# instrumented too (its leaks are not checked: it leaves through std::_Exit;
# the test programs build and close the same window in-process).
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
