"""qinghejian's conversions where no native module fits the machine: the
same C++ core, compiled to WebAssembly (qinghejian.wasm, the npm package's
bindings), run by wasmtime. It offers what qinghejian._core offers, with the
same answers; only slower."""
import array
import ctypes
import importlib.metadata
import os
import threading

import wasmtime
from wasmtime import _bindings as _ffi

__version__ = importlib.metadata.version("qinghejian")

_RECORD_FIELDS = 6  # text, capacity, length, failed, position, reason's start


class Error(ValueError):
    __module__ = "qinghejian"


class AmountError(Error):
    __module__ = "qinghejian"


class DateError(Error):
    __module__ = "qinghejian"


class Verdict:
    """What check_pair found: .agrees, .findings, and str(), the verdict line
    as qinghejian-convert --check prints it. True when the two agree and the
    capitals break no rule. Immutable."""

    __slots__ = ("_line", "_agrees", "_findings")
    __module__ = "qinghejian"

    def __init__(self, line, agrees, findings):
        object.__setattr__(self, "_line", line)
        object.__setattr__(self, "_agrees", agrees)
        object.__setattr__(self, "_findings", tuple(findings))

    agrees = property(lambda self: self._agrees, doc="The same amount, with the same sign.")
    findings = property(lambda self: self._findings,
                        doc="The payment rules the capitals break, one line each, as a tuple of str.")

    def __setattr__(self, name, value):
        raise AttributeError("a Verdict cannot be changed")

    def __str__(self):
        return self._line

    def __repr__(self):
        return "Verdict(%r)" % self._line

    def __bool__(self):
        return self._agrees and not self._findings

    def __eq__(self, other):
        return self._line == other._line if isinstance(other, Verdict) else NotImplemented

    def __hash__(self):
        return hash(self._line)

    def __reduce__(self):
        return _verdict, (self._line, self._agrees, self._findings)


def _verdict(line, agrees, findings):
    return Verdict(line, agrees, findings)


class _Core:
    """One instance of the module, one call at a time: a WebAssembly
    instance is not for many threads at once."""

    def __init__(self):
        path = os.path.join(os.path.dirname(__file__), "qinghejian.wasm")
        if not os.path.exists(path):
            raise ImportError("this wheel carries no WebAssembly core")
        engine = wasmtime.Engine()
        self.store = wasmtime.Store(engine)
        module = wasmtime.Module.from_file(engine, path)
        linker = wasmtime.Linker(engine)
        # What the module asks of its host: word of a grown memory, which
        # may then have moved, and an exit it never makes.
        i32 = wasmtime.ValType.i32()
        linker.define_func("env", "emscripten_notify_memory_growth", wasmtime.FuncType([i32], []), self._grown)
        linker.define_func("wasi_snapshot_preview1", "proc_exit", wasmtime.FuncType([i32], []), self._exit)
        exports = linker.instantiate(self.store, module).exports(self.store)
        memory = exports["memory"]._memory
        exports["_initialize"](self.store)
        context = self.store._context()
        data = _ffi.wasmtime_memory_data
        # Where the module's memory starts: it moves only when it grows.
        self.base = 0
        self.grown = False

        def moved():
            self.base = ctypes.addressof(data(context, ctypes.byref(memory)).contents)
            self.grown = False

        self._moved = moved
        moved()
        self.calls = {name: self._unchecked(exports[name]) for name in (
            "malloc", "free", "qhjFormNames", "qhjToCapitals", "qhjToCapitalsMany", "qhjFromCapitals",
            "qhjPairVerdict", "qhjChequeDate", "qhjChequeDateOf")}
        self.lock = threading.Lock()
        self.record = self.calls["malloc"](self.store, 4 * _RECORD_FIELDS)
        self._write(self.record, bytes(4 * _RECORD_FIELDS))
        self.scratch = 0
        self.scratch_size = 0

    def _unchecked(self, function):
        """`function` as a call of its own: wasmtime's checked call makes
        and compares a type object for every argument, which cost forty
        times the conversion. The exports take and give only i32."""
        arity = max(len(function.type(self.store).params), 1)
        context, address = self.store._context(), ctypes.byref(function._func)
        values = (_ffi.wasmtime_val_raw_t * arity)()
        trap = ctypes.POINTER(_ffi.wasm_trap_t)()

        def call(_store, *args):
            for i, arg in enumerate(args):
                values[i].i32 = arg
            error = _ffi.wasmtime_func_call_unchecked(context, address, values, arity, ctypes.byref(trap))
            if error:
                raise wasmtime.WasmtimeError._from_ptr(error)
            if trap:
                raise wasmtime.Trap._from_ptr(trap)
            if self.grown:
                self._moved()
            return values[0].i32

        return call

    def _grown(self, _pages):
        self.grown = True

    @staticmethod
    def _exit(code):
        raise RuntimeError("qinghejian's WebAssembly core exited with %d" % code)

    def _write(self, offset, data):
        ctypes.memmove(self.base + offset, data, len(data))

    def _read(self, offset, size):
        return ctypes.string_at(self.base + offset, size)

    def _room(self, size):
        """The module's room for `size` bytes, kept from call to call."""
        if size > self.scratch_size:
            self.calls["free"](self.store, self.scratch)
            self.scratch_size = max(size, 2 * self.scratch_size, 1024)
            self.scratch = self.calls["malloc"](self.store, self.scratch_size)
        return self.scratch

    def call(self, name, *args):
        """Calls `name`; its answer's text, whether it failed, the position,
        and where the reason begins."""
        self.calls[name](self.store, *args, self.record)
        text, _, length, failed, position, reason = (ctypes.c_int32 * _RECORD_FIELDS).from_address(self.base + self.record)
        return self._read(text, 2 * length).decode("utf-16-le", "surrogatepass"), failed, position, reason

    def texts(self, name, texts, *args):
        """Calls `name` with each text placed, as address and length."""
        units = [text.encode("utf-16-le", "surrogatepass") for text in texts]
        address = self._room(sum(map(len, units)) or 1)
        placed = []
        for each in units:
            self._write(address, each)
            placed += [address, len(each) // 2]
            address += len(each)
        return self.call(name, *placed, *args)

    def many(self, texts, form):
        """The capitals of each text, or None where there are none."""
        units = [text.encode("utf-16-le", "surrogatepass") for text in texts]
        lengths = array.array("i", (len(each) // 2 for each in units)).tobytes()
        joined = b"".join(units)
        address = self._room(len(joined) + len(lengths) + 4)
        self._write(address, joined)
        ends = address + len(joined) + (-len(joined) % 4)
        self._write(ends, lengths)
        text, failed, _, _ = self.call("qhjToCapitalsMany", address, ends, len(texts), form)
        if failed:
            raise TypeError(text)
        return [each or None for each in text.split("\0")[:-1]]


_core = _Core()
_FORMS = _core.call("qhjFormNames")[0].split("\n")[:-1]
_figures = None  # the package's: a number as text, or None when missing
_Decimal = None


def _setup(figures, decimal):
    global _figures, _Decimal
    _figures, _Decimal = figures, decimal


def _form(name):
    if isinstance(name, str) and name in _FORMS:
        return _FORMS.index(name)
    names = ", ".join("'%s'" % each for each in _FORMS[:-1]) + " or '%s'" % _FORMS[-1]
    raise TypeError("form must be %s, not %r" % (names, name))


def _text(value, what):
    if not isinstance(value, str):
        raise TypeError("%s must be a str" % what)
    return value


def _amount(amount):
    """The amount's text, and whether the caller wrote it; a missing one
    raises."""
    if isinstance(amount, str):
        return amount, True
    text = _figures(amount)
    if text is None:
        raise _error(AmountError, "缺少金额", 0, 0)
    return _text(text, "amount"), False


def _error(kind, message, position, reason_from):
    error = kind(message)
    error.reason = message[reason_from:]
    error.position = position if position > 0 else None
    return error


def _answer(answer, kind=AmountError):
    text, failed, position, reason_from = answer
    if failed:
        raise _error(kind, text, position, reason_from)
    return text


def to_capitals(amount, form="standard"):
    number = _form(form)
    text, written = _amount(amount)
    with _core.lock:
        return _answer(_core.texts("qhjToCapitals", [text], number, int(written)))


def to_capitals_many(amounts, form="standard", errors="raise"):
    number = _form(form)
    if errors not in ("raise", "coerce"):
        raise TypeError("errors must be 'raise' or 'coerce', not '%s'" % (errors,))
    coerce = errors == "coerce"
    values = amounts if isinstance(amounts, list) else list(amounts)
    count = len(values)
    texts, places = [], []
    for index in range(count):
        # Writing a number out runs its code, which may change the list.
        if len(values) != count:
            raise RuntimeError("the list of amounts changed during to_capitals_many")
        amount = values[index]
        text = amount if isinstance(amount, str) else _figures(amount)
        if text is None:
            if not coerce:
                error = _error(AmountError, "缺少金额", 0, 0)
                error.index = index
                raise error
            continue
        texts.append(_text(text, "amount"))
        places.append((index, isinstance(amount, str)))
    results = [None] * count
    with _core.lock:
        capitals = _core.many(texts, number)
    for (index, written), text, each in zip(places, texts, capitals):
        if each is None and not coerce:
            with _core.lock:
                answer = _core.texts("qhjToCapitals", [text], number, int(written))
            try:
                _answer(answer)
            except AmountError as error:
                error.index = index
                raise
        results[index] = each
    return results


def from_capitals(text):
    with _core.lock:
        return _Decimal(_answer(_core.texts("qhjFromCapitals", [_text(text, "capitals")])))


def check_pair(figures, capitals):
    text, _ = _amount(figures)
    with _core.lock:
        lines = _answer(_core.texts("qhjPairVerdict", [text, _text(capitals, "capitals")])).split("\n")
    return Verdict(lines[1], lines[0] == "1", lines[2:])


def cheque_date(date):
    with _core.lock:
        return _answer(_core.texts("qhjChequeDate", [_text(date, "date")]), DateError)


def cheque_date_of(year, month, day):
    with _core.lock:
        return _answer(_core.call("qhjChequeDateOf", year, month, day), DateError)
