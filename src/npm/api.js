// The package's functions over a compiled core (bindings.cpp). Written once;
// the build makes a CommonJS and an ES module of it.
function makeApi(core) {
    let scratch = 0;
    let scratchUnits = 0;

    // `texts` in the module's memory, one after the other; their addresses
    // and lengths, as the core's functions take them.
    function place(texts) {
        let units = 0;
        for (const text of texts)
            units += text.length;
        if (units > scratchUnits) {
            core._free(scratch);
            scratchUnits = Math.max(units, 2 * scratchUnits, 256);
            scratch = core._malloc(scratchUnits * 2);
        }
        const heap = core.HEAPU16;
        const args = [];
        let at = scratch >> 1;
        for (const text of texts) {
            args.push(at << 1, text.length);
            for (let i = 0; i < text.length; ++i)
                heap[at + i] = text.charCodeAt(i);
            at += text.length;
        }
        return args;
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
            return result(core._qhjToCapitals(...place([text(figures, 'figures')]), form));
        },
        fromCapitals(capitals) {
            return result(core._qhjFromCapitals(...place([text(capitals, 'capitals')])));
        },
        checkPair(figures, capitals) {
            return result(core._qhjCheckPair(...place([text(figures, 'figures'), text(capitals, 'capitals')])));
        },
        chequeDate(date) {
            if (date instanceof Date) {
                if (Number.isNaN(date.getTime()))
                    throw new RangeError('qinghejian: invalid Date');
                return result(core._qhjChequeDateOf(date.getFullYear(), date.getMonth() + 1, date.getDate()));
            }
            return result(core._qhjChequeDate(...place([text(date, 'date')])));
        },
    };
}
