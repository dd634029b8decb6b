#!/usr/bin/env bash
# The layout .clang-format describes, on every C++ source of the project:
#
#   scripts/format.sh          reformats the files in place (`make format`)
#   scripts/format.sh --check  changes nothing; fails, naming each line that
#                              differs, when a file does not follow it
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(find src tests bench \( -name '*.cpp' -o -name '*.h' \) | sort)
case ${1:-} in
"") clang-format -i "${files[@]}" ;;
--check)
    clang-format --dry-run --Werror "${files[@]}"
    echo "${#files[@]} files follow .clang-format"
    ;;
*)
    echo "usage: $0 [--check]" >&2
    exit 2
    ;;
esac
