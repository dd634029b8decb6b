// Text across to the WebAssembly and back, as UTF-16 code units unchanged:
// a NUL or a lone surrogate is a code unit like any other. Added to every
// module built with emscripten, the page's and the npm package's, as
// Module.utf16 (--pre-js).
Module['utf16'] = {
    // `length` code units at code unit `at` of `heap`, a Uint16Array.
    read(heap, at, length) {
        let text = '';
        for (let i = 0; i < length; i += 4096)
            text += String.fromCharCode.apply(null, heap.subarray(at + i, at + Math.min(length, i + 4096)));
        return text;
    },
    // `text` at code unit `at` of `heap`.
    write(heap, at, text) {
        for (let i = 0; i < text.length; ++i)
            heap[at + i] = text.charCodeAt(i);
    },
};
