#!/usr/bin/env bash
# Fails when a catalogue lacks a text of the sources, holds an unfinished one or one the
# sources no longer have, or when lupdate warns about how a text is marked. Works on copies:
# the catalogues in translations/ stay as they are. Usage: check-translations.sh [scratch dir]
set -euo pipefail
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
lupdate="${LUPDATE:-/usr/lib/qt6/bin/lupdate}"
scratch="$(mktemp -d "${1:-${TMPDIR:-/tmp}}/kerolt-ts.XXXXXX")"
trap 'rm -rf "$scratch"' EXIT
cd "$repo"
failed=0
for language in sv fi nb da; do
  ts="translations/kerolt_$language.ts"
  copy="$scratch/kerolt_$language.ts"
  cp "$ts" "$copy"
  "$lupdate" -locations none -tr-function-alias QT_TRANSLATE_NOOP+=KT -I . -extensions cpp,h \
    -source-language en -target-language "$language" \
    ui main.cpp cabrillo contest adif country calls common -ts "$copy" >"$scratch/log" 2>&1
  # Anything beyond lupdate's counts is a warning about how a text is marked.
  grep -vE '^(Updating |Scanning directory |    Found |    Kept |    Removed |    Same-text )' "$scratch/log" \
    >"$scratch/warnings" || true
  warnings="$(wc -l <"$scratch/warnings")"
  if [ "$warnings" -ne 0 ]; then
    cat "$scratch/warnings" >&2
    echo "$ts: lupdate printed $warnings warning(s)" >&2
    failed=1
  fi
  if ! cmp -s "$ts" "$copy"; then
    echo "$ts: out of date with the sources (run scripts/update-translations.sh)" >&2
    failed=1
  fi
  unfinished="$(grep -c 'type="unfinished"' "$copy" || true)"
  vanished="$(grep -cE 'type="(vanished|obsolete)"' "$copy" || true)"
  if [ "$unfinished" -ne 0 ]; then
    echo "$ts: $unfinished unfinished translation(s)" >&2
    failed=1
  fi
  if [ "$vanished" -ne 0 ]; then
    echo "$ts: $vanished vanished or obsolete entr(y/ies)" >&2
    failed=1
  fi
done
[ "$failed" -eq 0 ] && echo "Translations complete."
exit "$failed"
