// Browsers compile WebAssembly of this size only asynchronously on the main
// thread: the functions work once `ready` has resolved.
import createCore from './core-web.mjs';
import makeApi from './api.mjs';

let api = null;

export const ready = createCore().then((core) => {
    api = makeApi(core);
});

function once(name) {
    return (...args) => {
        if (api === null)
            throw new Error(`qinghejian: ${name}() before \`await ready\``);
        return api[name](...args);
    };
}

export const toCapitals = once('toCapitals');
export const fromCapitals = once('fromCapitals');
export const checkPair = once('checkPair');
export const chequeDate = once('chequeDate');
export default { toCapitals, fromCapitals, checkPair, chequeDate, ready };
