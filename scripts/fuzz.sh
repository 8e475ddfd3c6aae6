#!/usr/bin/env bash
# Fuzzes the game's word-file reader with libFuzzer for a bounded time.
# Usage: scripts/fuzz.sh [SECONDS]   (default 60)
#
# Installs what is missing (clang, its libFuzzer and sanitizer run-times,
# CMake, Qt), builds fuzz/ with clang in build-fuzz/, and runs the fuzzer on
# a copy of the seed corpus fuzz/corpus/ (the committed corpus never grows).
# Prints the fuzzer's final figures. Exits non-zero when the fuzzer finds a
# crash, a leak or a timeout; the input that did it is kept in
# build-fuzz/artifacts/ and can be replayed with
#   build-fuzz/wordfile_fuzzer build-fuzz/artifacts/<file>
set -euo pipefail

seconds=${1:-60}
[[ $seconds =~ ^[0-9]+$ ]] && [ "$seconds" -gt 0 ] ||
  { echo "usage: $0 [SECONDS]   (a whole number of seconds above 0; default 60)" >&2; exit 2; }

here=$(cd "$(dirname "$0")/.." && pwd)
build="$here/build-fuzz"
"$here/scripts/install-deps.sh" test
cmake -S "$here/fuzz" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)"

# The word file the fuzzer writes for every input lives on tmpfs when there
# is one; the working corpus and the log in a temporary directory.
scratch=$(mktemp -d /dev/shm/tanglewick-fuzz.XXXXXX 2>/dev/null || mktemp -d)
trap 'rm -rf "$scratch"' EXIT
trap 'exit 130' INT TERM
mkdir -p "$scratch/corpus" "$scratch/files" "$build/artifacts"
cp -R "$here/fuzz/corpus/." "$scratch/corpus/"
log="$scratch/fuzz.log"

# Large word files first: word files of 1 MiB, each the worst of one kind for the reader (all commas,
# all blanks, all quotes, one endless line, ...), read once each under the
# same checks. A reader slower than linear in the file takes hours on them
# and shows as a timeout; a linear one takes well under a second.
mkdir -p "$scratch/large"
large() { # name pattern: the pattern repeated to 1 MiB
  local LC_ALL=C text=$2
  while [ ${#text} -lt 1048576 ]; do text+=$text; done
  printf '%s' "${text:0:1048576}" >"$scratch/large/$1"
}
large words-lf $'absolute\n'
large words-crlf $'absolute\r\n'
large lone-crs $'\r'
large line-ends $'\r\n'
large commas ','
large blanks ' '
large blanks-then-comma $' \t  ,'
large blanks-then-line-end $' \t  \n'
large one-line 'x'
large word-in-blanks $'  x  \t'
large quotes '"'
large quoted-commas '"a,b",'
large text-after-quote '"ab"cd'
large unclosed-quotes $'"abc\r\n'
large utf8 $'caf\xC3\xA9,'
large invalid-utf8 $'\xFF\xC3'
{ printf '\xEF\xBB\xBF'; head -c 1048573 "$scratch/large/words-crlf"; } >"$scratch/large/bom-words"
head -c 1048576 /dev/zero >"$scratch/large/nul-bytes"

# Qt is built without frame pointers, so AddressSanitizer's fast unwinder
# records stray stacks through Qt's frames, and its store of allocation
# stacks grew by about 1 KB a run (near 1 GB a minute with the full
# quarantine). Three frames of allocation context and a 64 MB quarantine
# keep the fuzzer near 170 MB for any length of run; replaying a kept input
# without these options gives the full stacks.
asan_options=${ASAN_OPTIONS:-detect_leaks=1:malloc_context_size=3:quarantine_size_mb=64}

# Runs the fuzzer from the scratch folder with the arguments given, its output in log $1.
fuzzer() {
  (cd "$scratch" && TANGLEWICK_FUZZ_TMPDIR="$scratch/files" ASAN_OPTIONS="$asan_options" \
    UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}" "$build/wordfile_fuzzer" \
    -timeout=10 -rss_limit_mb=2048 -artifact_prefix="$build/artifacts/" "${@:2}") >"$1" 2>&1
}

echo "Reading $(ls "$scratch/large" | wc -l) large word files of 1 MiB"
status=0
fuzzer "$scratch/large.log" "$scratch"/large/* || status=$?
if [ "$status" -ne 0 ]; then
  tail -n 40 "$scratch/large.log" >&2
  last=$(sed -n 's|^Running: ||p' "$scratch/large.log" | tail -n 1)
  [ -n "$last" ] && [ -f "$last" ] && cp "$last" "$build/artifacts/large-$(basename "$last")"
  echo "FAILED: reading the large word file ${last##*/} stopped with status $status;" \
    "it is kept in $build/artifacts/ as large-${last##*/}" >&2
  exit 1
fi
sed -n 's|^Executed '"$scratch"'/large/\([^ ]*\) in \([0-9]*\) ms$|  \1: \2 ms|p' "$scratch/large.log"

echo "Fuzzing the word-file reader for $seconds s"
fuzzer "$log" "$scratch/corpus" -dict="$here/fuzz/wordfile.dict" -max_total_time="$seconds" -max_len=65536 \
  -print_final_stats=1 || status=$?

# libFuzzer reports on stderr; show its closing lines and figures.
echo "--- fuzzer log (last lines) ---"
sed -e '/^###### Recommended dictionary/,/^###### End of recommended dictionary/d' -e '/^stat::/d' "$log" | tail -n 25
echo "--- final figures ---"
grep -E '^#[0-9]+[[:space:]]+[A-Z]+[[:space:]]+cov:' "$log" | tail -n 1 || true
grep '^stat::' "$log" || true
echo "corpus grew from $(find "$here/fuzz/corpus" -type f | wc -l) to $(find "$scratch/corpus" -type f | wc -l) inputs (in the temporary copy)"

found=$(grep -E '^(==[0-9]+==ERROR|ALARM: working on the last Unit|SUMMARY: libFuzzer|wordfile_fuzzer: )' "$log" || true)
if [ "$status" -ne 0 ] || [ -n "$found" ]; then
  cp "$log" "$build/artifacts/fuzz-$(date +%Y%m%d-%H%M%S).log"
  echo "FAILED: the fuzzer stopped with status $status" >&2
  [ -n "$found" ] && echo "$found" >&2
  grep -E 'Test unit written to' "$log" >&2 || true
  echo "The input and the log are kept in $build/artifacts/" >&2
  exit 1
fi
echo "No crash, leak or timeout found."
