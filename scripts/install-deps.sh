#!/usr/bin/env bash
# Installs from Debian's packages whatever is missing to build and run the editor, and with
# --for-tests also what the tests, the fuzz targets and the benchmarks need.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6svg6-dev libgl-dev libicu-dev
  fonts-dejavu-core fonts-dejavu-extra fonts-liberation2
)
if [ "${1:-}" = "--for-tests" ]; then
  packages+=(
    clang libclang-rt-14-dev libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xdotool x11-utils imagemagick nasm binutils
    desktop-file-utils appstream dpkg-dev
    libreoffice-writer-nogui unrtf
  )
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
