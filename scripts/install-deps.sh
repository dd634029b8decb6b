#!/usr/bin/env bash
# Installs, from Debian's archive, what the machine lacks of one of five sets:
#
#   scripts/install-deps.sh run      what `make run` needs to build and open
#                                    the window
#   scripts/install-deps.sh web      what `make web` adds to that: the page
#                                    and the npm package
#   scripts/install-deps.sh python   what `make python` needs: the Python
#                                    package
#   scripts/install-deps.sh release  what `make release` adds to web and
#                                    python: the .deb, the Windows cross
#                                    build and its installers
#   scripts/install-deps.sh test     all of that, and what `make test` adds:
#                                    test frameworks, the tools that check
#                                    the package, Wine and a browser; then,
#                                    apart, 32-bit Wine, which only the
#                                    32-bit Windows programs' tests need
#
# Does nothing when everything is there. Exits 2 when what the set needs
# cannot be installed; a failed 32-bit Wine install only skips its tests.
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
    # Debian's checks of the .deb
    lintian desktop-file-utils appstream mandoc
    # the companion's bash completion, tried as bash loads it
    bash-completion
    # the release archives opened, Wine to try the Windows programs under,
    # and the fonts Wine draws its own parts with
    unzip wine wine64 fonts-wine
    # the page, in a browser driven over its DevTools protocol, and the npm
    # package's types, as TypeScript reads them
    chromium node-typescript
    # an ARM64 Debian userland, and qemu to run the packages' ARM64 natives
    # in it
    debootstrap qemu-user-static
)

web_packages=(
    # C++ to WebAssembly, and Node.js to write the page and pack and try
    # the npm package
    emscripten nodejs
)

python_packages=(
    # the Python package: its headers, and Debian's tools that build the
    # wheel and the sdist and try them in a virtual environment; the
    # WebAssembly core of the wheel for every other platform
    cmake ninja-build g++ make binutils python3-dev python3-build python3-setuptools python3-wheel
    python3-venv python3-pip emscripten
)

release_packages=(
    # the .deb
    dpkg-dev file
    # the Windows programs' icon, their 64-bit and 32-bit cross builds, and
    # the release archives
    icoutils g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev
    g++-mingw-w64-i686-win32 binutils-mingw-w64-i686 mingw-w64-i686-dev python3
    # the Windows installers, dated by the release rather than the clock
    wixl msitools faketime
    # the Java library, and its native part for Windows (the cross compiler
    # above)
    openjdk-17-jdk-headless
)
source scripts/lib/i386.sh
optional=no
case ${1:-} in
run) packages=("${run_packages[@]}") ;;
web) packages=("${run_packages[@]}" "${web_packages[@]}") ;;
python) packages=("${python_packages[@]}") ;;
release) packages=("${run_packages[@]}" "${web_packages[@]}" "${python_packages[@]}" "${release_packages[@]}") ;;
test)
    packages=("${run_packages[@]}" "${web_packages[@]}" "${python_packages[@]}" "${release_packages[@]}"
        "${test_packages[@]}")
    optional=yes
    ;;
*)
    echo "usage: $0 run|web|python|release|test" >&2
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

export DEBIAN_FRONTEND=noninteractive
# A mirror caught mid-sync fails one index now and then; the install after
# it still works from the indexes that did arrive, and says so if it cannot.
updated=no
update_indexes() {
    updated=yes
    as_root apt-get update -q || as_root apt-get update -q ||
        echo "Some package indexes did not update; installing from those that did"
}

# Some machines carry a Node.js build that brings its own npm; Debian's npm
# would clash with it.
if [[ " ${packages[*]} " == *\ nodejs\ * ]] && ! command -v npm >/dev/null; then
    packages+=(npm)
fi

# What every test needs, in one step: without it nothing can be tested.
missing=()
for pkg in "${packages[@]}"; do
    qhj_installed "$pkg" || missing+=("$pkg")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing from Debian: ${missing[*]}"
    update_indexes
    if ! as_root apt-get install -y -q --no-install-recommends "${missing[@]}"; then
        echo "Could not install what the build needs (apt's message is above); run 'apt-get update' and try again, or use another Debian mirror." >&2
        exit 2
    fi
fi
# zig's toolchain and auditwheel, from PyPI, for the packages' natives;
# for the tests, pytest and the column types in each CPython tried.
if [ "${1:-}" != run ] && [ "${1:-}" != web ]; then
    scripts/install-pypi-tools.sh
    [ "${1:-}" != test ] || scripts/install-pypi-tools.sh tests
fi
# Maven, from Maven Central, which fetches what the Java library runs and
# is tested on (src/java/pom.xml).
if [ "${1:-}" = release ] || [ "${1:-}" = test ]; then
    scripts/install-maven.sh
fi
[ "$optional" = yes ] || exit 0

# What only some tests need, after it: 32-bit Wine, for the 32-bit programs.
# Where it cannot be had, those tests are skipped with the reason this keeps
# (scripts/lib/i386.sh), and the machine is left as it was: a half-installed
# wine32 is what Debian's wine starts first, and on a kernel that cannot run
# it, 64-bit Wine fails too.
failure_file=$(qhj_i386_failure_file)
reason=$(qhj_i386_not_wanted "$PWD")
if [ -n "$reason" ]; then
    echo "Not installing ${QHJ_I386_PACKAGES[*]}: $reason; the 32-bit Wine tests will be skipped"
    exit 0
fi
mapfile -t missing < <(qhj_i386_missing)
if [ ${#missing[@]} -eq 0 ]; then
    rm -f "$failure_file"
    exit 0
fi

i386_installed() {
    dpkg-query -W -f='${Package}:${Architecture} ${db:Status-Status}\n' 2>/dev/null |
        awk '$1 ~ /:i386$/ && $2 != "not-installed" { print $1 }' | sort
}
before=$(i386_installed)
added_arch=no
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    echo "Adding the i386 architecture for 32-bit Wine"
    as_root dpkg --add-architecture i386
    added_arch=yes
fi
# apt's first error is kept as the reason: often the i386 index that did
# not arrive, which the install's own error only follows from.
log=$(mktemp)
trap 'rm -f "$log"' EXIT
if [ "$added_arch" = yes ] || [ "$updated" = no ]; then
    update_indexes 2>&1 | tee "$log"
fi
echo "Installing from Debian, for the 32-bit Wine tests: ${missing[*]}"
# --no-remove: an optional part may not take anything already there away.
if as_root apt-get install -y -q --no-install-recommends --no-remove "${missing[@]}" 2>&1 | tee -a "$log"; then
    rm -f "$failure_file"
    exit 0
fi

first_error=$(grep -m1 '^E: ' "$log" || grep -m1 . "$log" || echo "apt-get install failed")
mkdir -p "$(dirname "$failure_file")"
echo "$first_error" >"$failure_file"
mapfile -t added < <(comm -13 <(echo "$before") <(i386_installed) | grep .)
if [ ${#added[@]} -gt 0 ]; then
    echo "Removing the i386 packages the failed install left: ${added[*]}"
    as_root apt-get purge -y -q "${added[@]}" || as_root dpkg --purge --force-depends "${added[@]}" ||
        echo "Could not remove them; remove them by hand before using Wine: ${added[*]}" >&2
fi
if [ "$added_arch" = yes ] && [ -z "$(i386_installed)" ]; then
    as_root dpkg --remove-architecture i386
fi
echo "32-bit Wine could not be installed ($first_error); going on without it: the 32-bit Wine tests will be skipped"
