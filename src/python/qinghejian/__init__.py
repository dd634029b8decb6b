"""Renminbi amounts in Chinese capital numerals (大写), as cheques, invoices
and receipts write them, on the same C++ core as the 青禾笺 programs.

>>> import qinghejian
>>> qinghejian.to_capitals("1409.50")
'壹仟肆佰零玖元伍角整'
>>> qinghejian.from_capitals("壹仟肆佰零玖元伍角整")
Decimal('1409.50')
>>> str(qinghejian.check_pair("10.05", "壹拾元伍分"))
'一致；角位为零而分位不为零时，元后应写零'

Nothing is ever cut silently: an amount that cannot be written whole
raises AmountError, and a date that is none DateError, both qinghejian.Error
and so ValueError, with the reason; a wrong type of argument raises
TypeError. Every function is safe to call from many
threads at once.
"""
import datetime
import decimal
import operator
import os

# The native module where the wheel carries one for this machine, unless
# QINGHEJIAN_NATIVE=false asks for the WebAssembly core; that core where
# there is none.
try:
    if os.environ.get("QINGHEJIAN_NATIVE", "").lower() in ("false", "0", "no"):
        raise ImportError("QINGHEJIAN_NATIVE is false")
    from . import _core
except ImportError as native_missing:
    try:
        from . import _wasm as _core
    except ImportError as fallback_missing:
        import platform
        raise ImportError(
            "qinghejian has no native module for %s %s (%s) and cannot run its WebAssembly core: %s. "
            "Its wheels carry native modules for Linux on x86_64 and aarch64 with glibc 2.17 or later, "
            "and a WebAssembly core for every other platform, which needs wasmtime."
            % (platform.system(), platform.machine(), native_missing, fallback_missing)) from None
AmountError, DateError, Error, Verdict = _core.AmountError, _core.DateError, _core.Error, _core.Verdict
check_pair, from_capitals, to_capitals, __version__ = (
    _core.check_pair, _core.from_capitals, _core.to_capitals, _core.__version__)

__all__ = ["Error", "AmountError", "DateError", "Verdict", "to_capitals", "to_capitals_many", "to_capitals_arrow",
           "from_capitals", "check_pair", "cheque_date"]


def _missing(value):
    """None, NaN of any kind, and pandas' NA and NaT: a cell with no amount."""
    if value is None:
        return True
    kind = type(value)
    if kind.__name__ in ("NAType", "NaTType") and kind.__module__.startswith("pandas"):
        return True
    try:
        return isinstance(value, (float, decimal.Decimal)) and value != value
    except decimal.InvalidOperation:  # a signalling NaN will not even compare
        return True


def _figures(amount):
    """An amount that is not text, written out as the conversion reads it:
    an int, or any integer that says so (numpy's among them), a float, a
    Decimal, or another library's float, such as numpy's float32, as it
    prints itself; None for a missing value."""
    if hasattr(type(amount), "as_py"):  # a pyarrow scalar
        amount = amount.as_py()
    if _missing(amount):
        return None
    if isinstance(amount, bool):
        raise TypeError("amount must be a str, int, float or Decimal, not bool")
    if isinstance(amount, str):
        return amount
    if hasattr(type(amount), "__index__"):
        return str(operator.index(amount))
    if not isinstance(amount, (float, decimal.Decimal)) and hasattr(type(amount), "__float__"):
        # numpy's float32 prints the shortest text that is the same float32,
        # 0.1, where float() would make it 0.10000000149011612.
        if float(amount) != float(amount):
            return None
        amount = decimal.Decimal(str(amount))
    if isinstance(amount, float):
        # As Python prints it, so that 0.1 + 0.2 is the 0.30000000000000004
        # it is, and is refused, rather than rounded to 0.30.
        amount = decimal.Decimal(float.__repr__(amount))
    if isinstance(amount, decimal.Decimal):
        return format(_cents(amount), "f")
    raise TypeError("amount must be a str, int, float or Decimal, not %s" % type(amount).__name__)


def _cents(amount):
    """A Decimal with zeros past 分, as a database or Spark hands over its
    column's scale (1409.500000), at two places: it is the same amount.
    Only a digit other than zero past 分 stays, to be refused."""
    sign, digits, exponent = amount.as_tuple()
    if not isinstance(exponent, int) or exponent >= -2:
        return amount
    extra = -2 - exponent
    kept, past = digits[:max(len(digits) - extra, 0)], digits[max(len(digits) - extra, 0):]
    return decimal.Decimal((sign, kept or (0,), -2)) if not any(past) else amount


_core._setup(_figures, decimal.Decimal)


def _values(amounts):
    """A column as a list of Python values: a pyarrow array by to_pylist; a
    numpy array or a pandas Series by tolist, but for floats narrower than
    64 bits, whose own scalars print them as they were written."""
    if hasattr(amounts, "to_pylist"):
        return amounts.to_pylist()
    dtype = getattr(amounts, "dtype", None)
    if hasattr(amounts, "tolist") and not (getattr(dtype, "kind", None) == "f" and dtype.itemsize < 8):
        return amounts.tolist()
    return amounts


def to_capitals_many(amounts, form="standard", errors="raise"):
    """to_capitals for every amount of an iterable, as a list: a list, a
    numpy array, a pandas Series (Arrow-backed ones too) or a pyarrow array
    of ints, decimals, floats or str. Converted in C++ with the interpreter
    released, so that threads can share the work.

    A missing value (None, NaN, pandas' NA or NaT) or an amount that cannot
    be written raises with errors='raise' (AmountError, whose .index names
    the amount), and gives None with errors='coerce'."""
    return _core.to_capitals_many(_values(amounts), form, errors)


def to_capitals_arrow(amounts, form="standard", errors="raise"):
    """A column's capitals as a pyarrow string array, converted in C++ from
    the column's Arrow memory without a Python object for each amount: a
    pyarrow Array or ChunkedArray (which gives a ChunkedArray) of int64,
    decimal128 (by value, whatever its scale), float64 (as Python prints
    it) or strings; or a pandas or polars Series, or anything pyarrow.array
    takes. Nulls stay null. An amount that cannot be written raises
    AmountError, with .index, under errors='raise', and is null under
    errors='coerce'."""
    import pyarrow

    if errors not in ("raise", "coerce"):
        raise TypeError("errors must be 'raise' or 'coerce', not %r" % (errors,))
    if hasattr(amounts, "to_arrow") and not isinstance(amounts, (pyarrow.Array, pyarrow.ChunkedArray)):
        amounts = amounts.to_arrow()  # a polars Series
    if not isinstance(amounts, (pyarrow.Array, pyarrow.ChunkedArray)):
        amounts = pyarrow.array(amounts, from_pandas=True)
    if isinstance(amounts, pyarrow.ChunkedArray):
        chunks, first = [], 0
        for chunk in amounts.chunks:
            try:
                chunks.append(_arrow_chunk(pyarrow, chunk, form, errors))
            except AmountError as error:
                error.index += first
                raise
            first += len(chunk)
        return pyarrow.chunked_array(chunks, pyarrow.string())
    return _arrow_chunk(pyarrow, amounts, form, errors)


def _arrow_chunk(pyarrow, array, form, errors):
    kind = array.type
    if pyarrow.types.is_integer(kind) and kind != pyarrow.int64():
        array = array.cast(pyarrow.int64())
    elif pyarrow.types.is_floating(kind) and kind != pyarrow.float64():
        array = array.cast(pyarrow.string())  # as a narrower float prints, 0.1 rather than 0.10000000149
    elif pyarrow.types.is_null(kind) or getattr(pyarrow.types, "is_string_view", lambda _: False)(kind):
        array = array.cast(pyarrow.large_string())  # a view of strings, as newer polars gives, laid out flat
    if not hasattr(_core, "to_capitals_arrow"):
        # The WebAssembly core reads no Arrow memory: the column's values,
        # its nulls kept null.
        values = array.to_pylist()
        present = [i for i, value in enumerate(values) if value is not None]
        try:
            capitals = to_capitals_many([values[i] for i in present], form, errors)
        except AmountError as error:
            error.index = present[error.index]
            raise
        results = [None] * len(values)
        for i, each in zip(present, capitals):
            results[i] = each
        return pyarrow.array(results, pyarrow.string())
    validity, offsets, data, nulls = _core.to_capitals_arrow(*array.__arrow_c_array__(), form, errors == "coerce")
    return pyarrow.StringArray.from_buffers(len(array), pyarrow.py_buffer(offsets), pyarrow.py_buffer(data),
                                            pyarrow.py_buffer(validity), nulls)


def cheque_date(date, errors="raise"):
    """A cheque's date of issue in capitals: datetime.date(2026, 10, 20) (a
    datetime or a pandas Timestamp too), or "2026-10-20", "2026/10/20",
    "2026年10月20日" or "20261020", in ASCII or full-width digits, is
    贰零贰陆年零壹拾月零贰拾日.

    A date that is none raises DateError with errors='raise'; with
    errors='coerce' it, and a missing one (None, pandas' NaT), gives None."""
    if errors not in ("raise", "coerce"):
        raise TypeError("errors must be 'raise' or 'coerce', not %r" % (errors,))
    if errors == "coerce":
        try:
            return cheque_date(date)
        except DateError:
            return None
    if _missing(date):
        error = DateError("缺少日期")
        error.reason, error.position = "缺少日期", None
        raise error
    if isinstance(date, datetime.date):
        return _core.cheque_date_of(date.year, date.month, date.day)
    if not isinstance(date, str):
        raise TypeError("date must be a datetime.date or a str, not %s" % type(date).__name__)
    return _core.cheque_date(date)
