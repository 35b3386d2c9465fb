#!/usr/bin/env bash
# Sets up, builds and starts Kerolt in the current directory (where CTY.DAT and Last.log live).
set -euo pipefail
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$repo/scripts/setup.sh"
cmake -S "$repo" -B "$repo/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DKEROLT_BUILD_TESTS=OFF -DKEROLT_BUILD_BENCH=OFF >/dev/null
cmake --build "$repo/build" --target kerolt
exec "$repo/build/kerolt" "$@"
