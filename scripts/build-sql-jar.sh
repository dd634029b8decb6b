#!/usr/bin/env bash
# `make java`'s last step: qinghejian-sql, the SQL functions for Hive, Spark
# and Flink (src/sql), built by Maven over the library's jar, into
# BUILD/sql/: qinghejian-sql-<version>.jar and its pom. The
# library goes into the project's own Maven repository first, as the
# artifact the SQL jar depends on.
#
#   build-sql-jar.sh BUILD
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/maven.sh
build=$(realpath -m "$1")
jar=$(echo "$build"/java/qinghejian-*[0-9].jar)
version=$(basename "$jar" .jar)
version=${version#qinghejian-}
qhj_mvn install:install-file -Dfile="$jar" -DpomFile="$build/java/qinghejian-$version.pom"
# Dated as the library's jar is, the day of the release.
date=$(sed -n 's/^set(QHJ_RELEASE_DATE "\(.*\)")$/\1/p' "$build/build-info.cmake")
QHJ_POM=src/sql/pom.xml qhj_mvn package -DskipTests -Drevision="$version" -Dqhj.build="$build/sql" \
    -Dproject.build.outputTimestamp="${date}T00:00:00Z"
# Maven's jar keeps its files' modes and the order the file system lists
# them in, which differ from checkout to checkout; packed again as the
# library's jar is, it is the same bytes from the same sources.
rm -rf "$build/sql/jar"
python3 -m zipfile -e "$build/sql/qinghejian-sql-$version.jar" "$build/sql/jar"
python3 scripts/lib/dated_zip.py "$build/sql/jar" "$build/sql/qinghejian-sql-$version.jar" . "$date" \
    META-INF/MANIFEST.MF --all
# Its pom as published, which the library's build wrote out with its own.
cp "$build/java/qinghejian-sql-$version.pom" "$build/sql/"
