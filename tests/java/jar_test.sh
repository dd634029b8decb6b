#!/usr/bin/env bash
# The Java library as its users get it, from QHJ_JAVA_OUT:
#
#   jar_test.sh contents     what the jar, its natives and its pom hold
#   jar_test.sh loading      the jar alone on a class path; its native part
#                            loaded by 16 threads at once, by two class
#                            loaders, and from java.library.path
#   jar_test.sh JDK          the cases of tests/java run by JUnit 5 under the
#                            JDK in that folder
#   jar_test.sh none         says that no JDK is there to run the cases
#   jar_test.sh maven        Maven's build and tests of src/java/pom.xml
#                            (mvn verify): the cases through Surefire, on
#                            the native core and on the WebAssembly one
#   jar_test.sh sql          Maven's build and tests of src/sql/pom.xml:
#                            the cases through each engine's functions
#   jar_test.sh arm64        the same under Debian's ARM64 JVM, run by qemu,
#                            which loads the jar's ARM64 native
set -uo pipefail
source "$QHJ_SOURCE_DIR/scripts/lib/checks.sh"
source "$QHJ_SOURCE_DIR/tests/support/native_library.sh"
source "$QHJ_SOURCE_DIR/tests/support/arm64.sh"
jar=$QHJ_JAVA_OUT/qinghejian-$QHJ_NPM_VERSION.jar
here=$QHJ_SOURCE_DIR/tests/java
deps=$QHJ_JAVA_OUT/../deps
junit=$(echo "$deps"/test/junit-platform-console-standalone-*.jar)
# The jar as a user's class path has it, with what its pom names.
classpath=$jar$(printf ':%s' "$deps"/test/*.jar)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Compiled for Java 8, as the library is, so that every JDK runs them.
compile() {
    javac --release 8 -encoding UTF-8 -nowarn -cp "$classpath" -d "$work/classes" "$@" 2>"$work/javac.log" ||
        { sed 's/^/  | /' "$work/javac.log"; give_up "the tests compile"; }
}
native() { unzip -p "$jar" "org/example/qinghejian/native/$1" >"$work/$(basename "$1")" && echo "$work/$(basename "$1")"; }

case $1 in
none)
    echo "skipped: no JDK in /usr/lib/jvm, so no JDK's own run of the cases"
    exit 77
    ;;
maven)
    source "$QHJ_SOURCE_DIR/scripts/lib/maven.sh"
    check "mvn verify builds the library and passes the cases on both cores" qhj_mvn verify \
        -Drevision="$QHJ_NPM_VERSION" -Dqhj.natives="$QHJ_JAVA_OUT/resources" -Dqhj.build="$work/maven" \
        -Dqhj.cases="$QHJ_CASES"
    for core in "" -webassembly; do
        check_eq "... each case run${core:+ on WebAssembly}" \
            "$(cat "$work"/maven/surefire-reports$core/TEST-*.xml | grep -o '<testsuite [^>]*' | grep -o 'tests="[0-9]*"')" \
            "tests=\"$(grep -c '<testcase ' "$work"/maven/surefire-reports/TEST-*.xml)\""
    done
    ;;
sql)
    source "$QHJ_SOURCE_DIR/scripts/lib/maven.sh"
    export QHJ_POM=src/sql/pom.xml
    check "the SQL functions pass the cases as Hive, Spark and Flink hand them values" \
        qhj_mvn verify -Drevision="$QHJ_NPM_VERSION" -Dqhj.build="$work/sql" -Dqhj.cases="$QHJ_CASES"
    ;;
contents)
    for arch in x86_64 aarch64; do
        so=$(native linux-$arch/libqinghejian.so) || give_up "the jar holds the Linux native library for $arch"
        mkdir -p "$work/$arch" && mv "$so" "$work/$arch/"
        check_glibc_at_most "$work/$arch/libqinghejian.so" 2.17
        check_own_cxx_runtime "$work/$arch/libqinghejian.so"
        check_eq "$arch: it exports JNI_OnLoad and the native methods, nothing else" \
            "$(objdump -T "$work/$arch/libqinghejian.so" | awk '$2 == "g" && $4 != "*UND*" { print $NF }' |
                grep -vc '^Java_org_example_qinghejian_Capitals_\|^JNI_OnLoad$')" 0
    done
    dll=$(native windows-x86_64/qinghejian.dll) || give_up "the jar holds the Windows DLL"
    pass "the jar holds the three native libraries"
    check_eq "the DLL imports only Windows' own DLLs" \
        "$(x86_64-w64-mingw32-objdump -p "$dll" | sed -n 's/^\tDLL Name: //p' | grep -viE '^(kernel32|msvcrt|user32|advapi32)\.dll$')" ""
    check_eq "the DLL exports the native methods" \
        "$(x86_64-w64-mingw32-objdump -p "$dll" | grep -c 'Java_org_example_qinghejian_Capitals_')" 5
    mkdir "$work/jar" && (cd "$work/jar" && unzip -q "$jar")
    # A class file's major version: 52 is Java 8, 53 Java 9.
    check_eq "its classes run on Java 8, the module descriptor on 9, the WebAssembly core on 11" \
        "$(cd "$work/jar" && for class in $(find . -name '*.class' | sort); do
            echo "$class $(od -An -j6 -N2 -tu1 "$class" | awk '{ print $1 * 256 + $2 }')"; done | awk '{ print $NF }' | sort | uniq -c | tr -s ' ' | tr '\n' ' ')" \
        " 5 52  1 53  1 55 "
    ls -d /usr/lib/jvm/*-8-* /usr/lib/jvm/*jdk8* >/dev/null 2>&1 ||
        skip "running it on Java 8: no Java 8 JDK in /usr/lib/jvm; its classes' version above stands for it"
    check "its manifest makes it a multi-release jar" grep -q '^Multi-Release: true' "$work/jar/META-INF/MANIFEST.MF"
    check "the jar holds the WebAssembly core" unzip -l "$jar" org/example/qinghejian/qinghejian.wasm
    check "the pom carries its coordinates, licence, and Chicory as its one dependency" python3 - "$QHJ_JAVA_OUT/qinghejian-$QHJ_NPM_VERSION.pom" "$QHJ_NPM_VERSION" <<'PY'
import sys, xml.etree.ElementTree as tree
ns = {"m": "http://maven.apache.org/POM/4.0.0"}
pom = tree.parse(sys.argv[1]).getroot()
coordinates = [pom.findtext("m:" + field, namespaces=ns) for field in ("groupId", "artifactId", "version", "packaging")]
assert coordinates == ["org.example", "qinghejian", sys.argv[2], "jar"], coordinates
assert pom.findtext("m:licenses/m:license/m:name", namespaces=ns) == "MIT License"
assert "${" not in open(sys.argv[1], encoding="utf-8").read().split("<properties>")[0], "a placeholder left"
needed = {d.findtext("m:groupId", namespaces=ns) for d in pom.findall("m:dependencies/m:dependency", ns)
          if d.findtext("m:scope", namespaces=ns) in (None, "compile", "runtime")}
assert needed == {"com.dylibso.chicory"}, needed
PY
    for kind in sources javadoc; do
        check "the $kind jar is there" unzip -l "$QHJ_JAVA_OUT/qinghejian-$QHJ_NPM_VERSION-$kind.jar" \
            "org/example/qinghejian/$([ $kind = sources ] && echo Capitals.java || echo Capitals.html)"
    done
    ;;
loading)
    compile "$here/Loading.java"
    # The README's example, as it stands there.
    sed -n '/^```java$/,/^```$/p' "$QHJ_SOURCE_DIR/README.md" | sed '1d;$d' >"$work/Example.java"
    compile "$work/Example.java"
    check_eq "the README's example, with the jar alone on the class path" \
        "$(java -cp "$jar:$work/classes" Example)" "壹仟肆佰零玖元伍角整"
    race=$(java -cp "$jar:$work/classes" Loading race "$jar")
    check_eq "16 threads making their first call at once all get their answer" \
        "$(grep -v '^mapped' <<<"$race" | sort | uniq | wc -l)" 16
    check "... from one private copy of the native library" \
        test "$(grep -c '^mapped /tmp/qinghejian-.*/libqinghejian.so (deleted)$' <<<"$race")" -eq 1
    loaders=$(java -cp "$work/classes" Loading loaders "$jar")
    check_eq "two class loaders of the jar each load it" "$(grep -c '^壹仟肆佰零玖元伍角整$' <<<"$loaders")" 2
    check_eq "... each from a copy of its own" "$(grep -c '^mapped .*libqinghejian.so' <<<"$loaders")" 2
    neither=$(java -Dqinghejian.native=false -cp "$jar:$work/classes" Example 2>&1)
    check "with no native core and no Chicory, the error names the platform and what is missing" \
        grep -q "qinghejian cannot run on Linux amd64: .*Chicory" <<<"$neither"
    # A temporary folder mounted noexec, in a mount namespace of the
    # test's own: the native part cannot load from it.
    mkdir "$work/noexec"
    if unshare -m true 2>/dev/null; then
        check_eq "with the temporary folder mounted noexec, the WebAssembly core answers" \
            "$(unshare -m bash -c 'mount -t tmpfs -o noexec tmpfs "$1" && java -Djava.io.tmpdir="$1" -cp "$2" Example &&
                ls -A "$1"' - "$work/noexec" "$classpath:$work/classes")" "壹仟肆佰零玖元伍角整"
    else
        skip "a temporary folder mounted noexec: this machine lets no test make a mount namespace"
    fi
    mkdir "$work/installed" && native linux-x86_64/libqinghejian.so >/dev/null && mv "$work/libqinghejian.so" "$work/installed/"
    check_eq "an installed copy on java.library.path is the one used" \
        "$(java -Djava.library.path="$work/installed" -cp "$jar:$work/classes" Loading race "$jar" | grep '^mapped')" \
        "mapped $work/installed/libqinghejian.so"
    ;;
*)
    if [ "$1" = arm64 ]; then
        arm64_userland
        java=(arm64 "$ARM64_ROOT/usr/lib/jvm/java-17-openjdk-arm64/bin/java")
    else
        java=("$1/bin/java")
    fi
    compile "$here/CapitalsTest.java"
    # The heap fixed and touched from the start, so that what the process
    # grows by is what the native part keeps.
    check "the cases pass under $("${java[@]}" -version 2>&1 | head -n 1), $("${java[@]}" -XshowSettings:properties -version 2>&1 | sed -n 's/^ *os.arch = //p')" \
        "${java[@]}" -Xms256m -Xmx256m -XX:+AlwaysPreTouch -jar "$junit" --disable-banner --details=summary --fail-if-no-tests \
        --class-path "$classpath:$work/classes" --select-class CapitalsTest
    ;;
esac
finish
