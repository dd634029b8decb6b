// The package's functions against one table of cases, loaded the way the
// file's name says: api.test.cjs through require(), api.test.mjs through
// import. Messages and verdicts are compared whole.
const cases = JSON.parse(loadCases());

function suite(q) {
    // A form by name in the table; null for the default, which no options,
    // null and {} all mean.
    const optionsOf = (form) => (form === null ? undefined : { form });
    test('toCapitals', () => {
        for (const [figures, form, capitals] of cases.toCapitals)
            assert.equal(q.toCapitals(figures, optionsOf(form)), capitals, `${figures} ${form}`);
        // The table's first case has the default form.
        const [figures, , capitals] = cases.toCapitals[0];
        for (const options of [null, {}, { form: undefined }])
            assert.equal(q.toCapitals(figures, options), capitals, JSON.stringify(options));
    });
    test('toCapitals throws a RangeError with the reason, and cuts nothing', () => {
        for (const [figures, form, message, position] of [...cases.toCapitalsErrors, ...cases.javascript.toCapitalsErrors]) {
            assert.throws(() => q.toCapitals(figures, optionsOf(form)), (error) => {
                assert.ok(error instanceof RangeError, `${JSON.stringify(figures)}: ${error}`);
                assert.equal(error.message, message, JSON.stringify(figures));
                assert.equal(error.position, position ?? undefined, JSON.stringify(figures));
                return true;
            });
        }
        assert.throws(() => q.toCapitals(0.1 + 0.2), RangeError);
    });
    test('fromCapitals', () => {
        for (const [capitals, figures] of cases.fromCapitals)
            assert.equal(q.fromCapitals(capitals), figures, capitals);
        for (const [capitals, message, position] of cases.fromCapitalsErrors) {
            assert.throws(() => q.fromCapitals(capitals), (error) => {
                assert.ok(error instanceof RangeError, `${capitals}: ${error}`);
                assert.equal(error.message, message, capitals);
                assert.equal(error.position, position ?? undefined, capitals);
                return true;
            });
        }
    });
    test('checkPair gives the verdict line', () => {
        for (const [figures, capitals, verdict] of cases.checkPair)
            assert.equal(q.checkPair(figures, capitals), verdict, `${figures} ${capitals}`);
    });
    test('chequeDate takes text or a Date', () => {
        for (const [date, capitals] of cases.chequeDate)
            assert.equal(q.chequeDate(date), capitals, date);
        assert.equal(q.chequeDate(new Date(2026, 9, 20, 23, 59)), '贰零贰陆年零壹拾月零贰拾日');
        for (const [date, message] of cases.chequeDateErrors)
            assert.throws(() => q.chequeDate(date), (error) => error instanceof RangeError && error.message === message);
        assert.throws(() => q.chequeDate(new Date(NaN)), RangeError);
    });
    test('a long text and many calls', () => {
        assert.throws(() => q.toCapitals('9'.repeat(100000)), RangeError);
        for (let i = 0; i < 20000; ++i)
            assert.equal(q.fromCapitals(q.toCapitals(`${i}.05`)), `${i}.05`);
    });
    test('a wrong type of argument is a TypeError, whichever it is', () => {
        for (const [name, args, message] of cases.javascript.typeErrors) {
            assert.throws(() => q[name](...args), (error) => {
                assert.ok(error instanceof TypeError, `${name}(${JSON.stringify(args)}): ${error}`);
                assert.equal(error.message, message);
                return true;
            });
        }
    });
    test('ready resolves', () => q.ready);
}
