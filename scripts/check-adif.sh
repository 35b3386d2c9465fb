#!/usr/bin/env bash
# Proves the ADIF export with a parser that Kerolt's developers did not write: installs
# adif-parser-ts (pinned in tools/adif-check) into the build folder, exports the known log with
# `kerolt --adif` and compares every field of every QSO read back. Usage: check-adif.sh BUILD_DIR
set -euo pipefail
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(cd "${1:?usage: check-adif.sh BUILD_DIR}" && pwd)"
work="$build/adif-check"
mkdir -p "$work"
cp "$repo/tools/adif-check/package.json" "$repo/tools/adif-check/package-lock.json" \
  "$repo/tools/adif-check/check.mjs" "$work/"
(cd "$work" && npm ci --no-audit --no-fund --silent)
version="$(sed -n 's/^project(Kerolt VERSION \([0-9.]*\).*/\1/p' "$repo/CMakeLists.txt")"
QT_QPA_PLATFORM=offscreen "$build/kerolt" --adif "$repo/tools/adif-check/known.log" -o "$work/known.adi"
node "$work/check.mjs" "$work/known.adi" "$repo/tools/adif-check/expected.json" "$version"
# The same log with a line that is no QSO and a QSO whose time is none: both are named, the
# export exits 1, and what it wrote holds the known QSOs alone, read back by the same parser.
code=0
QT_QPA_PLATFORM=offscreen "$build/kerolt" --adif "$repo/tools/adif-check/broken.log" \
  -o "$work/broken.adi" 2>"$work/broken.err" || code=$?
[ "$code" -eq 1 ] || { echo "kerolt --adif on a log with broken lines: exit $code, expected 1" >&2; exit 1; }
grep -q ':24: QSO line not read: call "59" is a number, not a call' "$work/broken.err" &&
  grep -q 'left out: QSO 6 (DL2ABC 2019-10-12 13O2): time "13O2" is no time' "$work/broken.err" ||
  { echo "kerolt --adif did not name the broken lines:" >&2; cat "$work/broken.err" >&2; exit 1; }
node "$work/check.mjs" "$work/broken.adi" "$repo/tools/adif-check/expected.json" "$version"
# A file that is no Cabrillo 3.0 log is refused as --check refuses it.
code=0
QT_QPA_PLATFORM=offscreen "$build/kerolt" --adif "$repo/tools/adif-check/expected.json" >/dev/null 2>&1 || code=$?
[ "$code" -eq 2 ] || { echo "kerolt --adif on a file that is no log: exit $code, expected 2" >&2; exit 1; }
