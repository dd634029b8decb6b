# Sourced by the scripts that package a build: what the build wrote of
# itself in BUILD/build-info.cmake (cmake/Version.cmake).
#
#   qhj_build_info BUILD NAME   prints the value of NAME, e.g. QHJ_VERSION,
#                               and fails when there is none

qhj_build_info() {
    local value
    value=$(sed -n "s/^set($2 \"\(.*\)\")\$/\1/p" "$1/build-info.cmake")
    if [ -z "$value" ]; then
        echo "no $2 in $1/build-info.cmake" >&2
        return 1
    fi
    printf '%s\n' "$value"
}
