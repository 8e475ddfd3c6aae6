#!/usr/bin/env bash
# Builds the Debian package twice from the last commit, in two clones whose
# folders have different paths, a few seconds apart, and checks the two
# packages are the same, byte for byte. When they differ, says which parts
# do: the control or data archive, and which members.
# Usage: check-reproducible.sh
set -uo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
. "$here/scripts/lib/check.sh"
"$here/scripts/install-deps.sh" test || exit 1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for clone in a "second clone"; do
  echo "== $work/$clone"
  git clone -q --no-hardlinks "$here" "$work/$clone" || fail "git clone failed"
  (cd "$work/$clone" &&
    cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DTANGLEWICK_GAMES_LAYOUT=ON \
      -DTANGLEWICK_BUILD_TESTS=OFF -DTANGLEWICK_BUILD_BENCHMARKS=OFF >/dev/null &&
    cmake --build build -j"$(nproc)" >/dev/null && cmake --build build --target package >/dev/null) ||
    fail "the package did not build in $work/$clone"
  sleep 3
done

a=$(echo "$work/a/build/"*.deb) b=$(echo "$work/second clone/build/"*.deb)
check "the same package from both clones: $(basename "$a")"
if ! cmp -s "$a" "$b"; then
  for package in a b; do
    mkdir "$work/$package.parts" && (cd "$work/$package.parts" && ar x "${!package}" && mkdir data control &&
      tar -xf data.tar.* -C data && tar -xf control.tar.* -C control && tar -tvf data.tar.* >listing)
  done
  diff "$work/a.parts/listing" "$work/b.parts/listing" | head -n 20
  diff -rq "$work/a.parts" "$work/b.parts"
  fail "two builds of the same commit made different packages"
fi
echo "sha256 $(sha256sum <"$a" | cut -c1-16)…"
finish
