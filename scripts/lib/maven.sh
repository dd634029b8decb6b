# Maven as the project runs it: the pinned one of scripts/install-maven.sh,
# with the project's own repository of artifacts, quiet but for errors.
#   qhj_mvn GOAL... -DNAME=VALUE...   on src/java/pom.xml, or on $QHJ_POM
qhj_mvn() {
    local root
    root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
    "$root/scripts/install-maven.sh"
    JAVA_HOME=${JAVA_HOME:-$(dirname "$(dirname "$(readlink -f "$(command -v javac)")")")} \
        "$root"/build-tools/maven/apache-maven-*/bin/mvn -B -q -ntp -f "$root/${QHJ_POM:-src/java/pom.xml}" \
        -Dmaven.repo.local="$root/build-tools/m2" "$@"
}
