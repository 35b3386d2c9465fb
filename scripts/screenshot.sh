#!/usr/bin/env bash
# Builds Kerolt, starts its real main window under Xvfb, fills the station page and logs a few
# QSOs with typed keys, and saves the pictures used by the README: docs/station-page.png (or the
# path given) and, beside it, log-page.png, cabrillo-page.png, mult-list-page.png and
# results-window.png. KEROLT_SCREENSHOT_LANG (a locale such as sv_SE.UTF-8) takes them in that
# language; English without it.
set -euo pipefail
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="$(realpath -m "${1:-$repo/docs/station-page.png}")"
build="${KEROLT_SCREENSHOT_BUILD:-$repo/build-screenshot}"
bash "$repo/scripts/setup.sh"
cmake -S "$repo" -B "$build" -G Ninja -DKEROLT_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target kerolt_screenshot
mkdir -p "$(dirname "$out")"
# The program reads CTY.DAT and writes Last.log in its working directory: a scratch folder with
# the working directory's country file, else the packaged one.
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
if [ -f CTY.DAT ]; then
  cp CTY.DAT "$work/CTY.DAT"
elif [ -f /usr/share/hamradio-files/cty.dat ]; then
  cp /usr/share/hamradio-files/cty.dat "$work/CTY.DAT"
fi
(cd "$work" && env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG="${KEROLT_SCREENSHOT_LANG:-C.UTF-8}" xvfb-run -a -s "-screen 0 1024x768x24" \
  "$build/tools/screenshot/kerolt_screenshot" "$out")
