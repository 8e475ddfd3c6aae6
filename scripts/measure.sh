#!/usr/bin/env bash
# Measures the game's performance figures side by side in one run, against
# a plain Qt window with about the same controls in the default font and no
# word list (bench/plain_window.cpp), with the bare window (the game's own
# window without its word list) and the plain window set in the game's five
# bold fonts (what the fonts alone cost) beside them:
# - start-up to the first painted window, peak memory and idle CPU, under
#   Xvfb, as medians of RUNS interleaved runs;
# - the instructions from process start to the first idle moment with the
#   window painted, counted by callgrind, as medians of COUNTS runs (the
#   game's count moves by about 0.2 % with the word it draws);
# - the in-process benchmarks (word files, New Word, length switch, a key);
# - the closing animation, from the summary's dismissal to the end.
# The callgrind profiles are kept in build-release/callgrind/ for
# callgrind_annotate.
# Usage: scripts/measure.sh [RUNS [COUNTS]]   (defaults 15 and 3)
set -euo pipefail
runs=${1:-15}
counts=${2:-3}
here=$(cd "$(dirname "$0")/.." && pwd)
build="$here/build-release"

"$here/scripts/install-deps.sh" test
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTANGLEWICK_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null

. "$here/scripts/lib/x11test.sh"
make_work
start_xvfb

# Each program runs from one directory, the game's with the shipped word files.
cp "$build/src/tanglewick" "$build/src/"Words*.Txt "$work/"
for program in bare_window plain_window tanglewick_to_idle bare_window_to_idle plain_window_to_idle; do
  cp "$build/bench/$program" "$work/"
done

for ((i = 0; i < runs; i++)); do
  "$build/bench/startup_probe" "$work/tanglewick" >> "$work/game.txt"
  "$build/bench/startup_probe" "$work/bare_window" >> "$work/bare.txt"
  "$build/bench/startup_probe" "$work/plain_window" >> "$work/plain.txt"
  "$build/bench/startup_probe" "$work/plain_window" --game-fonts >> "$work/fonts.txt"
done

# Nothing may differ between runs but the program: Qt's hash seed and the
# other random salts are fixed, and there is no session bus to connect to
# (without this, Qt would try to start one at a moment of its own).
mkdir -p "$build/callgrind"
count_instructions() { # PROGRAM RUN NAME [ARGUMENTS...]
  local profile="$build/callgrind/$3.$2.out"
  QT_HASH_SEED=0 DBUS_SESSION_BUS_ADDRESS=disabled: LD_PRELOAD="$build/bench/libfixed_entropy.so" \
    valgrind --tool=callgrind --callgrind-out-file="$profile" "$work/$1_to_idle" "${@:4}" >/dev/null 2>&1 \
    || fail "$1_to_idle did not end well under callgrind"
  echo "instructions=$(sed -n 's/^summary: //p' "$profile")"
}
for ((i = 1; i <= counts; i++)); do
  count_instructions tanglewick "$i" tanglewick >> "$work/game.txt"
  count_instructions bare_window "$i" bare_window >> "$work/bare.txt"
  count_instructions plain_window "$i" plain_window >> "$work/plain.txt"
  count_instructions plain_window "$i" plain_window_game_fonts --game-fonts >> "$work/fonts.txt"
done

values() { sed -n "s/.*$1=\([0-9.]*\).*/\1/p" "$2"; } # FIELD FILE
median() { values "$1" "$2" | sort -n | awk '{a[NR]=$1} END {printf "%.15g\n", (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }
spread() { values instructions "$1" | sort -n | awk '{a[NR]=$1} END {printf "%d (%.3f %%)", a[NR] - a[1], 100 * (a[NR] - a[1]) / a[1]}'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }
millions() { awk -v n="$1" 'BEGIN {printf "%.1f M", n / 1e6}'; }

for program in game bare plain fonts; do
  declare "${program}_ms=$(median startup_ms "$work/$program.txt")"
  declare "${program}_ir=$(median instructions "$work/$program.txt")"
  declare "${program}_kib=$(median peak_rss_kib "$work/$program.txt")"
  declare "${program}_idle=$(median idle_cpu_ticks "$work/$program.txt")"
done

echo
echo "| figure | Tanglewick | bare window | plain window | plain, game's fonts | Tanglewick / plain" \
  "| target | Tanglewick / plain in game's fonts |"
echo "|---|---|---|---|---|---|---|---|"
echo "| start-up to the first painted window (median of $runs) | ${game_ms} ms | ${bare_ms} ms | ${plain_ms} ms" \
  "| ${fonts_ms} ms | $(ratio "$game_ms" "$plain_ms") | <= 1.15 | $(ratio "$game_ms" "$fonts_ms") |"
echo "| instructions to idle (callgrind, median of $counts) | $(millions "$game_ir") | $(millions "$bare_ir")" \
  "| $(millions "$plain_ir") | $(millions "$fonts_ir") | $(ratio "$game_ir" "$plain_ir") | <= 1.20" \
  "| $(ratio "$game_ir" "$fonts_ir") |"
echo "| peak resident memory | $((game_kib / 1024)) MiB | $((bare_kib / 1024)) MiB | $((plain_kib / 1024)) MiB" \
  "| $((fonts_kib / 1024)) MiB | $(ratio "$game_kib" "$plain_kib") | <= 1.10 | $(ratio "$game_kib" "$fonts_kib") |"
echo "| CPU while idle (ticks over 2 s) | ${game_idle} | ${bare_idle} | ${plain_idle} | ${fonts_idle} | | 0 | |"
echo
echo "Instructions to idle, highest minus lowest of $counts counts: Tanglewick $(spread "$work/game.txt")," \
  "bare window $(spread "$work/bare.txt"), plain window $(spread "$work/plain.txt"), plain window in the" \
  "game's fonts $(spread "$work/fonts.txt")."
echo

QT_QPA_PLATFORM=offscreen "$build/bench/tanglewick_bench" --benchmark_repetitions=5 \
  --benchmark_report_aggregates_only=true 2>/dev/null | grep -E '^Benchmark|_median'
echo

cleanup && pids=() # the X server's work is done
bash "$here/tests/e2e/play_under_x11.sh" "$build/src/tanglewick" "$here/data" | grep -m1 'to the end'
