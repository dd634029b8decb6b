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
raises AmountError (a ValueError) with the reason, and a wrong type of
argument raises TypeError.
"""
import datetime
import decimal
import re

from . import _core
from ._core import AmountError

__all__ = ["AmountError", "Verdict", "to_capitals", "to_capitals_many", "from_capitals", "check_pair",
           "cheque_date"]

_FORMS = {"standard": 0, "rmb": 1, "window": 2}
_POSITION = re.compile(r"^第\d+个字符：")


def _form(form):
    if not isinstance(form, str) or form not in _FORMS:
        raise TypeError("form must be one of %s, not %r" % (", ".join(map(repr, _FORMS)), form))
    return _FORMS[form]


def _figures(amount):
    """The amount as text, and whether the caller wrote that text."""
    if isinstance(amount, str):
        return amount, True
    if isinstance(amount, bool):
        raise TypeError("amount must be a str, int or Decimal, not bool")
    if isinstance(amount, int):
        return str(amount), False
    if isinstance(amount, float):
        # As Python prints it, so that 0.1 + 0.2 is the 0.30000000000000004
        # it is, and is refused, rather than rounded to 0.30.
        amount = decimal.Decimal(repr(amount))
    if isinstance(amount, decimal.Decimal):
        return format(amount, "f"), False
    raise TypeError("amount must be a str, int or Decimal, not %s" % type(amount).__name__)


def _unwritten(error):
    """The error for figures the caller did not write: no position in them."""
    reason = _POSITION.sub("", str(error))
    bare = AmountError(reason)
    bare.reason, bare.position = reason, None
    return bare


def to_capitals(amount, form="standard"):
    """The amount in capitals.

    amount is a str as qinghejian-convert reads it (" ￥1,409.50 ", "１２３",
    "-0.1"), an int, a decimal.Decimal, or a float read as Python prints it.
    form is "standard" (the payment rules' form: 壹仟肆佰零玖元伍角整), "rmb"
    (the same after 人民币) or "window" (the window's literal form:
    壹仟肆佰零拾玖圆伍角零分整).

    Raises AmountError when the amount cannot be written whole, for
    instance with decimals past 分, and TypeError for another type.
    """
    code = _form(form)
    text, written = _figures(amount)
    try:
        return _core.to_capitals(text, code)
    except AmountError as error:
        if written:
            raise
        raise _unwritten(error) from None


def to_capitals_many(amounts, form="standard", errors="raise"):
    """to_capitals for every amount of an iterable (a list, a pandas Series,
    a numpy array of objects), as a list, converted in C++ with the
    interpreter released, so that threads can share the work.

    errors="raise" raises the first AmountError, with its .index;
    errors="coerce" gives None for each amount that cannot be written.
    """
    code = _form(form)
    if errors not in ("raise", "coerce"):
        raise TypeError("errors must be 'raise' or 'coerce', not %r" % (errors,))
    texts = []
    written = []
    for amount in amounts:
        text, by_hand = _figures(amount)
        texts.append(text)
        written.append(by_hand)
    try:
        return _core.to_capitals_many(texts, code, errors == "coerce")
    except AmountError as error:
        if written[error.index]:
            raise
        bare = _unwritten(error)
        bare.index = error.index
        raise bare from None


def from_capitals(text):
    """The amount that capitals say, as a Decimal with two places:
    "壹仟肆佰零玖元伍角整" is Decimal("1409.50"). The window's form, 人民币
    and the traditional forms are read too.
    """
    return decimal.Decimal(_core.from_capitals(text))


class Verdict:
    """What check_pair found: .agrees (the same amount with the same sign),
    .findings (the payment rules the capitals break, one line each), and
    str(), the verdict line exactly as qinghejian-convert --check prints it.
    Immutable."""

    __slots__ = ("_line", "_agrees", "_findings")

    def __init__(self, line, agrees, findings):
        object.__setattr__(self, "_line", line)
        object.__setattr__(self, "_agrees", agrees)
        object.__setattr__(self, "_findings", findings)

    def __setattr__(self, name, value):
        raise AttributeError("Verdict is immutable")

    agrees = property(lambda self: self._agrees, doc="The same amount, with the same sign.")
    findings = property(lambda self: self._findings, doc="The rules the capitals break, as a tuple of str.")

    def __bool__(self):
        return self._agrees and not self._findings

    def __str__(self):
        return self._line

    def __repr__(self):
        return "Verdict(%r)" % self._line

    def __eq__(self, other):
        return isinstance(other, Verdict) and self._line == other._line

    def __hash__(self):
        return hash(self._line)


def check_pair(figures, capitals):
    """Figures against capitals, as a cheque or an invoice states its amount
    twice: whether they say the same, and which payment rules the capitals
    break. Blanks around either do not count. A Verdict; true when the two
    agree and the capitals break no rule."""
    text, _ = _figures(figures)
    return Verdict(*_core.check_pair(text, capitals))


def cheque_date(date):
    """A cheque's date of issue in capitals: datetime.date(2026, 10, 20), or
    "2026-10-20", "2026/10/20", "2026年10月20日" or "20261020", is
    贰零贰陆年零壹拾月零贰拾日."""
    if isinstance(date, datetime.date):
        return _core.cheque_date_of(date.year, date.month, date.day)
    if not isinstance(date, str):
        raise TypeError("date must be a datetime.date or a str, not %s" % type(date).__name__)
    return _core.cheque_date(date)
