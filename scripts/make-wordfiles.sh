#!/usr/bin/env bash
# Builds the five word files in data/ from Debian's wamerican-small list:
# every word of exactly N letters a to z (no capitals, apostrophes or
# accents), deduplicated and sorted, one per line with CRLF line ends.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
dict=/usr/share/dict/american-english-small
if [ ! -r "$dict" ]; then
  echo "make-wordfiles: $dict is missing; install the wamerican-small package" >&2
  exit 1
fi
for n in 8 9 10 11 12; do
  LC_ALL=C grep -E "^[a-z]{$n}\$" "$dict" | LC_ALL=C sort -u | sed 's/$/\r/' > "$here/data/Words$n.Txt"
  echo "Words$n.Txt: $(wc -l < "$here/data/Words$n.Txt") words"
done
cp /usr/share/doc/wamerican-small/copyright "$here/data/WORDLIST-COPYRIGHT"
