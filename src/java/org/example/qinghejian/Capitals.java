package org.example.qinghejian;

import java.io.File;
import java.io.IOException;
import java.io.InputStream;
import java.math.BigDecimal;
import java.math.RoundingMode;
import java.nio.file.Files;
import java.nio.file.Path;
import java.time.LocalDate;
import java.util.Arrays;
import java.util.Locale;
import java.util.Objects;

/**
 * Renminbi amounts in Chinese capital numerals (大写), as cheques, invoices and receipts write
 * them, on the C++ core of 青禾笺.
 *
 * <pre>{@code
 * Capitals.toCapitals("1409.50");                  // 壹仟肆佰零玖元伍角整
 * Capitals.fromCapitals("壹仟肆佰零玖元伍角整");     // 1409.50
 * Capitals.checkPair("10.05", "壹拾元伍分").toString(); // 一致；角位为零而分位不为零时，元后应写零
 * }</pre>
 *
 * <p>Nothing is ever cut silently: an amount that cannot be written whole throws {@link
 * AmountFormatException} with the reason. There is no {@code double} overload: a double is not the
 * amount that was typed (0.1 + 0.2 is 0.30000000000000004), so pass the figures as text or as a
 * {@link BigDecimal} made from text.
 *
 * <p>Every method is thread-safe: it keeps nothing between calls, and many threads may call it at
 * once. The native part loads at first use, from {@code java.library.path} where it is installed
 * there, and otherwise from this jar, into a private temporary file. Where it cannot load (a
 * platform the jar carries no native library for, musl, a temporary folder mounted {@code noexec}),
 * or where {@code -Dqinghejian.native=false} says not to, the same core runs as WebAssembly on
 * Chicory, on Java 11 and later, with the same answers.
 */
public final class Capitals {
    // The WebAssembly core where the native one is not used; null where it is.
    private static final WasmCore WASM = loadCore();

    private Capitals() {}

    /** {@link #toCapitals(String, Form)} in the standard form. */
    public static String toCapitals(String figures) {
        return toCapitals(figures, Form.STANDARD);
    }

    /**
     * The amount in capitals.
     *
     * @param figures as {@code qinghejian-convert} reads them: "1409.50", " ￥1,409.50 ", "-0.1", "１２３"
     * @param form how to write it
     * @return the capitals
     * @throws AmountFormatException when the figures cannot be read, or have decimals past 分
     * @throws NullPointerException when an argument is null
     */
    public static String toCapitals(String figures, Form form) {
        return WASM == null ? toCapitals0(Objects.requireNonNull(figures, "figures"), formCode(form), true)
                : WASM.toCapitals(Objects.requireNonNull(figures, "figures"), formCode(form), true);
    }

    /** {@link #toCapitals(BigDecimal, Form)} in the standard form. */
    public static String toCapitals(BigDecimal amount) {
        return toCapitals(amount, Form.STANDARD);
    }

    /**
     * The amount in capitals, as {@link BigDecimal#toPlainString()} writes it.
     *
     * @throws AmountFormatException when it has more than sixteen integer digits, or a digit other than zero
     *     past 分; zeros past 分, as a database's column scale gives them, are the same amount
     */
    public static String toCapitals(BigDecimal amount, Form form) {
        String figures = figuresOf(Objects.requireNonNull(amount, "amount"));
        return WASM == null ? toCapitals0(figures, formCode(form), false) : WASM.toCapitals(figures, formCode(form), false);
    }

    // A database or Spark hands over its column's scale: 1409.500000 is
    // 1409.50. Only a digit other than zero past 分 stays, to be refused.
    private static String figuresOf(BigDecimal amount) {
        if (amount.scale() <= 2) {
            return amount.toPlainString();
        }
        try {
            // One division, where stripping the zeros takes one for each.
            return amount.setScale(2, RoundingMode.UNNECESSARY).toPlainString();
        } catch (ArithmeticException pastFen) {
            return amount.toPlainString();
        }
    }

    /** {@link #toCapitals(long, Form)} in the standard form. */
    public static String toCapitals(long yuan) {
        return toCapitals(yuan, Form.STANDARD);
    }

    /**
     * A whole number of yuan in capitals.
     *
     * @throws AmountFormatException when it has more than sixteen digits
     */
    public static String toCapitals(long yuan, Form form) {
        return WASM == null ? toCapitals0(Long.toString(yuan), formCode(form), false)
                : WASM.toCapitals(Long.toString(yuan), formCode(form), false);
    }

    /**
     * The amount that capitals say. The window's form, 人民币 and the traditional forms are read too.
     *
     * @return the amount, with scale 2
     * @throws AmountFormatException when the capitals cannot be read
     */
    public static BigDecimal fromCapitals(String capitals) {
        return new BigDecimal(WASM == null ? fromCapitals0(Objects.requireNonNull(capitals, "capitals"))
                : WASM.fromCapitals(Objects.requireNonNull(capitals, "capitals")));
    }

    /**
     * Figures against capitals, as a cheque or an invoice states its amount twice: whether they
     * say the same, and which payment rules the capitals break. Blanks around either do not count.
     */
    public static Verdict checkPair(String figures, String capitals) {
        return WASM == null
                ? checkPair0(Objects.requireNonNull(figures, "figures"), Objects.requireNonNull(capitals, "capitals"))
                : WASM.checkPair(Objects.requireNonNull(figures, "figures"), Objects.requireNonNull(capitals, "capitals"));
    }

    /**
     * {@link #checkPair(String, String)} for figures a database column holds, read as {@link
     * #toCapitals(BigDecimal, Form)} reads them.
     */
    public static Verdict checkPair(BigDecimal figures, String capitals) {
        return checkPair(figuresOf(Objects.requireNonNull(figures, "figures")), capitals);
    }

    /** A cheque's date of issue in capitals: 2026-10-20 is 贰零贰陆年零壹拾月零贰拾日. */
    public static String chequeDate(LocalDate date) {
        Objects.requireNonNull(date, "date");
        return WASM == null ? chequeDateOf0(date.getYear(), date.getMonthValue(), date.getDayOfMonth())
                : WASM.chequeDateOf(date.getYear(), date.getMonthValue(), date.getDayOfMonth());
    }

    /**
     * A cheque's date of issue in capitals, from "2026-10-20", "2026/10/20", "2026年10月20日" or
     * "20261020".
     *
     * @throws AmountFormatException when it is no such date, or not written as one
     */
    public static String chequeDate(String date) {
        return WASM == null ? chequeDate0(Objects.requireNonNull(date, "date"))
                : WASM.chequeDate(Objects.requireNonNull(date, "date"));
    }

    private static String formCode(Form form) {
        return Objects.requireNonNull(form, "form").key;
    }

    private static native String toCapitals0(String figures, String form, boolean written);

    private static native String fromCapitals0(String capitals);

    private static native Verdict checkPair0(String figures, String capitals);

    private static native String chequeDate0(String date);

    private static native String chequeDateOf0(int year, int month, int day);

    // The platform as the jar's folders name it: the system, then the
    // machine, as Java names them on each.
    private static String platform() {
        String os = System.getProperty("os.name", "").toLowerCase(Locale.ROOT);
        String arch = System.getProperty("os.arch", "").toLowerCase(Locale.ROOT);
        String system = os.startsWith("windows") ? "windows" : os.startsWith("linux") ? "linux" : os;
        String machine = arch.equals("amd64") || arch.equals("x86_64") ? "x86_64"
                : arch.equals("aarch64") || arch.equals("arm64") ? "aarch64" : arch;
        String platform = system + "-" + machine;
        // The natives the jar carries, by the platform each is for; a local,
        // as the class's static fields are not yet set when this runs.
        String[] carried = {"linux-x86_64", "linux-aarch64", "windows-x86_64"};
        if (!Arrays.asList(carried).contains(platform)) {
            throw new UnsatisfiedLinkError("qinghejian has no native library for " + os + " on " + arch
                    + "; the jar carries " + String.join(", ", carried));
        }
        // The Linux libraries are for glibc; musl's loader would refuse them.
        File[] musl = new File("/lib").listFiles((folder, name) -> name.startsWith("ld-musl-"));
        if (system.equals("linux") && musl != null && musl.length > 0) {
            throw new UnsatisfiedLinkError("qinghejian's Linux libraries are for glibc, and this system has musl");
        }
        return platform;
    }

    // The native core, loaded; or the WebAssembly one where the native one
    // cannot load or is not wanted; or an error that says why neither.
    private static WasmCore loadCore() {
        String whyNot = "-Dqinghejian.native=false";
        if (!"false".equalsIgnoreCase(System.getProperty("qinghejian.native"))) {
            try {
                loadNative();
                return null;
            } catch (UnsatisfiedLinkError e) {
                whyNot = e.getMessage();
            }
        }
        try {
            return WasmCore.load();
        } catch (UnsatisfiedLinkError | NoClassDefFoundError e) {
            String fallback = e instanceof NoClassDefFoundError
                    ? "its WebAssembly core needs Chicory (com.dylibso.chicory: runtime, wasm and compiler, as the pom"
                            + " names them) on the class path, which lacks "
                            + e.getMessage()
                    : e.getMessage();
            throw new UnsatisfiedLinkError("qinghejian cannot run on " + System.getProperty("os.name") + " "
                    + System.getProperty("os.arch") + ": no native library (" + whyNot + "), and no WebAssembly core ("
                    + fallback + ")");
        }
    }

    private static String nativeFile() {
        return platform().startsWith("windows") ? "qinghejian.dll" : "libqinghejian.so";
    }

    // Once for each class loader, as the class initialises: the JVM runs that
    // once however many threads arrive at once. Each loader gets a file of its
    // own, as a JVM lets only one loader hold a native library file.
    private static void loadNative() {
        try {
            System.loadLibrary("qinghejian");
            return;
        } catch (UnsatisfiedLinkError notInstalled) {
            // then the jar's own
        }
        String resource = "native/" + platform() + "/" + nativeFile();
        try (InputStream in = Capitals.class.getResourceAsStream(resource)) {
            if (in == null) {
                throw new UnsatisfiedLinkError("the jar holds no " + resource);
            }
            // A folder only its owner can enter, fresh for each load.
            Path folder = Files.createTempDirectory("qinghejian-");
            Path library = folder.resolve(nativeFile());
            try {
                Files.copy(in, library);
                System.load(library.toString());
            } finally {
                // Loaded or not, the file is no longer needed where the system lets it go.
                try {
                    Files.deleteIfExists(library);
                    Files.delete(folder);
                } catch (IOException stillOpen) {
                    library.toFile().deleteOnExit();
                    folder.toFile().deleteOnExit();
                }
            }
        } catch (IOException e) {
            UnsatisfiedLinkError error = new UnsatisfiedLinkError("cannot unpack " + resource + ": " + e);
            error.initCause(e);
            throw error;
        }
    }
}
