#!/usr/bin/env bash
# Installs what building, running and testing Kerolt needs, when something is missing.
set -euo pipefail

# Qt Charts' CMake files need Qt OpenGL's, which Debian packs apart from qt6-base-dev.
packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev qt6-l10n-tools qt6-translations-l10n libgtest-dev libgmock-dev libbenchmark-dev
  hamradio-files libhamlib-dev libhamlib-utils fonts-liberation fonts-comic-neue fontconfig
  xvfb xauth imagemagick
  dpkg-dev file lintian appstream desktop-file-utils
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# The ADIF check's parser runs on node; a node or npm already on the machine is kept, since
# Debian's packages can conflict with one installed otherwise.
command -v node >/dev/null || missing+=(nodejs)
command -v npm >/dev/null || missing+=(npm)
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Run as root or install sudo: ${missing[*]}" >&2; exit 1; }
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
