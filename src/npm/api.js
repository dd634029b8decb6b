// The package's functions over a compiled core (bindings.cpp). Written once;
// the build makes a CommonJS and an ES module of it.
function makeApi(core) {
    let scratch = 0;
    let scratchUnits = 0;

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

    // `text` at code unit `at` of the module's memory.
    function put(text, at) {
        const heap = core.HEAPU16;
        for (let i = 0; i < text.length; ++i)
            heap[at + i] = text.charCodeAt(i);
    }

    // One text, placed: its address; its length is the text's.
    function place(text) {
        const address = room(text.length);
        put(text, address >> 1);
        return address;
    }

    function result(pointer) {
        const length = core._qhjResultLength();
        const start = pointer >> 1;
        let text = '';
        for (let i = 0; i < length; i += 4096)
            text += String.fromCharCode.apply(null, core.HEAPU16.subarray(start + i, start + Math.min(length, i + 4096)));
        if (core._qhjResultFailed()) {
            const error = new RangeError(text);
            const position = core._qhjResultPosition();
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
            return result(core._qhjToCapitals(place(input), input.length, form));
        },
        fromCapitals(capitals) {
            const input = text(capitals, 'capitals');
            return result(core._qhjFromCapitals(place(input), input.length));
        },
        checkPair(figures, capitals) {
            const first = text(figures, 'figures');
            const second = text(capitals, 'capitals');
            const address = room(first.length + second.length);
            put(first, address >> 1);
            put(second, (address >> 1) + first.length);
            return result(core._qhjCheckPair(address, first.length, address + 2 * first.length, second.length));
        },
        chequeDate(date) {
            if (date instanceof Date) {
                if (Number.isNaN(date.getTime()))
                    throw new RangeError('qinghejian: invalid Date');
                return result(core._qhjChequeDateOf(date.getFullYear(), date.getMonth() + 1, date.getDate()));
            }
            const input = text(date, 'date');
            return result(core._qhjChequeDate(place(input), input.length));
        },
    };
}
