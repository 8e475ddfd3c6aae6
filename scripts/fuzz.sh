#!/usr/bin/env bash
# Fuzzes the game with libFuzzer for a bounded time: the word-file reader
# (fuzz/wordfile_fuzzer.cpp) and the game's window played with a player's
# keys and clicks (fuzz/window_fuzzer.cpp), SECONDS each.
# Usage: scripts/fuzz.sh [SECONDS]   (default 60)
#
# Installs what is missing (clang, its libFuzzer and sanitizer run-times,
# CMake, Qt), builds fuzz/ with clang in build-fuzz/, and runs each fuzzer on
# a copy of its seed corpus, fuzz/corpus/ and fuzz/window_corpus/ (the
# committed corpora never grow). Prints each fuzzer's final figures. Exits
# non-zero when either finds a crash, a leak or a timeout; the input that did
# it is kept in build-fuzz/artifacts/, named after its fuzzer, and can be
# replayed with
#   LSAN_OPTIONS=suppressions=scripts/sanitizers/lsan.supp \
#     build-fuzz/<fuzzer> build-fuzz/artifacts/<fuzzer>-<file>
set -euo pipefail

seconds=${1:-60}
[[ $seconds =~ ^[0-9]+$ ]] && [ "$seconds" -gt 0 ] ||
  { echo "usage: $0 [SECONDS]   (a whole number of seconds above 0; default 60)" >&2; exit 2; }

here=$(cd "$(dirname "$0")/.." && pwd)
build="$here/build-fuzz"

"$here/scripts/install-deps.sh" test
cmake -S "$here/fuzz" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)"

# The word files the fuzzers write live on tmpfs when there is one; the
# working corpora and the logs in a temporary directory.
shm=/dev/shm
[ -d "$shm" ] && [ -w "$shm" ] || shm=${TMPDIR:-/tmp}
scratch=$(mktemp -d "$shm/tanglewick-fuzz.XXXXXX")
trap 'rm -rf "$scratch"' EXIT; trap 'exit 130' INT TERM
mkdir -p "$scratch/files" "$scratch/large" "$build/artifacts"

# Large word files first: word files of 1 MiB, each the worst of one kind for the reader (all commas,
# all blanks, all quotes, one endless line, ...), read once each under the
# same checks. A reader slower than linear in the file takes hours on them
# and shows as a timeout; a linear one takes well under a second.
large() { # name pattern: the pattern repeated to 1 MiB
  local LC_ALL=C text=$2
  while [ ${#text} -lt 1048576 ]; do text+=$text; done
  printf '%s' "${text:0:1048576}" >"$scratch/large/$1"
}
large words-lf $'absolute\n'; large words-crlf $'absolute\r\n'
large lone-crs $'\r'; large line-ends $'\r\n'
large commas ','; large blanks ' '
large blanks-then-comma $' \t  ,'; large blanks-then-line-end $' \t  \n'
large one-line 'x'; large word-in-blanks $'  x  \t'
large quotes '"'; large quoted-commas '"a,b",'
large text-after-quote '"ab"cd'; large unclosed-quotes $'"abc\r\n'
large utf8 $'caf\xC3\xA9,'; large invalid-utf8 $'\xFF\xC3'
{ printf '\xEF\xBB\xBF'; head -c 1048573 "$scratch/large/words-crlf"; } >"$scratch/large/bom-words"
head -c 1048576 /dev/zero >"$scratch/large/nul-bytes"

# Qt is built without frame pointers, so AddressSanitizer's fast unwinder
# records stray stacks through Qt's frames, and its store of allocation
# stacks grew by about 1 KB a run (near 1 GB a minute with the full
# quarantine). Three frames of allocation context and a 64 MB quarantine
# keep the fuzzer near 170 MB for any length of run; replaying a kept input
# without these options gives the full stacks.
asan_options=${ASAN_OPTIONS:-detect_leaks=1:malloc_context_size=3:quarantine_size_mb=64}
export LSAN_OPTIONS=suppressions=$here/scripts/sanitizers/lsan.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}

# Runs fuzzer $1 from the scratch folder with the arguments given, its output in log $2.
fuzzer() {
  (cd "$scratch" && TANGLEWICK_FUZZ_TMPDIR="$scratch/files" TMPDIR="$scratch/files" ASAN_OPTIONS="$asan_options" \
    UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}" "$build/$1" \
    -timeout=10 -rss_limit_mb=2048 -artifact_prefix="$build/artifacts/$1-" "${@:3}") >"$2" 2>&1
}

echo "Reading $(ls "$scratch/large" | wc -l) large word files of 1 MiB"
status=0
fuzzer wordfile_fuzzer "$scratch/large.log" "$scratch"/large/* || status=$?
if [ "$status" -ne 0 ]; then
  tail -n 40 "$scratch/large.log" >&2
  last=$(sed -n 's|^Running: ||p' "$scratch/large.log" | tail -n 1)
  [ -n "$last" ] && [ -f "$last" ] && cp "$last" "$build/artifacts/wordfile_fuzzer-large-$(basename "$last")"
  echo "FAILED: reading the large word file ${last##*/} stopped with status $status;" \
    "it is kept in $build/artifacts/ as wordfile_fuzzer-large-${last##*/}" >&2
  exit 1
fi
sed -n 's|^Executed '"$scratch"'/large/\([^ ]*\) in \([0-9]*\) ms$|  \1: \2 ms|p' "$scratch/large.log"

# Fuzzes $1 ($4) for the time asked from a copy of the seed corpus fuzz/$2,
# dictionary fuzz/$3, inputs up to $5 bytes, further libFuzzer options after;
# prints its closing lines and figures, and fails if it found anything.
fuzz() {
  local log="$scratch/$1.log" corpus="$scratch/$2" status=0 found
  cp -R "$here/fuzz/$2" "$corpus"
  echo "Fuzzing $4 for $seconds s"
  fuzzer "$1" "$log" "$corpus" -dict="$here/fuzz/$3" -max_total_time="$seconds" -max_len="$5" \
    -print_final_stats=1 "${@:6}" || status=$?
  # libFuzzer reports on stderr; show its closing lines and figures.
  echo "--- $1 log (last lines) ---"
  sed -e '/^###### Recommended dictionary/,/^###### End of recommended dictionary/d' -e '/^stat::/d' "$log" | tail -n 25
  echo "--- $1 final figures ---"
  grep -E '^#[0-9]+[[:space:]]+[A-Z]+[[:space:]]+cov:' "$log" | tail -n 1 || true
  grep '^stat::' "$log" || true
  echo "corpus grew from $(find "$here/fuzz/$2" -type f | wc -l) to $(find "$corpus" -type f | wc -l) inputs (in the temporary copy)"
  found=$(grep -E '^(==[0-9]+==ERROR|ALARM: working on the last Unit|SUMMARY: libFuzzer|'"$1"': )' "$log" || true)
  if [ "$status" -ne 0 ] || [ -n "$found" ]; then
    cp "$log" "$build/artifacts/$1-$(date +%Y%m%d-%H%M%S).log"
    echo "FAILED: $1 stopped with status $status" >&2
    [ -n "$found" ] && echo "$found" >&2
    grep -E 'Test unit written to' "$log" >&2 || true
    echo "Input and log kept in $build/artifacts/; replay: LSAN_OPTIONS=$LSAN_OPTIONS $build/$1 <input>" >&2
    return 1
  fi
}

failed=0
fuzz wordfile_fuzzer corpus wordfile.dict "the word-file reader" 65536 || failed=1
# A few games' worth of moves (a guess takes up to 13), at full length at once.
fuzz window_fuzzer window_corpus window.dict "the game's window" 64 -len_control=0 || failed=1
[ "$failed" -eq 0 ] && echo "No crash, leak or timeout found."
exit "$failed"
