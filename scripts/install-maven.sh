#!/usr/bin/env bash
# Installs Apache Maven, pinned, from Maven Central into build-tools/maven,
# checked against its SHA-512, and prints nothing when it is there already.
# Run by install-deps.sh for the sets that build or test the Java library;
# scripts/lib/maven.sh runs it.
set -euo pipefail
cd "$(dirname "$0")/.."
version=3.9.16
sha512=831a8591fe20c8243b1dbe7d71e3244f31d1665b0804b2e825e38cbbe5ce0cafb8338851f90780735568773e0a6cd07bbec107cda0b896b008b861075358b6f6
home=build-tools/maven/apache-maven-$version
[ -x "$home/bin/mvn" ] && exit 0
echo "Installing Apache Maven $version from Maven Central into build-tools/maven"
mkdir -p build-tools/maven
archive=build-tools/maven/apache-maven-$version-bin.tar.gz
url=https://repo1.maven.org/maven2/org/apache/maven/apache-maven/$version/apache-maven-$version-bin.tar.gz
if ! curl -fsSL --retry 3 -o "$archive" "$url"; then
    echo "Could not fetch $url" >&2
    exit 2
fi
if ! echo "$sha512  $archive" | sha512sum -c --quiet; then
    echo "$archive is not the Maven $version that Maven Central signs; not installed" >&2
    rm -f "$archive"
    exit 2
fi
tar -xzf "$archive" -C build-tools/maven
rm -f "$archive"
