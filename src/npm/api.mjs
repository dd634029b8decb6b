// The package's functions over a compiled core (bindings.cpp). An ES
// module; the build makes the CommonJS copy of it (make_cjs.cmake).
export default function makeApi(core) {
    let scratch = 0;
    let scratchUnits = 0;
    // The record each call answers in: text, capacity, length, failed,
    // position; the text's room is kept from call to call.
    const record = core._malloc(20) >> 2;
    core.HEAP32.fill(0, record, record + 5);

    // Room for `units` UTF-16 code units in the module's memory, kept from
    // call to call.
    function room(units) {
        if (units > scratchUnits) {
            core._free(scratch);
            scratchUnits = Math.max(units, 2 * scratchUnits, 256);
            scratch = core._malloc(scratchUnits * 2);
        }
        return scratch;
    }

    // One text, placed: its address; its length is the text's.
    function place(text) {
        const address = room(text.length);
        core.utf16.write(core.HEAPU16, address >> 1, text);
        return address;
    }

    // The answer a call left in the record: its text, or the failure it
    // throws.
    function result() {
        const heap = core.HEAP32;
        const text = core.utf16.read(core.HEAPU16, heap[record] >> 1, heap[record + 2]);
        if (heap[record + 3]) {
            const position = heap[record + 4];
            const error = new RangeError(text);
            if (position > 0)
                error.position = position;
            throw error;
        }
        return text;
    }

    function text(value, what) {
        if (typeof value === 'number' || typeof value === 'bigint')
            return String(value);
        if (typeof value !== 'string')
            throw new TypeError(`qinghejian: ${what} must be a string`);
        return value;
    }

    const forms = { standard: 0, rmb: 1, window: 2 };

    return {
        toCapitals(figures, options = {}) {
            const form = forms[options.form === undefined ? 'standard' : options.form];
            if (form === undefined)
                throw new RangeError(`qinghejian: form must be one of ${Object.keys(forms).join(', ')}`);
            const input = text(figures, 'figures');
            core._qhjToCapitals(place(input), input.length, form, record << 2);
            return result();
        },
        fromCapitals(capitals) {
            const input = text(capitals, 'capitals');
            core._qhjFromCapitals(place(input), input.length, record << 2);
            return result();
        },
        checkPair(figures, capitals) {
            const first = text(figures, 'figures');
            const second = text(capitals, 'capitals');
            const address = room(first.length + second.length);
            core.utf16.write(core.HEAPU16, address >> 1, first);
            core.utf16.write(core.HEAPU16, (address >> 1) + first.length, second);
            core._qhjCheckPair(address, first.length, address + 2 * first.length, second.length, record << 2);
            return result();
        },
        chequeDate(date) {
            if (date instanceof Date) {
                if (Number.isNaN(date.getTime()))
                    throw new RangeError('qinghejian: invalid Date');
                core._qhjChequeDateOf(date.getFullYear(), date.getMonth() + 1, date.getDate(), record << 2);
                return result();
            }
            const input = text(date, 'date');
            core._qhjChequeDate(place(input), input.length, record << 2);
            return result();
        },
    };
}
