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
# A file that is no Cabrillo 3.0 log is refused as --check refuses it.
code=0
QT_QPA_PLATFORM=offscreen "$build/kerolt" --adif "$repo/tools/adif-check/expected.json" >/dev/null 2>&1 || code=$?
[ "$code" -eq 2 ] || { echo "kerolt --adif on a file that is no log: exit $code, expected 2" >&2; exit 1; }
