# Sourced by the package tests (tests/python, tests/java): an ARM64 Debian
# userland to run the packages' ARM64 natives in, under qemu's user-mode
# emulator. qemu runs each program given to it with the userland as its
# root for files (-L), so neither a chroot nor binfmt_misc is needed.
#
#   arm64_userland       makes the userland, once, in build-tools/arm64
#                        (Debian's debootstrap, its packages unpacked
#                        without running their scripts), and sets ARM64_ROOT;
#                        exits 77, saying why, where it cannot be had
#   arm64 PROGRAM ARG... runs the userland's PROGRAM under qemu

ARM64_PACKAGES=python3,python3-venv,python3-pip,python3-pytest,python3-hypothesis,openjdk-17-jre-headless

arm64() {
    qemu-aarch64-static -L "$ARM64_ROOT" "$@"
}

arm64_userland() {
    ARM64_ROOT=$QHJ_SOURCE_DIR/build-tools/arm64
    command -v qemu-aarch64-static >/dev/null || { echo "skipped: qemu-user-static is not installed"; exit 77; }
    # One test at a time makes it; the others wait and use it.
    mkdir -p "$(dirname "$ARM64_ROOT")"
    exec 9>"$ARM64_ROOT.lock"
    flock 9
    if [ "$(cat "$ARM64_ROOT/.packages" 2>/dev/null)" != "$ARM64_PACKAGES" ]; then
        rm -rf "$ARM64_ROOT"
        local mirror
        mirror=$(cat /etc/apt/sources.list /etc/apt/sources.list.d/* 2>/dev/null |
            awk '$1 == "deb" && $2 ~ /^http/ { print $2; exit } $1 == "URIs:" { print $2; exit }')
        if ! debootstrap --arch=arm64 --foreign --variant=minbase --include="$ARM64_PACKAGES" bookworm \
            "$ARM64_ROOT" "${mirror:-http://deb.debian.org/debian}" >"$ARM64_ROOT.log" 2>&1; then
            echo "skipped: Debian's archive did not supply an ARM64 userland: $(grep -m1 '^E:' "$ARM64_ROOT.log")"
            exit 77
        fi
        for deb in "$ARM64_ROOT"/var/cache/apt/archives/*.deb; do
            dpkg-deb -x "$deb" "$ARM64_ROOT"
        done
        echo "$ARM64_PACKAGES" >"$ARM64_ROOT/.packages"
    fi
    flock -u 9
    if [ "$(arm64 "$ARM64_ROOT/usr/bin/python3" -c 'import platform; print(platform.machine())' 2>&1)" != aarch64 ]; then
        echo "skipped: this machine does not run ARM64 programs under qemu-aarch64-static"
        exit 77
    fi
}
