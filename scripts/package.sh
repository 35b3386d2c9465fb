#!/usr/bin/env bash
# Builds the Debian package kerolt_VERSION_ARCH.deb into the current folder: a Release build of
# the program with Debian's hardening flags, stripped and packaged by CPack. Install it with
# `apt-get install ./kerolt_*.deb`.
set -euo pipefail
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${KEROLT_PACKAGE_BUILD:-$repo/build-pkg}"
bash "$repo/scripts/setup.sh"

export DEB_BUILD_MAINT_OPTIONS="hardening=+all"
cxxflags="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
ldflags="$(dpkg-buildflags --get LDFLAGS)"
cmake -S "$repo" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" \
  -DKEROLT_BUILD_TESTS=OFF -DKEROLT_BUILD_BENCH=OFF -DKEROLT_BUILD_FUZZ=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target kerolt kerolt_data
rm -f "$build"/kerolt_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
cp "$build"/kerolt_*.deb .
ls kerolt_*.deb
