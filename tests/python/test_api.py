"""The installed package qinghejian against the table of cases every
language's package shares (QHJ_CASES), then what only Python has: its
types, hostile input, batches and threads, and a round trip over random
amounts."""
import datetime
import decimal
import importlib.metadata
import json
import math
import os
import pickle
import re
import threading

import pytest
import qinghejian as q
from hypothesis import given, settings, strategies as st

CASES = json.load(open(os.environ["QHJ_CASES"], encoding="utf-8"))


def form_args(form):
    return () if form is None else (form,)


@pytest.mark.parametrize("figures, form, capitals", CASES["toCapitals"])
def test_to_capitals(figures, form, capitals):
    assert q.to_capitals(figures, *form_args(form)) == capitals


@pytest.mark.parametrize("figures, form, message, position", CASES["toCapitalsErrors"])
def test_to_capitals_refuses_and_cuts_nothing(figures, form, message, position):
    with pytest.raises(q.AmountError) as raised:
        q.to_capitals(figures, *form_args(form))
    assert (str(raised.value), raised.value.position) == (message, position)
    assert raised.value.reason == re.sub("^第[0-9]+个字符：", "", message)
    assert isinstance(raised.value, q.Error) and isinstance(raised.value, ValueError)


# The same table through a column's Arrow memory, a null beside each.
@pytest.mark.parametrize("figures, form, capitals", CASES["toCapitals"])
def test_to_capitals_arrow(figures, form, capitals):
    column = pyarrow().array([figures, None])
    assert q.to_capitals_arrow(column, *form_args(form)).to_pylist() == [capitals, None]


@pytest.mark.parametrize("figures, form, message, position", CASES["toCapitalsErrors"])
def test_to_capitals_arrow_refuses(figures, form, message, position):
    try:
        column = pyarrow().array([None, figures])
    except (UnicodeEncodeError, pyarrow().ArrowInvalid):
        pytest.skip("an Arrow string holds UTF-8, which this text is not")
    with pytest.raises(q.AmountError) as raised:
        q.to_capitals_arrow(column, *form_args(form))
    assert (str(raised.value), raised.value.position, raised.value.index) == (message, position, 1)
    assert q.to_capitals_arrow(column, *form_args(form), errors="coerce").to_pylist() == [None, None]


def test_to_capitals_arrow_names_the_amount_across_chunks():
    column = pyarrow().chunked_array([[1, 2], [3, 10 ** 17]])
    with pytest.raises(q.AmountError) as raised:
        q.to_capitals_arrow(column)
    assert (raised.value.index, raised.value.reason) == (3, "整数超过十六位")
    assert q.to_capitals_arrow(column, errors="coerce").num_chunks == 2


@pytest.mark.parametrize("capitals, figures", CASES["fromCapitals"])
def test_from_capitals(capitals, figures):
    amount = q.from_capitals(capitals)
    assert (type(amount), str(amount)) == (decimal.Decimal, figures)


@pytest.mark.parametrize("capitals, message, position", CASES["fromCapitalsErrors"])
def test_from_capitals_refuses(capitals, message, position):
    with pytest.raises(q.AmountError) as raised:
        q.from_capitals(capitals)
    assert (str(raised.value), raised.value.position) == (message, position)


@pytest.mark.parametrize("figures, capitals, line", CASES["checkPair"])
def test_check_pair(figures, capitals, line):
    verdict = q.check_pair(figures, capitals)
    assert str(verdict) == line
    assert verdict.agrees == line.startswith("一致")
    assert not verdict.agrees or line == "；".join(("一致",) + verdict.findings)


@pytest.mark.parametrize("date, capitals", CASES["chequeDate"])
def test_cheque_date(date, capitals):
    assert q.cheque_date(date) == capitals


@pytest.mark.parametrize("date, message", CASES["chequeDateErrors"])
def test_cheque_date_refuses(date, message):
    with pytest.raises(q.DateError, match="^%s$" % message) as raised:
        q.cheque_date(date)
    assert isinstance(raised.value, q.Error) and not isinstance(raised.value, q.AmountError)
    assert q.cheque_date(date, errors="coerce") is None


# Python's own numbers: a float as repr prints it, a Decimal as written,
# an int of any size; positions only into text the caller wrote.
@pytest.mark.parametrize("amount, expected", [
    (decimal.Decimal("1409.50"), "壹仟肆佰零玖元伍角整"),
    (decimal.Decimal("-0.10"), "负壹角整"),
    (decimal.Decimal("1.2E+3"), "壹仟贰佰元整"),
    (decimal.Decimal("1409.500000000000000000"), "壹仟肆佰零玖元伍角整"),
    (decimal.Decimal("-0.000"), "零元整"),
    (9007199254740993, "玖仟零柒万壹仟玖佰玖拾贰亿伍仟肆佰柒拾肆万零玖佰玖拾叁元整"),
    (0.1 + 0.2, q.AmountError("小数超过两位，支票金额只写到分")),
    (decimal.Decimal("0.001"), q.AmountError("小数超过两位，支票金额只写到分")),
    (decimal.Decimal("1409.505000"), q.AmountError("小数超过两位，支票金额只写到分")),
    (decimal.Decimal("NaN"), q.AmountError("缺少金额")),
    (float("inf"), q.AmountError("不是小写金额用字")),
    (10 ** 16, q.AmountError("整数超过十六位")),
])
def test_python_numbers(amount, expected):
    if isinstance(expected, q.AmountError):
        with pytest.raises(q.AmountError) as raised:
            q.to_capitals(amount)
        assert (str(raised.value), raised.value.position) == (str(expected), None)
    else:
        assert q.to_capitals(amount) == expected


@pytest.mark.parametrize("call", [
    lambda: q.to_capitals(b"12"), lambda: q.to_capitals(True),
    lambda: q.to_capitals("12", "sideways"), lambda: q.to_capitals("12", form=None),
    lambda: q.from_capitals(None), lambda: q.from_capitals(b"\xe5\xa3\xb9"), lambda: q.check_pair("1", 5),
    lambda: q.check_pair(True, "壹元整"), lambda: q.cheque_date(20261020), lambda: q.cheque_date("x", "ignore"),
    lambda: q.to_capitals_many(["1"], errors="ignore"), lambda: q.to_capitals_many(None),
    lambda: q.to_capitals_many([1, b"2"], errors="coerce"),
])
def test_a_wrong_type_is_a_type_error(call):
    with pytest.raises(TypeError):
        call()


def test_datetime_date_and_verdict_are_values():
    assert q.cheque_date(datetime.datetime(2026, 10, 20, 23, 59)) == "贰零贰陆年零壹拾月零贰拾日"
    verdict = q.check_pair("1409.50", "壹仟肆佰零玖元伍角整")
    assert verdict and verdict == q.check_pair(" 1409.5 ", "壹仟肆佰零玖元伍角整")
    with pytest.raises(AttributeError):
        verdict.agrees = False
    for verdict in (verdict, q.check_pair("10.05", "壹拾元伍分")):
        again = pickle.loads(pickle.dumps(verdict))
        assert (again, bool(again), again.findings) == (verdict, bool(verdict), verdict.findings)
    assert q.__version__ == importlib.metadata.version("qinghejian")


def test_positions_agree_between_calls():
    with pytest.raises(q.AmountError) as raised:
        q.to_capitals("1409.505")
    assert str(q.check_pair("1409.505", "壹元整")).endswith(str(raised.value))


class Yuan:
    """An integer of another library, as numpy's are: it says so by __index__."""

    def __index__(self):
        return 7


def test_batches():
    amounts = ["1", decimal.Decimal("2.5"), 3, "x", 0.25, "1.234", None, Yuan()]
    assert q.to_capitals_many(amounts, errors="coerce") == [
        "壹元整", "贰元伍角整", "叁元整", None, "贰角伍分", None, None, "柒元整"]
    with pytest.raises(q.AmountError) as raised:
        q.to_capitals_many(amounts[:6])
    assert (raised.value.index, str(raised.value)) == (3, "第1个字符：不是小写金额用字")
    assert q.to_capitals_many(iter(["1", "2"]), "rmb") == ["人民币壹元整", "人民币贰元整"]
    assert q.to_capitals_many([]) == []
    # A list an element's __index__ empties under the batch: an error, not a crash.
    shrinking = []
    shrinking += [type("Shrinks", (), {"__index__": lambda self: shrinking.clear() or 1})(), "2"]
    with pytest.raises(RuntimeError):
        q.to_capitals_many(shrinking)


def numpy():
    return pytest.importorskip("numpy")


def pandas():
    return pytest.importorskip("pandas")


def pyarrow():
    return pytest.importorskip("pyarrow")


def polars():
    return pytest.importorskip("polars")


D = decimal.Decimal
ONE, TWO, HALF = "壹元整", "贰元整", "壹元伍角整"
# The columns users hand over, missing values among them: each cell's
# capitals, None where a cell is missing.
COLUMNS = {
    "None and NaNs": (lambda: [1, None, math.nan, D("NaN"), D("sNaN")], [ONE, None, None, None, None]),
    "numpy int64": (lambda: numpy().array([1, 2, -1]), [ONE, TWO, "负壹元整"]),
    "numpy float32": (lambda: numpy().array([0.1, 1.5, "nan"], dtype="float32"), ["壹角整", HALF, None]),
    "numpy float64": (lambda: numpy().array([1.5, numpy().nan]), [HALF, None]),
    "numpy objects": (lambda: numpy().array(["1", 2, None], dtype=object), [ONE, TWO, None]),
    "pandas float64": (lambda: pandas().Series([1.5, None]), [HALF, None]),
    "pandas Int64": (lambda: pandas().Series([1, None, 2], dtype="Int64"), [ONE, None, TWO]),
    "pandas NA and NaT": (lambda: [pandas().NA, pandas().NaT, "1"], [None, None, ONE]),
    "pandas string[pyarrow]": (lambda: pandas().Series(["1.50", None], dtype="string[pyarrow]"), [HALF, None]),
    "pandas decimal128 by Arrow": (
        lambda: pandas().Series([D("1.500"), None], dtype=pandas().ArrowDtype(pyarrow().decimal128(12, 3))),
        [HALF, None]),
    "pyarrow int64": (lambda: pyarrow().array([1, None, 2]), [ONE, None, TWO]),
    "pyarrow decimal128(38, 18)": (
        lambda: pyarrow().array([D("1409.500000000000000000"), None], pyarrow().decimal128(38, 18)),
        ["壹仟肆佰零玖元伍角整", None]),
    "pyarrow string": (lambda: pyarrow().array(["1", None]), [ONE, None]),
    "pyarrow chunked": (lambda: pyarrow().chunked_array([[1], [None, 2]]), [ONE, None, TWO]),
    "a million pyarrow nulls": (lambda: pyarrow().nulls(10 ** 6, pyarrow().int64()), [None] * 10 ** 6),
    # Slices start inside their buffers.
    "pyarrow int64, sliced": (lambda: pyarrow().array([None, 1, 2, None]).slice(1), [ONE, TWO, None]),
    "pyarrow strings, sliced": (lambda: pyarrow().array(["x", "1.50", None, "2"]).slice(1), [HALF, None, TWO]),
    "pyarrow decimal128(20, 3), sliced": (
        lambda: pyarrow().array([D("9"), D("-1.500"), None, D("0.000")], pyarrow().decimal128(20, 3)).slice(1),
        ["负壹元伍角整", None, "零元整"]),
    "polars strings": (lambda: polars().Series(["1.50", None]), [HALF, None]),
    "polars decimal": (lambda: polars().Series([D("1.5"), None], dtype=polars().Decimal(38, 18)), [HALF, None]),
    "pyarrow large strings": (lambda: pyarrow().array(["壹", "2", None], pyarrow().large_string()).slice(1), [TWO, None]),
}


@pytest.mark.parametrize("make, expected", COLUMNS.values(), ids=COLUMNS.keys())
def test_columns_and_missing_values(make, expected):
    amounts = make()
    assert q.to_capitals_many(amounts, errors="coerce") == expected
    if None in expected:
        with pytest.raises(q.AmountError) as raised:
            q.to_capitals_many(amounts)
        assert (raised.value.index, raised.value.reason, raised.value.position) == (expected.index(None), "缺少金额", None)
    else:
        assert q.to_capitals_many(amounts) == expected
    # The same through the column's Arrow memory, where Arrow can hold it.
    try:
        column = pyarrow().array(amounts, from_pandas=True) if not hasattr(amounts, "to_pylist") else amounts
    except (TypeError, pyarrow().ArrowInvalid, pyarrow().ArrowTypeError):
        column = None
    if column is not None:
        assert q.to_capitals_arrow(column, errors="coerce").to_pylist() == expected
    # Cell by cell, as their own scalars.
    for amount, capitals in list(zip(amounts, expected))[:10]:
        if capitals is None:
            with pytest.raises(q.AmountError, match="^缺少金额$"):
                q.to_capitals(amount)
        else:
            assert q.to_capitals(amount) == capitals


def test_dates_of_a_column():
    pd = pandas()
    assert [q.cheque_date(d, errors="coerce") for d in pd.Series([pd.Timestamp("2026-10-20"), pd.NaT])] == [
        "贰零贰陆年零壹拾月零贰拾日", None]
    with pytest.raises(q.DateError, match="^缺少日期$"):
        q.cheque_date(pd.NaT)


def test_threads_share_the_work_and_agree():
    amounts = ["%d.%02d" % (i, i % 100) for i in range(20000)]
    expected = [q.to_capitals(amount) for amount in amounts]
    results = [None] * 8

    def work(slot):
        results[slot] = q.to_capitals_many(amounts)

    threads = [threading.Thread(target=work, args=(slot,)) for slot in range(8)]
    for thread in threads:
        thread.start()
    for thread in threads:
        thread.join()
    assert all(result == expected for result in results)


@pytest.mark.parametrize("text", ["9" * 10_000_000, "壹" * 10_000_000, "\ud800" * 1_000_000, "\0" * 1_000_000],
                         ids=["10 MB of digits", "10 MB of capitals", "lone surrogates", "NULs"])
def test_hostile_text_is_answered(text):
    for call in (q.to_capitals, q.from_capitals, lambda t: q.to_capitals(t, "window"), q.cheque_date):
        with pytest.raises(q.Error):
            call(text)
    assert not q.check_pair(text, text).agrees


def test_a_million_calls_keep_their_memory():
    def resident_kib():
        with open("/proc/self/status") as status:
            return next(int(line.split()[1]) for line in status if line.startswith("VmRSS:"))

    def calls(n):
        for i in range(n):
            q.to_capitals("%d.5" % i)
            q.from_capitals("壹仟肆佰零玖元伍角整")
            q.check_pair("10.05", "壹拾元伍分")
            try:
                q.to_capitals("1.234")
            except q.AmountError:
                pass

    calls(50_000)
    before = resident_kib()
    calls(250_000)
    assert resident_kib() - before < 4096


# Amounts of up to sixteen digits, two of them decimals, with either sign;
# the window's form writes amounts below a million million.
@settings(max_examples=3000, deadline=None)
@given(st.integers(min_value=-(10 ** 16) + 1, max_value=10 ** 16 - 1))
def test_round_trip(cents):
    amount = decimal.Decimal(cents).scaleb(-2)
    for form in ("standard", "rmb") + (("window",) if 0 <= cents < 10 ** 14 else ()):
        assert q.from_capitals(q.to_capitals(amount, form)) == amount
