#!/usr/bin/env bash
# Installs the tools of scripts/pypi-tools.txt from PyPI into a virtual
# environment of Debian's Python, build-tools/pypi, and prints nothing when
# they are there already. Run by install-deps.sh for the sets that build
# the Python and Java packages.
set -euo pipefail
cd "$(dirname "$0")/.."
venv=build-tools/pypi
stamp=$venv/installed.txt
if [ -f "$stamp" ] && cmp -s scripts/pypi-tools.txt "$stamp"; then
    exit 0
fi
echo "Installing from PyPI into $venv: $(grep -v '^#' scripts/pypi-tools.txt | tr '\n' ' ')"
rm -rf "$venv"
/usr/bin/python3 -m venv "$venv"
if ! "$venv/bin/python" -m pip install -q --disable-pip-version-check -r scripts/pypi-tools.txt; then
    echo "Could not install the PyPI tools (pip's message is above)." >&2
    exit 2
fi
cp scripts/pypi-tools.txt "$stamp"
