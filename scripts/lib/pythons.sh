# The CPythons the Python package is tried on, besides Debian's: pyenv's,
# from the oldest the wheel takes to the newest there is.
QHJ_PYENV_MINORS="9 10 11 12 13"

# The newest pyenv CPython whose version starts with PREFIX ("3.9."), or
# nothing.
qhj_pyenv_python() {
    ls -d "${PYENV_ROOT:-$HOME/.pyenv}"/versions/"$1"*/bin/python3 2>/dev/null | sort -V | tail -n 1
}
