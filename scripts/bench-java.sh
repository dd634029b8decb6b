#!/usr/bin/env bash
# `make bench`'s Java part: the jar's calls in Debian's JDK, after a
# warm-up, against the native qinghejian-convert's per-line time on the
# same 10^6 amounts. Goal: within 2x of native per call. Then the same on
# the WebAssembly core (-Dqinghejian.native=false) against the jar's
# native core, side by side: within 10x.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/bench_inputs.sh
jar=$(echo build-java/java/qinghejian-*[0-9].jar)
cat >"$work/Bench.java" <<'JAVA'
import java.nio.file.*;
import java.util.*;
import java.util.function.*;
import org.example.qinghejian.Capitals;

public class Bench {
    public static void main(String[] args) throws Exception {
        List<String> amounts = Files.readAllLines(Paths.get(args[0], "amounts"));
        List<String> capitals = Files.readAllLines(Paths.get(args[0], "capitals"));
        List<String> pairs = Files.readAllLines(Paths.get(args[0], "pairs"));
        String[] names = {"toCapitals", "fromCapitals", "checkPair"};
        double goal = Double.parseDouble(args[4]);
        List<List<String>> inputs = Arrays.asList(amounts, capitals, pairs);
        List<Function<String, Object>> calls = Arrays.asList(Capitals::toCapitals, Capitals::fromCapitals,
                pair -> Capitals.checkPair(pair.substring(0, pair.indexOf('\t')), pair.substring(pair.indexOf('\t') + 1)));
        for (int k = 0; k < 3; ++k) {
            long sink = 0;
            for (int round = 0; round < 2; ++round) { // the first warms up
                long start = System.nanoTime();
                for (String input : inputs.get(k))
                    sink += calls.get(k).apply(input).hashCode();
                double ns = (System.nanoTime() - start) / (double) inputs.get(k).size();
                long nativeNs = Long.parseLong(args[k + 1]);
                if (round == 1)
                    System.out.printf("%-13s %.2f million calls/s, %.0f ns a call; %s %d ns: %.2fx (goal: at most %.0fx)%s%n",
                            names[k], 1e3 / ns, ns, args[5], nativeNs, ns / nativeNs, goal, sink == 42 ? " " : "");
            }
        }
    }
}
JAVA
javac -cp "$jar" -d "$work" "$work/Bench.java"
echo "== the Java library in $(java -version 2>&1 | head -n 1), $n amounts"
native=$(java -cp "$jar:$work" Bench "$work" "$(native_ns --standard <"$work/amounts")" "$(native_ns --read <"$work/capitals")" \
    "$(native_ns --check <"$work/pairs")" 2 "qinghejian-convert a line")
echo "$native"
echo "== ... on its WebAssembly core, against its native one"
java -Dqinghejian.native=false -cp "$jar:$work$(printf ':%s' build-java/deps/runtime/*.jar)" Bench "$work" \
    $(sed -n 's/.* \([0-9]*\) ns a call;.*/\1/p' <<<"$native") 10 "native"
