#!/usr/bin/env bash
# The Python package as its users get it, from QHJ_PYTHON_DIST:
#
#   package_test.sh wheel       what the wheels hold, what auditwheel makes of
#                               them, and which Pythons take this machine's
#   package_test.sh sdist       the sdist built and installed by pip, offline
#   package_test.sh debian      the wheel installed for Debian's Python, and
#                               the cases of tests/python run against it
#   package_test.sh 3.N         the same for pyenv's CPython 3.N; exits 77,
#                               saying so, where the machine has none
#   package_test.sh arm64       the ARM64 wheel, in a virtual environment of
#                               Debian's ARM64 Python under qemu, and the cases
#   package_test.sh wasm        the py3-none-any wheel, which pip gives any
#                               other platform, and the cases through its
#                               WebAssembly core
set -uo pipefail
source "$QHJ_SOURCE_DIR/scripts/lib/checks.sh"
source "$QHJ_SOURCE_DIR/tests/support/native_library.sh"
source "$QHJ_SOURCE_DIR/tests/support/arm64.sh"
source "$QHJ_SOURCE_DIR/scripts/lib/pythons.sh"
# This machine's wheel, of the x86-64 and ARM64 ones.
wheel=$(echo "$QHJ_PYTHON_DIST"/qinghejian-*_"$(uname -m)".whl)
sdist=$(echo "$QHJ_PYTHON_DIST"/qinghejian-*.tar.gz)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A fresh virtual environment for PYTHON, with the wheel installed by pip
# from the file alone.
install_into() {
    "$1" -m venv "$work/venv" && "$work/venv/bin/python" -m pip install -q --no-index "${@:2}"
}

# The cases against the installed package, with the tools of
# tests/python/requirements.txt that install-pypi-tools.sh put in
# build-tools/pytest/NAME for this CPython, seen through a .pth file so that
# the package comes from the fresh environment alone. Skips are named.
run_cases() {
    local tools=$QHJ_SOURCE_DIR/build-tools/pytest/$1
    [ -f "$tools/installed.txt" ] || give_up "pytest and the rest from PyPI in $tools (scripts/install-pypi-tools.sh tests)"
    "$work/venv/bin/python" -c 'import sys, sysconfig; print(sysconfig.get_paths()["purelib"].replace(sys.prefix, sys.argv[1]))' \
        "$tools" >"$("$work/venv/bin/python" -c 'import sysconfig; print(sysconfig.get_paths()["purelib"])')/tools.pth"
    (cd "$work" && "$work/venv/bin/python" -m pytest -q -rs -p no:cacheprovider "$QHJ_SOURCE_DIR/tests/python/test_api.py")
}

case $1 in
wasm)
    any=$(echo "$QHJ_PYTHON_DIST"/qinghejian-*-py3-none-any.whl)
    for platform in macosx_11_0_arm64 win_amd64 musllinux_1_2_x86_64 manylinux_2_17_x86_64; do
        picked=$(/usr/bin/python3 -m pip download -q --no-index --no-deps --only-binary :all: --platform $platform \
            --find-links "$QHJ_PYTHON_DIST" -d "$work/$platform" qinghejian 2>&1 && ls "$work/$platform")
        check_eq "pip on $platform picks" "$picked" \
            "$(basename "$(echo "$QHJ_PYTHON_DIST"/qinghejian-*-"$([ $platform = manylinux_2_17_x86_64 ] &&
                echo cp39-abi3-manylinux_2_17_x86_64.manylinux2014_x86_64 || echo py3-none-any)".whl)")"
    done
    install_into /usr/bin/python3 "$any" --no-deps || give_up "the WebAssembly wheel installs for Debian's Python"
    check "the cases pass through the WebAssembly core" run_cases debian
    check_eq "... which the package ran" "$("$work/venv/bin/python" -c 'import qinghejian; print(qinghejian._core.__name__)')" \
        qinghejian._wasm
    check "pip finds what it needs, wasmtime at its version" "$work/venv/bin/python" -m pip check
    ;;
wheel)
    wheels=("$QHJ_PYTHON_DIST"/qinghejian-*manylinux*.whl)
    check_eq "a wheel for each machine" "${#wheels[@]}" 2
    for each in "${wheels[@]}"; do
        arch=${each##*manylinux2014_}
        arch=${arch%.whl}
        tag=$(basename "$each" .whl | cut -d- -f3-)
        check_eq "$arch: the tag: CPython 3.9 on, stable ABI, manylinux2014" "$tag" \
            "cp39-abi3-manylinux_2_17_$arch.manylinux2014_$arch"
        mkdir "$work/$arch" && (cd "$work/$arch" && python3 -m zipfile -e "$each" .)
        core=$work/$arch/qinghejian/_core.abi3.so
        check "$arch: the module is built for the stable ABI" test -f "$core"
        check_glibc_at_most "$core" 2.17
        check_own_cxx_runtime "$core"
        check "$arch: auditwheel names manylinux_2_17_$arch" grep -q "\"manylinux_2_17_$arch\"" \
            <("$QHJ_SOURCE_DIR/build-tools/pypi/bin/auditwheel" show "$each")
        check "$arch: it carries its types" test -f "$work/$arch/qinghejian/py.typed" \
            -a -f "$work/$arch/qinghejian/__init__.pyi"
    done
    install_into /usr/bin/python3 "$wheel" || give_up "the wheel installs for Debian's Python"
    show=$("$work/venv/bin/python" -m pip show qinghejian)
    check_eq "pip show reads its name, version and licence" \
        "$(grep -E '^(Name|Version|License):' <<<"$show" | tr '\n' ' ')" "Name: qinghejian Version: $QHJ_NPM_VERSION License: MIT "
    check "forced off its native module, with no WebAssembly core, it names the platform and what the wheels carry" \
        grep -q "no native module for Linux $(uname -m) .*WebAssembly core for every other platform" \
        <(QINGHEJIAN_NATIVE=false "$work/venv/bin/python" -c 'import qinghejian' 2>&1)
    check "help() shows the docstrings" grep -q 'past 分' \
        <("$work/venv/bin/python" -c 'import pydoc, qinghejian; print(pydoc.render_doc(qinghejian.to_capitals))')
    for old in 3.6 3.7 3.8; do
        python=$(qhj_pyenv_python $old.)
        [ -n "$python" ] || { skip "CPython $old refusing it: no CPython $old under ${PYENV_ROOT:-$HOME/.pyenv}/versions"; continue; }
        rm -rf "$work/venv"
        if install_into "$python" "$wheel" 2>/dev/null; then
            fail "$python, older than 3.9, takes it"
        else
            pass "$python, older than 3.9, does not take it"
        fi
    done
    ;;
sdist)
    # setuptools and wheel from Debian's Python, CMake and the compiler
    # from the machine: nothing from the network.
    /usr/bin/python3 -m venv --system-site-packages "$work/venv" &&
        "$work/venv/bin/python" -m pip install -q --no-index --no-build-isolation "$sdist" >"$work/log" 2>&1
    status=$?
    check "the sdist builds and installs with pip, offline" test $status -eq 0
    [ $status -eq 0 ] || sed 's/^/  | /' "$work/log"
    check_eq "... and converts" "$("$work/venv/bin/python" -c 'import qinghejian; print(qinghejian.to_capitals("1409.50"))')" \
        "壹仟肆佰零玖元伍角整"
    check_eq "it asks for CMake and Ninja from PyPI, for machines without them" \
        "$(tar -xzOf "$sdist" --wildcards '*/pyproject.toml' | grep -o '"\(cmake\|ninja\)==[0-9.]*"' | cut -d= -f1 | tr '\n' ' ')" '"cmake "ninja '

    ;;
arm64)
    arm64_userland
    arm64 "$ARM64_ROOT/usr/bin/python3" -m venv --without-pip --system-site-packages "$work/venv" &&
        arm64 "$work/venv/bin/python" -m pip install -q --no-index --no-deps "$QHJ_PYTHON_DIST"/qinghejian-*_aarch64.whl ||
        give_up "the ARM64 wheel installs for Debian's ARM64 Python"
    check "the cases pass on ARM64, under $(arm64 "$work/venv/bin/python" -V)" arm64 "$work/venv/bin/python" -m pytest \
        -q -rs -p no:cacheprovider -p no:warnings "$QHJ_SOURCE_DIR/tests/python/test_api.py"
    ;;
*)
    if [ "$1" = debian ]; then
        python=/usr/bin/python3
    else
        python=$(qhj_pyenv_python "$1.")
        if [ -z "$python" ]; then
            echo "skipped: no CPython $1 under ${PYENV_ROOT:-$HOME/.pyenv}/versions"
            exit 77
        fi
    fi
    install_into "$python" "$wheel" || give_up "the wheel installs for $python"
    check "the cases pass under $("$work/venv/bin/python" -V)" run_cases "$1"
    ;;
esac
finish
