#!/usr/bin/env bash
# Measures the game's performance figures side by side in one run:
# - start-up to the first painted window, peak memory and idle CPU, for the
#   game and for the bare window (the same controls, no word list), under
#   Xvfb, as medians of RUNS alternating runs;
# - the in-process benchmarks (word files, New Word, length switch, a key);
# - the closing animation, from the summary's dismissal to the end.
# Usage: scripts/measure.sh [RUNS]   (default 15)
set -euo pipefail
runs=${1:-15}
here=$(cd "$(dirname "$0")/.." && pwd)
build="$here/build-release"

"$here/scripts/install-deps.sh" test
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTANGLEWICK_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null

work=$(mktemp -d)
xvfb=
trap '[ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
for n in $(seq 91 199); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
done
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
sleep 1
unset QT_QPA_PLATFORM

# The game runs from its own directory, with the shipped word files.
cp "$build/src/tanglewick" "$build/src/"Words*.Txt "$work/"
cp "$build/bench/bare_window" "$work/"

for ((i = 0; i < runs; i++)); do
  "$build/bench/startup_probe" "$work/tanglewick" >> "$work/game.txt"
  "$build/bench/startup_probe" "$work/bare_window" >> "$work/bare.txt"
done

median() { # FIELD FILE
  sed -n "s/.*$1=\([0-9.]*\).*/\1/p" "$2" | sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'
}
ratio() { echo "scale=2; $1 / $2" | bc; }

game_ms=$(median startup_ms "$work/game.txt"); bare_ms=$(median startup_ms "$work/bare.txt")
game_kib=$(median peak_rss_kib "$work/game.txt"); bare_kib=$(median peak_rss_kib "$work/bare.txt")
game_idle=$(median idle_cpu_ticks "$work/game.txt"); bare_idle=$(median idle_cpu_ticks "$work/bare.txt")

echo
echo "| figure (median of $runs) | Tanglewick | bare window | ratio | target |"
echo "|---|---|---|---|---|"
echo "| start-up to first painted window | ${game_ms} ms | ${bare_ms} ms | $(ratio "$game_ms" "$bare_ms") | <= 1.15 |"
echo "| peak resident memory | $((game_kib / 1024)) MiB | $((bare_kib / 1024)) MiB | $(ratio "$game_kib" "$bare_kib") | <= 1.10 |"
echo "| CPU while idle (ticks over 2 s) | ${game_idle} | ${bare_idle} | | 0 |"
echo

QT_QPA_PLATFORM=offscreen "$build/bench/tanglewick_bench" --benchmark_repetitions=5 \
  --benchmark_report_aggregates_only=true 2>/dev/null | grep -E '^Benchmark|_median'
echo

kill "$xvfb"; xvfb=
bash "$here/tests/e2e/play_under_x11.sh" "$build/src/tanglewick" "$here/data" | grep 'took'
