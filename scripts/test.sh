#!/usr/bin/env bash
# Sets up, builds and runs every test: the whole program with warnings as errors, the core
# again under the address and undefined-behaviour sanitizers, and each fuzz target for a
# bounded time (FUZZ_SECONDS, 45 by default).
set -euo pipefail
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$repo/scripts/setup.sh"
jobs="$(nproc)"
fuzz_seconds="${FUZZ_SECONDS:-45}"

echo "== Build and test (warnings as errors)"
cmake -S "$repo" -B "$repo/build-test" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKEROLT_WERROR=ON >/dev/null
cmake --build "$repo/build-test" -j "$jobs"
(cd "$repo/build-test" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs")
echo "== Translations complete and up to date"
bash "$repo/scripts/check-translations.sh" "$repo/build-test"
echo "== ADIF export read back by an independent ADIF parser"
bash "$repo/scripts/check-adif.sh" "$repo/build-test"

echo "== Core tests under ASan/UBSan, fuzz targets"
cmake -S "$repo" -B "$repo/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_COMPILER=clang++ -DKEROLT_WERROR=ON -DKEROLT_SANITIZE=ON \
  -DKEROLT_BUILD_UI=OFF -DKEROLT_BUILD_BENCH=OFF -DKEROLT_BUILD_FUZZ=ON >/dev/null
cmake --build "$repo/build-asan" -j "$jobs"
(cd "$repo/build-asan" && ctest --output-on-failure -j "$jobs")

for target in "$repo"/build-asan/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name="$(basename "$target")"
  corpus="$repo/build-asan/fuzz/corpus-$name"
  mkdir -p "$corpus"
  seeds=()
  [ -d "$repo/fuzz/seeds/$name" ] && seeds+=("$repo/fuzz/seeds/$name")
  echo "-- $name for ${fuzz_seconds}s"
  log="$repo/build-asan/fuzz/$name.log"
  if ! "$target" -max_total_time="$fuzz_seconds" -close_fd_mask=3 \
      "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$name found a fault" >&2
    exit 1
  fi
  tail -n 1 "$log"
done
echo "== Debian package: contents, lintian, desktop entry, AppStream metainfo"
bash "$repo/scripts/check-package.sh" "$repo/build-test"
echo "All tests passed."
