#!/usr/bin/env bash
# Checks the Debian package with Debian's own tools: its contents (dpkg-deb -c), its control
# fields, the desktop entry (desktop-file-validate), the AppStream metainfo (appstreamcli
# validate) and the whole package (lintian, no errors allowed). Usage:
#   check-package.sh BUILD_FOLDER   packages that build (cpack -G DEB) and checks the result
#   check-package.sh FILE.deb       checks a package made before
# A check whose tool is missing is skipped with a line saying so.
set -euo pipefail
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
target="${1:-$repo/build-pkg}"

if ! command -v dpkg-deb >/dev/null; then
  echo "-- skipped: package checks (dpkg-deb missing: not a Debian system)"
  exit 0
fi

if [ -d "$target" ]; then
  if ! command -v dpkg-shlibdeps >/dev/null; then
    echo "-- skipped: package checks (dpkg-shlibdeps missing: apt-get install dpkg-dev)"
    exit 0
  fi
  target="$(cd "$target" && pwd)"
  if [ ! -f "$target/CPackConfig.cmake" ]; then
    echo "-- skipped: package checks ($target was configured without the window)"
    exit 0
  fi
  rm -f "$target"/kerolt_*.deb
  if ! (cd "$target" && cpack -G DEB >"$target/cpack.log" 2>&1); then
    cat "$target/cpack.log"
    echo "FAILED: cpack -G DEB" >&2
    exit 1
  fi
  deb="$(ls "$target"/kerolt_*.deb)"
else
  deb="$target"
fi
echo "-- $(basename "$deb")"

failed=0
fail() {
  echo "FAILED: $*" >&2
  failed=1
}

unpacked="$(mktemp -d)"
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"

# Contents: everything a desktop, apt and man expect from the package.
metainfo=usr/share/metainfo/io.github.kerolt.Kerolt.metainfo.xml
expected=(
  usr/bin/kerolt
  usr/share/applications/kerolt.desktop
  "$metainfo"
  usr/share/man/man1/kerolt.1.gz
  usr/share/doc/kerolt/copyright
  usr/share/doc/kerolt/changelog.gz
)
for size in 16 32 48 64 128 256; do
  expected+=("usr/share/icons/hicolor/${size}x${size}/apps/kerolt.png")
done
listing="$(dpkg-deb -c "$deb" | awk '{ print $NF }')"
for path in "${expected[@]}"; do
  grep -qx "\./$path" <<<"$listing" || fail "dpkg-deb -c: $path missing"
done
[ $failed -eq 0 ] && echo "-- dpkg-deb -c: all ${#expected[@]} files present"

# Control fields: library packages found by dpkg-shlibdeps, the data files recommended.
depends="$(dpkg-deb -f "$deb" Depends)"
grep -q "libqt6widgets6" <<<"$depends" || fail "Depends lacks the Qt libraries: $depends"
grep -q "libhamlib" <<<"$depends" || fail "Depends lacks the Hamlib library: $depends"
grep -q "hamradio-files" <<<"$(dpkg-deb -f "$deb" Recommends)" || fail "Recommends lacks hamradio-files"

# Every screenshot the metainfo names is one of the project's own pictures.
while read -r shot; do
  [ -f "$repo/$shot" ] || fail "metainfo names $shot, which is not in the repository"
done < <(grep -o 'docs/[^<]*' "$unpacked/$metainfo")

if command -v desktop-file-validate >/dev/null; then
  if desktop-file-validate "$unpacked/usr/share/applications/kerolt.desktop"; then
    echo "-- desktop-file-validate: passed"
  else
    fail "desktop-file-validate"
  fi
else
  echo "-- skipped: desktop-file-validate (apt-get install desktop-file-utils)"
fi

if command -v appstreamcli >/dev/null; then
  if appstreamcli validate --no-net --explain "$unpacked/$metainfo" >"$unpacked/appstream.txt" 2>&1; then
    echo "-- appstreamcli validate: passed"
  else
    cat "$unpacked/appstream.txt"
    fail "appstreamcli validate"
  fi
else
  echo "-- skipped: appstreamcli validate (apt-get install appstream)"
fi

if command -v lintian >/dev/null; then
  root=()
  [ "$(id -u)" -eq 0 ] && root=(--allow-root)
  if lintian "${root[@]}" --fail-on error "$deb" >"$unpacked/lintian.txt" 2>&1; then
    echo "-- lintian: no errors ($(grep -c '^W:' "$unpacked/lintian.txt" || true) warnings)"
  else
    fail "lintian"
  fi
  cat "$unpacked/lintian.txt"
else
  echo "-- skipped: lintian (apt-get install lintian)"
fi

[ $failed -eq 0 ] || exit 1
echo "-- package checks passed"
