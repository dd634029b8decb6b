#!/usr/bin/env bash
# Installs, from Debian's archive, whatever the build and the tests need and
# the machine lacks. Does nothing when everything is there.
set -euo pipefail

packages=(
    # build
    cmake ninja-build g++ make pkgconf file dpkg-dev
    # tests, fuzzing, benchmarks
    googletest libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev time
    # the Qt window, its font and its icon
    qt6-base-dev libgl-dev fonts-noto-cjk librsvg2-bin imagemagick icoutils
    # the real display the end-to-end tests drive
    xvfb xauth x11-utils xdotool xclip
    # the Windows program and the Wine it is tried under
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev wine wine64
    # Marlett and the other fonts Wine draws its own parts with; fontconfig
    fonts-wine fontconfig
)

missing=()
for pkg in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$pkg" 2>/dev/null || true)
    [ "$status" = installed ] || missing+=("$pkg")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing from Debian: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Run as root or install sudo to install: ${missing[*]}" >&2; exit 1; }
    sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
