'use strict';
// Node.js, require(): the core is compiled as the file loads, so the
// functions work at once.
const makeApi = require('./api.cjs');

module.exports = { ...makeApi(require('./core-node.cjs')), ready: Promise.resolve() };
