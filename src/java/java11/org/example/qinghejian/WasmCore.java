package org.example.qinghejian;

import com.dylibso.chicory.compiler.MachineFactoryCompiler;
import com.dylibso.chicory.runtime.ExportFunction;
import com.dylibso.chicory.runtime.HostFunction;
import com.dylibso.chicory.runtime.ImportValues;
import com.dylibso.chicory.runtime.Instance;
import com.dylibso.chicory.runtime.Memory;
import com.dylibso.chicory.wasm.Parser;
import com.dylibso.chicory.wasm.WasmModule;
import com.dylibso.chicory.wasm.types.FunctionType;
import com.dylibso.chicory.wasm.types.ValType;
import java.io.IOException;
import java.io.InputStream;
import java.util.Arrays;
import java.util.List;

/**
 * The same C++ core as the native libraries, compiled to WebAssembly, run by Chicory in pure Java,
 * which compiles it to bytecode as it loads: for
 * every platform the jar carries no native library for, and wherever native code cannot load. One call at
 * a time: an instance is not for many threads at once.
 */
final class WasmCore {
    private static final int RECORD_FIELDS = 6; // text, capacity, length, failed, position, reason's start

    private final Instance instance;
    private final Memory memory;
    private final ExportFunction malloc;
    private final ExportFunction free;
    private final ExportFunction toCapitals;
    private final ExportFunction fromCapitals;
    private final ExportFunction pairVerdict;
    private final ExportFunction chequeDate;
    private final ExportFunction chequeDateOf;
    private final int record;
    private final List<String> forms;
    private int scratch;
    private int scratchSize;

    private WasmCore(WasmModule module) {
        // What the module asks of its host: word of a grown memory, which
        // Chicory reads afresh anyway, and an exit it never makes.
        HostFunction grown = new HostFunction("env", "emscripten_notify_memory_growth",
                FunctionType.accepting(ValType.I32), (caller, args) -> null);
        HostFunction exit = new HostFunction("wasi_snapshot_preview1", "proc_exit", FunctionType.accepting(ValType.I32),
                (caller, args) -> {
                    throw new IllegalStateException("qinghejian's WebAssembly core exited with " + args[0]);
                });
        instance = Instance.builder(module)
                .withImportValues(ImportValues.builder().addFunction(grown, exit).build())
                .withStart(false)
                .withMachineFactory(MachineFactoryCompiler.compile(module))
                .build();
        instance.export("_initialize").apply();
        memory = instance.memory();
        malloc = instance.export("malloc");
        free = instance.export("free");
        toCapitals = instance.export("qhjToCapitals");
        fromCapitals = instance.export("qhjFromCapitals");
        pairVerdict = instance.export("qhjPairVerdict");
        chequeDate = instance.export("qhjChequeDate");
        chequeDateOf = instance.export("qhjChequeDateOf");
        record = (int) malloc.apply(4 * RECORD_FIELDS)[0];
        memory.write(record, new byte[4 * RECORD_FIELDS]);
        instance.export("qhjFormNames").apply(record);
        forms = Arrays.asList(answer().split("\n"));
    }

    /** The core, or an error that says why there is none. */
    static WasmCore load() {
        try (InputStream in = WasmCore.class.getResourceAsStream("qinghejian.wasm")) {
            if (in == null) {
                throw new UnsatisfiedLinkError("the jar holds no qinghejian.wasm");
            }
            return new WasmCore(Parser.parse(in));
        } catch (IOException e) {
            UnsatisfiedLinkError error = new UnsatisfiedLinkError("cannot read qinghejian.wasm: " + e);
            error.initCause(e);
            throw error;
        }
    }

    synchronized String toCapitals(String figures, String form, boolean written) {
        int address = place(figures);
        toCapitals.apply(address, figures.length(), forms.indexOf(form), written ? 1 : 0, record);
        return answer();
    }

    synchronized String fromCapitals(String capitals) {
        fromCapitals.apply(place(capitals), capitals.length(), record);
        return answer();
    }

    synchronized Verdict checkPair(String figures, String capitals) {
        int address = place(figures + capitals);
        pairVerdict.apply(address, figures.length(), address + 2L * figures.length(), capitals.length(), record);
        String[] lines = answer().split("\n", -1);
        return new Verdict(lines[1], lines[0].equals("1"), Arrays.copyOfRange(lines, 2, lines.length));
    }

    synchronized String chequeDate(String date) {
        chequeDate.apply(place(date), date.length(), record);
        return answer();
    }

    synchronized String chequeDateOf(int year, int month, int day) {
        chequeDateOf.apply(year, month, day, record);
        return answer();
    }

    // The text in the module's memory as UTF-16 code units, each as it is,
    // a lone surrogate too: its address.
    private int place(String text) {
        int size = 2 * text.length();
        if (size > scratchSize) {
            free.apply(scratch);
            scratchSize = Math.max(size, Math.max(2 * scratchSize, 1024));
            scratch = (int) malloc.apply(scratchSize)[0];
        }
        byte[] units = new byte[size];
        for (int i = 0; i < text.length(); ++i) {
            units[2 * i] = (byte) text.charAt(i);
            units[2 * i + 1] = (byte) (text.charAt(i) >> 8);
        }
        memory.write(scratch, units);
        return scratch;
    }

    // The answer the last call left: its text, or the exception it throws.
    private String answer() {
        int text = memory.readInt(record);
        int length = memory.readInt(record + 8);
        byte[] units = memory.readBytes(text, 2 * length);
        char[] chars = new char[length];
        for (int i = 0; i < length; ++i) {
            chars[i] = (char) ((units[2 * i] & 0xFF) | (units[2 * i + 1] & 0xFF) << 8);
        }
        String answer = new String(chars);
        if (memory.readInt(record + 12) != 0) {
            int position = memory.readInt(record + 16);
            throw new AmountFormatException(answer, position > 0 ? position : -1);
        }
        return answer;
    }
}
