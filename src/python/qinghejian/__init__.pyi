import datetime
import decimal
from typing import Any, Iterable, List, Literal, NoReturn, Optional, SupportsIndex, Tuple, Union, overload

from typing_extensions import deprecated

Form = Literal["standard", "rmb", "window"]
Errors = Literal["raise", "coerce"]
Amount = Union[str, int, float, decimal.Decimal, SupportsIndex]

__version__: str

class Error(ValueError):
    """What the package refuses to read or to write. str() is the reason, after
    "第K个字符：" where it points into the text given."""

    reason: str
    """The reason alone, as qinghejian-convert gives it."""
    position: Optional[int]
    """Where the reason points into the text given, from 1; None where the text was not the caller's."""

class AmountError(Error):
    """An amount or capitals that cannot be read, or written without cutting something, or a missing amount."""

    index: int
    """Raised by to_capitals_many: which of the amounts, from 0."""

class DateError(Error):
    """A date that is no date, or is not written as one."""

class Verdict:
    """What check_pair found. str() is the verdict line as qinghejian-convert --check prints it; true
    when the two agree and the capitals break no rule. Immutable, and pickles."""

    @property
    def agrees(self) -> bool:
        """The same amount, with the same sign."""
    @property
    def findings(self) -> Tuple[str, ...]:
        """The payment rules the capitals break, one line each."""
    def __bool__(self) -> bool: ...

@overload
@deprecated("a bool is not an amount: to_capitals raises TypeError")
def to_capitals(amount: bool, form: Form = "standard") -> NoReturn: ...
@overload
def to_capitals(amount: Amount, form: Form = "standard") -> str:
    """The amount in capitals: a str as qinghejian-convert reads it (' ￥1,409.50 ', '-0.1'), an int, a
    Decimal (by its value: 1409.500000 is 1409.50), or a float as Python prints it. form is 'standard'
    (壹仟肆佰零玖元伍角整), 'rmb' (the same after 人民币) or 'window' (the window's literal form).

    Raises AmountError when the amount cannot be written whole, or is missing (None, NaN), and TypeError
    for another type."""

def to_capitals_many(
    amounts: Iterable[Optional[Amount]], form: Form = "standard", errors: Errors = "raise"
) -> List[Optional[str]]:
    """to_capitals for every amount of an iterable, as a list: a list, a numpy array, a pandas Series
    (Arrow-backed ones too) or a pyarrow array. A missing value or an amount that cannot be written raises
    AmountError, with .index, under errors='raise', and gives None under errors='coerce'."""

def to_capitals_arrow(amounts: Any, form: Form = "standard", errors: Errors = "raise") -> Any:
    """A column's capitals as a pyarrow string array (a ChunkedArray for a ChunkedArray), converted in C++
    from its Arrow memory: a pyarrow array of int64, decimal128 (by value), float64 (as Python prints it) or
    strings, or a pandas or polars Series. Nulls stay null. An amount that cannot be written raises
    AmountError, with .index, under errors='raise', and is null under errors='coerce'."""

def from_capitals(text: str) -> decimal.Decimal:
    """The amount that capitals say, as a Decimal with two places. Raises AmountError."""

@overload
@deprecated("a bool is not an amount: check_pair raises TypeError")
def check_pair(figures: bool, capitals: str) -> NoReturn: ...
@overload
def check_pair(figures: Amount, capitals: str) -> Verdict:
    """Figures against capitals, as a cheque or an invoice states its amount twice."""

def cheque_date(date: Union[datetime.date, str, None], errors: Errors = "raise") -> Optional[str]:
    """A cheque's date of issue in capitals: 2026-10-20 is 贰零贰陆年零壹拾月零贰拾日. Raises DateError
    under errors='raise'; gives None for a date that is none, or missing, under errors='coerce'."""
