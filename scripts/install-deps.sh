#!/usr/bin/env bash
# Installs, from Debian's archive, what the machine lacks of one of two sets:
#
#   scripts/install-deps.sh run    what `make run` needs to build and open
#                                  the window
#   scripts/install-deps.sh web    what `make web` adds to that: the page
#                                  and the npm package
#   scripts/install-deps.sh test   all of that, and what `make test` adds:
#                                  test frameworks, the tools that check the
#                                  package, the Windows cross build, its
#                                  installers, Wine and a browser
#
# Does nothing when everything is there.
set -euo pipefail
cd "$(dirname "$0")/.."

run_packages=(
    # build: compiler, CMake
    cmake ninja-build g++ make
    # Qt 6 Widgets, and Qt's own texts in Chinese, built into the program
    qt6-base-dev libgl-dev qt6-translations-l10n
    # a Song face for the window's Chinese
    fonts-arphic-uming
    # the icon, rendered from its SVG at build time
    librsvg2-bin
    # without a desktop: a private X display, and the screenshot of it
    xvfb xauth x11-utils imagemagick-6.q16
)

test_packages=(
    # GoogleTest, Qt Test's sibling tools, the fuzzer and the benchmarks
    googletest libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev time
    # the sources' layout (.clang-format), checked by a test
    clang-format
    # what the end-to-end tests drive the window with, on a bus of their own,
    # and take its clipboard with (tests/e2e/clipboard_taker.cpp)
    xdotool xclip dbus-daemon libxtst-dev
    # the faces the tests expect: Noto's Song for the window, its Sans for Wine
    fonts-noto-cjk fontconfig
    # screen readers' view of the window, and a Wayland compositor
    at-spi2-core python3-pyatspi weston qt6-wayland
    # the .deb and Debian's checks of it
    dpkg-dev file lintian desktop-file-utils appstream mandoc
    # the companion's bash completion, tried as bash loads it
    bash-completion
    # the Windows programs' icon, their 64-bit and 32-bit cross builds, and
    # the release archive
    icoutils g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev
    g++-mingw-w64-i686-win32 binutils-mingw-w64-i686 mingw-w64-i686-dev python3 unzip
    # Wine to try them under, and the fonts Wine draws its own parts with
    wine wine64 fonts-wine
    # the Windows installers, dated by the release rather than the clock
    wixl msitools faketime
    # the page, in a browser driven over its DevTools protocol
    chromium
)

web_packages=(
    # C++ to WebAssembly, and Node.js to write the page and pack and try
    # the npm package
    emscripten nodejs
)
# 32-bit Wine, for the 32-bit programs, only where the kernel can run it:
# elsewhere an installed wine32 is what Debian's wine starts first, and fails.
i386_packages=(wine32:i386)

source scripts/lib/i386.sh
case ${1:-} in
run) packages=("${run_packages[@]}") ;;
web) packages=("${run_packages[@]}" "${web_packages[@]}") ;;
test)
    packages=("${run_packages[@]}" "${web_packages[@]}" "${test_packages[@]}")
    if qhj_i386_runs "$PWD"; then
        packages+=("${i386_packages[@]}")
    else
        echo "Not installing ${i386_packages[*]}: $(qhj_i386_reason); the 32-bit Wine tests will be skipped"
    fi
    ;;
*)
    echo "usage: $0 run|web|test" >&2
    exit 2
    ;;
esac

sudo=()
as_root() {
    if [ "$(id -u)" -ne 0 ] && [ ${#sudo[@]} -eq 0 ]; then
        command -v sudo >/dev/null || { echo "Run as root or install sudo to install: $*" >&2; exit 1; }
        sudo=(sudo)
    fi
    "${sudo[@]}" "$@"
}

# 32-bit Windows programs run under Debian's i386 Wine.
if [[ " ${packages[*]} " == *:i386\ * ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    echo "Adding the i386 architecture for 32-bit Wine"
    as_root dpkg --add-architecture i386
fi

# Some machines carry a Node.js build that brings its own npm; Debian's npm
# would clash with it.
if [[ " ${packages[*]} " == *\ nodejs\ * ]] && ! command -v npm >/dev/null; then
    packages+=(npm)
fi

missing=()
for pkg in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$pkg" 2>/dev/null || true)
    [ "$status" = installed ] || missing+=("$pkg")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing from Debian: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
# A mirror caught mid-sync fails one index now and then; the install below
# still works from the indexes that did arrive, and says so if it cannot.
as_root apt-get update -q || as_root apt-get update -q || echo "Some package indexes did not update; installing from those that did"
as_root apt-get install -y -q --no-install-recommends "${missing[@]}"
