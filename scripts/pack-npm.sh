#!/usr/bin/env bash
# `make web`'s last step: the npm package the web build laid out in
# BUILD/npm, packed as BUILD/qinghejian-<npm version>.tgz, as npm names it:
# after the three-number version in its package.json (1.00 is 1.0.0).
#
#   pack-npm.sh BUILD
set -euo pipefail
build=$(realpath "$1")
source "$(dirname "$0")/lib/build_info.sh"
version=$(qhj_build_info "$build" QHJ_NPM_VERSION)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# npm packs the files' modes as they are: the same whatever the umask, so
# that the tarball is the same bytes from any build.
chmod -R u=rwX,go=rX "$build/npm"
packed=$(cd "$build/npm" && npm pack --silent --pack-destination "$work" 2>/dev/null | tail -n 1)
mv "$work/$packed" "$build/qinghejian-$version.tgz"
echo "$build/qinghejian-$version.tgz"
