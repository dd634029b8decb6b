// The package's functions over a compiled core (bindings.cpp). An ES
// module; the build makes the CommonJS copy of it (make_cjs.cmake).
export default function makeApi(core) {
    let scratch = 0;
    let scratchUnits = 0;
    // The record each call answers in: text, capacity, length, failed,
    // position, where the reason begins; the text's room is kept from call
    // to call.
    const record = core._malloc(24) >> 2;
    core.HEAP32.fill(0, record, record + 6);

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
    // throws, with the position where the core gives one.
    function result() {
        const heap = core.HEAP32;
        const text = core.utf16.read(core.HEAPU16, heap[record] >> 1, heap[record + 2]);
        if (heap[record + 3]) {
            const error = new RangeError(text);
            if (heap[record + 4] > 0)
                error.position = heap[record + 4];
            throw error;
        }
        return text;
    }

    function text(value, what) {
        if (typeof value !== 'string')
            throw new TypeError(`qinghejian: ${what} must be a string`);
        return value;
    }

    // A number as it is written out in full, without an exponent: 1e21 is
    // 1000000000000000000000, 1.5e-7 is 0.00000015.
    function written(number) {
        const parts = /^(-?)(\d+)(?:\.(\d+))?e([+-]\d+)$/.exec(String(number));
        if (!parts)
            return String(number);
        const [, sign, whole, fraction = '', exponent] = parts;
        const digits = whole + fraction;
        const point = whole.length + Number(exponent);
        if (point <= 0)
            return `${sign}0.${'0'.repeat(-point)}${digits}`;
        if (point >= digits.length)
            return sign + digits + '0'.repeat(point - digits.length);
        return `${sign}${digits.slice(0, point)}.${digits.slice(point)}`;
    }

    // Figures as text, from a string, a number or a bigint.
    function figuresText(value) {
        if (typeof value === 'bigint')
            return value.toString();
        if (typeof value !== 'number')
            return text(value, 'figures');
        if (!Number.isFinite(value))
            throw new RangeError(`qinghejian: figures must be a finite number, not ${value}`);
        const full = written(value);
        // Past 2^53 a number may already be another than the one typed:
        // 9007199254740993 arrives as ...992. Too many digits anyway is the
        // conversion's to say.
        if (Math.abs(value) > Number.MAX_SAFE_INTEGER && full.replace(/^-/, '').split('.')[0].length <= 16)
            throw new RangeError('qinghejian: a number beyond Number.MAX_SAFE_INTEGER may not be the one written; pass the figures as a string');
        return full;
    }

    // The forms by name, numbered as the core numbers them.
    core._qhjFormNames(record << 2);
    const formNames = result().split('\n').filter(Boolean);
    const forms = new Map(formNames.map((name, number) => [name, number]));

    // The options object, or the defaults for null and undefined; an
    // unknown key or value is a mistake worth telling.
    function formOf(options) {
        if (options === undefined || options === null)
            return forms.get('standard');
        if (typeof options !== 'object' || Array.isArray(options))
            throw new TypeError('qinghejian: options must be an object such as { form: \'standard\' }');
        for (const key of Object.keys(options)) {
            if (key !== 'form')
                throw new TypeError(`qinghejian: unknown option ${JSON.stringify(key)}; the options are: form`);
        }
        const form = options.form === undefined ? 'standard' : options.form;
        if (!forms.has(form))
            throw new TypeError(`qinghejian: form must be one of ${formNames.join(', ')}`);
        return forms.get(form);
    }

    return {
        toCapitals(figures, options) {
            const form = formOf(options);
            const input = figuresText(figures);
            core._qhjToCapitals(place(input), input.length, form, typeof figures === 'string', record << 2);
            return result();
        },
        fromCapitals(capitals) {
            const input = text(capitals, 'capitals');
            core._qhjFromCapitals(place(input), input.length, record << 2);
            return result();
        },
        checkPair(figures, capitals) {
            const first = figuresText(figures);
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
