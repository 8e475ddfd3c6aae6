#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh" run
cmake -S "$here" -B "$here/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$here/build" --target tanglewick -j"$(nproc)"
exec "$here/build/src/tanglewick"
