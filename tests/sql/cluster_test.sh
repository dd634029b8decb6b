#!/usr/bin/env bash
# The data platforms as a bank runs them, on this machine alone:
#
#   cluster_test.sh spark [--bench]   a Spark standalone cluster on loopback
#                                     through cluster_test.py, in a fresh
#                                     virtual environment of Debian's Python
#                                     that has the wheel, and sees PySpark
#                                     (build-tools/spark) and pandas and
#                                     pyarrow (build-tools/pytest/debian)
#                                     through a .pth file; and Flink's
#                                     MiniCluster, two jobs in one JVM
#
# QHJ_PYTHON_DIST, QHJ_JAVA_OUT and QHJ_CONVERT say where the wheel, the jars
# and qinghejian-convert are.
set -uo pipefail
source "$QHJ_SOURCE_DIR/scripts/lib/checks.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
tools=$QHJ_SOURCE_DIR/build-tools
for each in spark pytest/debian; do
    [ -f "$tools/$each/installed.txt" ] || give_up "$tools/$each from PyPI (scripts/install-pypi-tools.sh tests)"
done
/usr/bin/python3 -m venv "$work/venv" &&
    "$work/venv/bin/python" -m pip install -q --no-index "$(echo "$QHJ_PYTHON_DIST"/qinghejian-*_"$(uname -m)".whl)" ||
    give_up "the wheel installs for Debian's Python"
site=$("$work/venv/bin/python" -c 'import sysconfig; print(sysconfig.get_paths()["purelib"])')
for each in spark pytest/debian; do
    echo "$site" | sed "s|^$work/venv|$tools/$each|"
done >"$site/tools.pth"
# Flink, from Maven Central as tests/sql/pom.xml names it, and the program
# that runs its jobs, on Java 17's terms.
source "$QHJ_SOURCE_DIR/scripts/lib/maven.sh"
QHJ_POM=tests/sql/pom.xml qhj_mvn dependency:copy-dependencies -DoutputDirectory="$work/flink" ||
    give_up "Flink's jars from Maven Central"
javac -nowarn -cp "$work/flink/*" -d "$work/flink" "$QHJ_SOURCE_DIR/tests/sql/flink/FlinkJobs.java" ||
    give_up "FlinkJobs compiles"
export QHJ_FLINK_JAVA=$(printf '%s\t' java -Xmx1g --add-opens=java.base/java.util=ALL-UNNAMED \
    --add-opens=java.base/java.lang=ALL-UNNAMED -cp "$work/flink:$work/flink/*" FlinkJobs)
# Every process of the run carries this, for the check of what listens.
export QHJ_RUN_MARK=$$-$RANDOM
mkdir "$work/run"
"$work/venv/bin/python" "$QHJ_SOURCE_DIR/tests/sql/cluster_test.py" "$work/run" \
    "$QHJ_JAVA_OUT/../sql/qinghejian-sql-$QHJ_NPM_VERSION.jar" "$QHJ_JAVA_OUT/qinghejian-$QHJ_NPM_VERSION.jar" \
    "$QHJ_CONVERT" "${@:2}"
