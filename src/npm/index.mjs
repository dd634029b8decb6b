// Node.js, import: the same module as require() gives.
import { createRequire } from 'node:module';

const api = createRequire(import.meta.url)('./index.cjs');

export const { toCapitals, fromCapitals, checkPair, chequeDate, ready } = api;
export default api;
