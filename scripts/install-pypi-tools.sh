#!/usr/bin/env bash
# Installs tools from PyPI, each pinned, and prints nothing for what is
# there already. Run by install-deps.sh.
#
#   install-pypi-tools.sh          scripts/pypi-tools.txt into a virtual
#                                  environment of Debian's Python,
#                                  build-tools/pypi: what builds the Python
#                                  and Java packages' natives
#   install-pypi-tools.sh tests    tests/python/requirements.txt into
#                                  build-tools/pytest/NAME for each CPython
#                                  the Python package is tried on: Debian's
#                                  (debian) and pyenv's 3.9 to 3.13 (3.N);
#                                  a CPython the machine lacks is named;
#                                  and tests/sql/requirements.txt, Spark,
#                                  into build-tools/spark
set -euo pipefail
cd "$(dirname "$0")/.."

# install VENV PYTHON REQUIREMENTS
install() {
    local venv=$1 python=$2 requirements=$3
    if [ -f "$venv/installed.txt" ] && cmp -s "$requirements" "$venv/installed.txt"; then
        return 0
    fi
    echo "Installing from PyPI into $venv: $(grep -v '^#' "$requirements" | cut -d';' -f1 | tr '\n' ' ')"
    rm -rf "$venv"
    "$python" -m venv "$venv"
    # Wheels only, but for what PyPI has only as source: built with the
    # environment's own setuptools.
    if ! "$venv/bin/python" -m pip install -q --disable-pip-version-check --only-binary :all: \
        --no-binary "${QHJ_SOURCE_ONLY:-:none:}" --no-build-isolation -r "$requirements"; then
        echo "Could not install from PyPI into $venv (pip's message is above)." >&2
        return 2
    fi
    cp "$requirements" "$venv/installed.txt"
}

if [ "${1:-}" != tests ]; then
    install build-tools/pypi /usr/bin/python3 scripts/pypi-tools.txt
    exit
fi
source scripts/lib/pythons.sh
status=0
install build-tools/pytest/debian /usr/bin/python3 tests/python/requirements.txt || status=$?
QHJ_SOURCE_ONLY=pyspark install build-tools/spark /usr/bin/python3 tests/sql/requirements.txt || status=$?
for minor in $QHJ_PYENV_MINORS; do
    python=$(qhj_pyenv_python "3.$minor.")
    if [ -z "$python" ]; then
        echo "No CPython 3.$minor under ${PYENV_ROOT:-$HOME/.pyenv}/versions: its tests will be skipped"
        continue
    fi
    install "build-tools/pytest/3.$minor" "$python" tests/python/requirements.txt || status=$?
done
exit $status
