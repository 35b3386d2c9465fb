#!/usr/bin/env bash
# Builds Kerolt, starts its real main window under Xvfb, fills the station page with typed
# keys and saves the picture used by the README (docs/station-page.png, or the path given).
set -euo pipefail
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="${1:-$repo/docs/station-page.png}"
build="${KEROLT_SCREENSHOT_BUILD:-$repo/build-screenshot}"
bash "$repo/scripts/setup.sh"
cmake -S "$repo" -B "$build" -G Ninja -DKEROLT_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target kerolt_screenshot
mkdir -p "$(dirname "$out")"
# The country file of the working directory is used, as by the program itself.
xvfb-run -a -s "-screen 0 1024x768x24" "$build/tools/screenshot/kerolt_screenshot" "$out"
