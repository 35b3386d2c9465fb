#!/usr/bin/env bash
# Refreshes translations/kerolt_<language>.ts from the sources: the one way to add the texts
# the code gained and drop those it lost. Without locations, so moving code leaves them alone.
set -euo pipefail
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
lupdate="${LUPDATE:-/usr/lib/qt6/bin/lupdate}"
cd "$repo"
for language in sv fi nb da; do
  "$lupdate" -silent -locations none -no-obsolete -tr-function-alias QT_TRANSLATE_NOOP+=KT \
    -I . -extensions cpp,h -source-language en -target-language "$language" \
    ui main.cpp cabrillo contest adif country calls common \
    -ts "translations/kerolt_$language.ts"
done
