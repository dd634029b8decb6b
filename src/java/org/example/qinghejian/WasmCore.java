package org.example.qinghejian;

/**
 * Where the WebAssembly core would be on Java 8: the runtime that runs it, Chicory, needs Java 11, so
 * this says so. The jar's classes for Java 11 and later hold the core itself.
 */
final class WasmCore {
    private WasmCore() {}

    static WasmCore load() {
        throw new UnsatisfiedLinkError("the WebAssembly core needs Java 11 or later; this is Java "
                + System.getProperty("java.version"));
    }

    String toCapitals(String figures, String form, boolean written) {
        throw new AssertionError();
    }

    String fromCapitals(String capitals) {
        throw new AssertionError();
    }

    Verdict checkPair(String figures, String capitals) {
        throw new AssertionError();
    }

    String chequeDate(String date) {
        throw new AssertionError();
    }

    String chequeDateOf(int year, int month, int day) {
        throw new AssertionError();
    }
}
