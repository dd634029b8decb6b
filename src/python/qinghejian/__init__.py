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
argument raises TypeError. Every function is safe to call from many
threads at once.
"""
import datetime
import decimal
import operator

from . import _core
from ._core import AmountError, Verdict, check_pair, from_capitals, to_capitals, to_capitals_many

__all__ = ["AmountError", "Verdict", "to_capitals", "to_capitals_many", "from_capitals", "check_pair",
           "cheque_date"]


def _figures(amount):
    """An amount that is not text, written out as the conversion reads it:
    an int, or any integer that says so (numpy's among them), a float, or a
    Decimal."""
    if isinstance(amount, bool):
        raise TypeError("amount must be a str, int, float or Decimal, not bool")
    if hasattr(type(amount), "__index__"):
        return str(operator.index(amount))
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


def cheque_date(date):
    """A cheque's date of issue in capitals: datetime.date(2026, 10, 20), or
    "2026-10-20", "2026/10/20", "2026年10月20日" or "20261020", is
    贰零贰陆年零壹拾月零贰拾日."""
    if isinstance(date, datetime.date):
        return _core.cheque_date_of(date.year, date.month, date.day)
    if not isinstance(date, str):
        raise TypeError("date must be a datetime.date or a str, not %s" % type(date).__name__)
    return _core.cheque_date(date)
