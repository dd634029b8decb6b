import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertThrows;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.fasterxml.jackson.databind.DeserializationFeature;
import com.fasterxml.jackson.databind.ObjectMapper;
import java.io.File;
import java.io.IOException;
import java.math.BigDecimal;
import java.nio.file.Files;
import java.nio.file.Paths;
import java.time.LocalDate;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;
import java.util.Map;
import java.util.TreeMap;
import java.util.concurrent.Callable;
import java.util.concurrent.ExecutorService;
import java.util.concurrent.Executors;
import java.util.concurrent.Future;
import java.util.stream.Stream;
import org.example.qinghejian.AmountFormatException;
import org.example.qinghejian.Capitals;
import org.example.qinghejian.Form;
import org.example.qinghejian.Verdict;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.MethodSource;

/**
 * The jar against the table of cases every language's package shares (QHJ_CASES), then what only
 * Java has.
 */
class CapitalsTest {
    static final Map<String, List<List<Object>>> CASES = read(System.getenv("QHJ_CASES"));

    static Stream<List<Object>> toCapitals() { return CASES.get("toCapitals").stream(); }
    static Stream<List<Object>> toCapitalsErrors() { return CASES.get("toCapitalsErrors").stream(); }
    static Stream<List<Object>> fromCapitals() { return CASES.get("fromCapitals").stream(); }
    static Stream<List<Object>> fromCapitalsErrors() { return CASES.get("fromCapitalsErrors").stream(); }
    static Stream<List<Object>> checkPair() { return CASES.get("checkPair").stream(); }
    static Stream<List<Object>> chequeDate() { return CASES.get("chequeDate").stream(); }
    static Stream<List<Object>> chequeDateErrors() { return CASES.get("chequeDateErrors").stream(); }

    // A number of the table is a BigDecimal as its shortest text gives it: Java has no double overload.
    static String call(Object figures, Object form) {
        Form named = form == null ? Form.STANDARD : Form.valueOf(form.equals("rmb") ? "RMB" : ((String) form).toUpperCase());
        return figures instanceof String ? Capitals.toCapitals((String) figures, named)
                : Capitals.toCapitals(new BigDecimal(figures.toString()), named);
    }

    static int position(Object position) {
        return position == null ? -1 : ((Number) position).intValue();
    }

    @ParameterizedTest @MethodSource
    void toCapitals(List<Object> c) {
        assertEquals(c.get(2), call(c.get(0), c.get(1)));
    }

    @ParameterizedTest @MethodSource
    void toCapitalsErrors(List<Object> c) {
        AmountFormatException e = assertThrows(AmountFormatException.class, () -> call(c.get(0), c.get(1)));
        assertEquals(Arrays.asList(c.get(2), position(c.get(3))), Arrays.asList(e.getMessage(), e.getPosition()));
    }

    @ParameterizedTest @MethodSource
    void fromCapitals(List<Object> c) {
        BigDecimal amount = Capitals.fromCapitals((String) c.get(0));
        assertEquals(Arrays.asList(c.get(1), 2), Arrays.asList(amount.toPlainString(), amount.scale()));
    }

    @ParameterizedTest @MethodSource
    void fromCapitalsErrors(List<Object> c) {
        AmountFormatException e = assertThrows(AmountFormatException.class, () -> Capitals.fromCapitals((String) c.get(0)));
        assertEquals(Arrays.asList(c.get(1), position(c.get(2))), Arrays.asList(e.getMessage(), e.getPosition()));
    }

    @ParameterizedTest @MethodSource
    void checkPair(List<Object> c) {
        Verdict verdict = Capitals.checkPair((String) c.get(0), (String) c.get(1));
        String line = (String) c.get(2);
        assertEquals(line, verdict.toString());
        assertEquals(line.startsWith("一致"), verdict.agrees());
        assertTrue(!verdict.agrees() || line.equals(String.join("；", cons("一致", verdict.findings()))));
        assertThrows(UnsupportedOperationException.class, () -> verdict.findings().add("x"));
    }

    @ParameterizedTest @MethodSource
    void chequeDate(List<Object> c) {
        assertEquals(c.get(1), Capitals.chequeDate((String) c.get(0)));
    }

    @ParameterizedTest @MethodSource
    void chequeDateErrors(List<Object> c) {
        assertEquals(c.get(1), assertThrows(AmountFormatException.class, () -> Capitals.chequeDate((String) c.get(0))).getMessage());
    }

    @Test
    void javaNumbersAndDates() {
        assertEquals("玖仟零柒万壹仟玖佰玖拾贰亿伍仟肆佰柒拾肆万零玖佰玖拾叁元整", Capitals.toCapitals(9007199254740993L));
        assertEquals("负壹角整", Capitals.toCapitals(new BigDecimal("-0.10")));
        assertEquals("人民币壹仟贰佰元整", Capitals.toCapitals(new BigDecimal("1.2E+3"), Form.RMB));
        assertEquals("壹仟肆佰零玖元伍角整", Capitals.toCapitals(new BigDecimal("1409.500000000000000000")));
        assertThrows(AmountFormatException.class, () -> Capitals.toCapitals(new BigDecimal("1409.505000")));
        AmountFormatException e = assertThrows(AmountFormatException.class, () -> Capitals.toCapitals(Long.MIN_VALUE));
        assertEquals(Arrays.asList("整数超过十六位", -1), Arrays.asList(e.getMessage(), e.getPosition()));
        assertEquals("贰零贰肆年零贰月贰拾玖日", Capitals.chequeDate(LocalDate.of(2024, 2, 29)));
    }

    @Test
    void nullNamesItsParameter() {
        List<Callable<?>> calls = Arrays.asList(
                () -> Capitals.toCapitals((String) null), () -> Capitals.toCapitals("1", null),
                () -> Capitals.toCapitals((BigDecimal) null), () -> Capitals.fromCapitals(null),
                () -> Capitals.checkPair("1", null), () -> Capitals.checkPair((String) null, "壹元整"),
                () -> Capitals.chequeDate((LocalDate) null), () -> Capitals.chequeDate((String) null));
        List<String> names = new ArrayList<>();
        for (Callable<?> call : calls) {
            names.add(assertThrows(NullPointerException.class, call::call).getMessage());
        }
        assertEquals(Arrays.asList("figures", "form", "amount", "capitals", "capitals", "figures", "date", "date"), names);
    }

    @Test
    void hostileTextIsAnswered() {
        for (String text : Arrays.asList(repeat("9", 10_000_000), repeat("壹", 10_000_000), repeat("\ud800", 1_000_000),
                repeat("\0", 1_000_000))) {
            assertThrows(AmountFormatException.class, () -> Capitals.toCapitals(text));
            assertThrows(AmountFormatException.class, () -> Capitals.toCapitals(text, Form.WINDOW));
            assertThrows(AmountFormatException.class, () -> Capitals.fromCapitals(text));
            assertThrows(AmountFormatException.class, () -> Capitals.chequeDate(text));
            assertFalse(Capitals.checkPair(text, text).agrees());
        }
    }

    @Test
    void threadsShareItAndAgree() throws Exception {
        ExecutorService pool = Executors.newFixedThreadPool(16);
        List<Future<Boolean>> runs = new ArrayList<>();
        for (int t = 0; t < 16; ++t) {
            runs.add(pool.submit(() -> {
                for (int i = 0; i < 20000; ++i) {
                    String figures = i + "." + (i % 90 + 10);
                    if (!Capitals.fromCapitals(Capitals.toCapitals(figures)).toPlainString().equals(figures)) {
                        return false;
                    }
                }
                return true;
            }));
        }
        for (Future<Boolean> run : runs) {
            assertTrue(run.get());
        }
        pool.shutdown();
    }

    @Test
    void aMillionCallsKeepTheirMemory() throws IOException {
        calls(1_000_000); // until the compiler has done its work
        long heap = usedHeap();
        long resident = residentKib();
        calls(1_000_000);
        assertTrue(usedHeap() - heap < 8 << 20, "the heap grew by " + (usedHeap() - heap));
        assertTrue(residentKib() - resident < 16 << 10, "the process grew by " + (residentKib() - resident) + " KiB");
    }

    static void calls(int n) {
        for (int i = 0; i < n; ++i) {
            Capitals.toCapitals(i + ".5");
            Capitals.checkPair("10.05", "壹拾元伍分");
            try {
                Capitals.toCapitals("1.234");
            } catch (AmountFormatException expected) {
                // the refusal is what is measured
            }
        }
    }

    static long usedHeap() {
        for (int i = 0; i < 3; ++i) {
            System.gc();
        }
        return Runtime.getRuntime().totalMemory() - Runtime.getRuntime().freeMemory();
    }

    static long residentKib() throws IOException {
        for (String line : Files.readAllLines(Paths.get("/proc/self/status"))) {
            if (line.startsWith("VmRSS:")) {
                return Long.parseLong(line.replaceAll("\\D", ""));
            }
        }
        throw new IOException("no VmRSS");
    }

    static String repeat(String unit, int times) {
        StringBuilder text = new StringBuilder(unit.length() * times);
        for (int i = 0; i < times; ++i) {
            text.append(unit);
        }
        return text.toString();
    }

    static List<String> cons(String first, List<String> rest) {
        List<String> all = new ArrayList<>();
        all.add(first);
        all.addAll(rest);
        return all;
    }

    // The table as the JSON it is: numbers as BigDecimal, sections of
    // rows only (what only JavaScript has is an object of its own).
    @SuppressWarnings("unchecked")
    static Map<String, List<List<Object>>> read(String path) {
        Map<String, List<List<Object>>> cases = new TreeMap<>();
        try {
            Map<String, Object> table = new ObjectMapper().enable(DeserializationFeature.USE_BIG_DECIMAL_FOR_FLOATS)
                    .readValue(new File(path), Map.class);
            table.forEach((section, rows) -> {
                if (rows instanceof List) {
                    cases.put(section, (List<List<Object>>) rows);
                }
            });
        } catch (IOException e) {
            throw new IllegalStateException(e);
        }
        return cases;
    }
}
