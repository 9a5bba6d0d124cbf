#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the program need,
# when they are missing. As root it runs apt-get; otherwise it prints the
# command to run and stops.
set -euo pipefail

# A fresh Debian 12 has cmake, g++, make and ninja already; Qt's development
# package brings the OpenGL and Vulkan headers its CMake files look for, the
# Qt Test and Qt Print Support modules and the offscreen platform the window
# tests run on. The tests read the PDFs the program writes with poppler's
# pdftotext and pdftoppm.
packages=(cmake ninja-build g++ make pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
          libgtest-dev libgmock-dev libbenchmark-dev fonts-osifont poppler-utils)
case "${1:-}" in
    --fuzz) packages+=(clang libclang-rt-14-dev) ;;
    --screenshots) packages+=(xvfb xauth imagemagick) ;;
    --bench) packages+=(python3 xvfb) ;;
    --package) packages+=(dpkg-dev desktop-file-utils lintian help2man man-db) ;;
    --lint) packages+=(clang-format clang-tidy) ;;
esac

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    echo "Missing Debian packages. Run:" >&2
    echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq "${missing[@]}"
