import java.io.File;
import java.lang.reflect.Method;
import java.net.URL;
import java.net.URLClassLoader;
import java.nio.file.Files;
import java.nio.file.Paths;
import java.util.ArrayList;
import java.util.List;
import java.util.TreeSet;
import java.util.concurrent.CountDownLatch;
import java.util.concurrent.ExecutorService;
import java.util.concurrent.Executors;
import java.util.concurrent.Future;

/**
 * How the jar loads its native part, in a JVM of its own:
 *
 *   Loading race JAR      16 threads make their first call at the same moment
 *   Loading loaders JAR   two class loaders of the jar, side by side
 *
 * Prints what each call gave, one line each, then the native library files
 * this process has mapped.
 */
public class Loading {
    public static void main(String[] args) throws Exception {
        URL jar = new File(args[1]).toURI().toURL();
        List<String> answers = new ArrayList<>();
        if (args[0].equals("race")) {
            ExecutorService pool = Executors.newFixedThreadPool(16);
            CountDownLatch start = new CountDownLatch(1);
            List<Future<String>> calls = new ArrayList<>();
            for (int i = 0; i < 16; ++i) {
                String figures = i + ".5";
                calls.add(pool.submit(() -> {
                    start.await();
                    return toCapitals(Loading.class.getClassLoader(), figures);
                }));
            }
            start.countDown();
            for (Future<String> call : calls) {
                answers.add(call.get());
            }
            pool.shutdown();
        } else {
            for (int i = 0; i < 2; ++i) {
                answers.add(toCapitals(new URLClassLoader(new URL[] {jar}, null), "1409.50"));
            }
        }
        answers.forEach(System.out::println);
        TreeSet<String> mapped = new TreeSet<>();
        for (String line : Files.readAllLines(Paths.get("/proc/self/maps"))) {
            if (line.contains("qinghejian")) {
                mapped.add(line.substring(line.indexOf('/')));
            }
        }
        mapped.forEach(file -> System.out.println("mapped " + file));
    }

    static String toCapitals(ClassLoader loader, String figures) throws Exception {
        Class<?> capitals = Class.forName("org.example.qinghejian.Capitals", true, loader);
        Method call = capitals.getMethod("toCapitals", String.class);
        return (String) call.invoke(null, figures);
    }
}
