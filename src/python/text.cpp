#include "python/core.h"

#include <string>

namespace qhj::python {

namespace {

// Up to this many characters, a text crosses through a buffer on the stack.
constexpr Py_ssize_t kShort = 64;

} // namespace

PyObject* g_amountError = nullptr;
PyObject* g_dateError = nullptr;
PyObject* g_figures = nullptr;
PyObject* g_decimal = nullptr;
PyObject* g_verdict = nullptr;

bool appendUnits(PyObject* text, const char* what, std::u16string& out)
{
    if (!PyUnicode_Check(text)) {
        PyErr_Format(PyExc_TypeError, "%s must be a str", what);
        return false;
    }
    const Py_ssize_t length = PyUnicode_GetLength(text);
    if (length < 0)
        return false;
    // An amount is short: read it through the stack, and only a long text
    // through the heap.
    Py_UCS4 small[kShort];
    std::u32string large;
    Py_UCS4* points = small;
    if (length > kShort) {
        large.resize(static_cast<std::size_t>(length));
        points = reinterpret_cast<Py_UCS4*>(large.data());
    }
    if (!PyUnicode_AsUCS4(text, points, length, 0))
        return false;
    // Written in place: two units at most for each point.
    const std::size_t before = out.size();
    out.resize(before + 2 * static_cast<std::size_t>(length));
    char16_t* unit = out.data() + before;
    for (Py_ssize_t i = 0; i < length; ++i) {
        const char32_t point = points[i];
        if (point < 0x10000) {
            *unit++ = static_cast<char16_t>(point);
        } else {
            *unit++ = static_cast<char16_t>(0xD800 + ((point - 0x10000) >> 10));
            *unit++ = static_cast<char16_t>(0xDC00 + ((point - 0x10000) & 0x3FF));
        }
    }
    out.resize(static_cast<std::size_t>(unit - out.data()));
    return true;
}

bool units(PyObject* text, const char* what, std::u16string& out)
{
    out.clear();
    return appendUnits(text, what, out);
}

PyObject* str(std::u16string_view text)
{
    // From code points rather than through the UTF-16 codec, which costs
    // several times as much a call; a lone surrogate stays as it is.
    if constexpr (sizeof(wchar_t) == sizeof(char16_t)) {
        return PyUnicode_FromWideChar(reinterpret_cast<const wchar_t*>(text.data()),
                                      static_cast<Py_ssize_t>(text.size()));
    } else {
        wchar_t small[kShort];
        std::wstring large;
        wchar_t* points = small;
        if (text.size() > kShort) {
            large.resize(text.size());
            points = large.data();
        }
        std::size_t count = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            char32_t unit = text[i];
            if (unit >= 0xD800 && unit < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00
                && text[i + 1] < 0xE000)
                unit = 0x10000 + ((unit - 0xD800) << 10) + (text[++i] - 0xDC00);
            points[count++] = static_cast<wchar_t>(unit);
        }
        return PyUnicode_FromWideChar(points, static_cast<Py_ssize_t>(count));
    }
}

namespace {

// Why a missing value has no capitals.
constexpr char16_t kMissing[] = u"缺少金额";

// The digits of an int that fits in 64 bits, after `out`.
void appendInteger(long long value, std::u16string& out)
{
    char16_t digits[24];
    char16_t* first = digits + sizeof digits / sizeof *digits;
    unsigned long long rest = value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                                        : static_cast<unsigned long long>(value);
    do {
        *--first = static_cast<char16_t>(u'0' + rest % 10);
        rest /= 10;
    } while (rest != 0);
    if (value < 0)
        *--first = u'-';
    out.append(first, digits + sizeof digits / sizeof *digits);
}

PyObject* error(PyObject* kind, std::u16string_view message, std::u16string_view reason, std::size_t position)
{
    PyObject* text = str(message);
    PyObject* why = str(reason);
    PyObject* error = text && why ? PyObject_CallFunctionObjArgs(kind, text, nullptr) : nullptr;
    PyObject* where = position > 0 ? PyLong_FromSize_t(position) : (Py_INCREF(Py_None), Py_None);
    if (error
        && (!where || PyObject_SetAttrString(error, "reason", why) < 0
            || PyObject_SetAttrString(error, "position", where) < 0))
        Py_CLEAR(error);
    Py_XDECREF(text);
    Py_XDECREF(why);
    Py_XDECREF(where);
    return error;
}

} // namespace

Figures figuresOf(PyObject* amount, std::u16string& out, bool& written)
{
    written = PyUnicode_Check(amount);
    if (written)
        return appendUnits(amount, "amount", out) ? Figures::kText : Figures::kFailed;
    if (amount == Py_None)
        return Figures::kMissing;
    // The common numbers without a call into Python: an int of 64 bits, and
    // a float that prints without an exponent, as Python prints it.
    if (PyLong_CheckExact(amount)) {
        int overflow = 0;
        const long long value = PyLong_AsLongLongAndOverflow(amount, &overflow);
        if (!overflow && !(value == -1 && PyErr_Occurred())) {
            appendInteger(value, out);
            return Figures::kText;
        }
        PyErr_Clear();
    } else if (PyFloat_CheckExact(amount)) {
        const double value = PyFloat_AsDouble(amount);
        if (value != value)
            return Figures::kMissing;
        if (value > -1e15 && value < 1e15 && (value >= 1e-4 || value <= -1e-4 || value == 0)) {
            PyObject* text = PyObject_Repr(amount);
            const bool ok = text && appendUnits(text, "amount", out);
            Py_XDECREF(text);
            return ok ? Figures::kText : Figures::kFailed;
        }
    }
    PyObject* text = PyObject_CallFunctionObjArgs(g_figures, amount, nullptr);
    if (!text)
        return Figures::kFailed;
    const Figures figures = text == Py_None ? Figures::kMissing
        : appendUnits(text, "amount", out)  ? Figures::kText
                                            : Figures::kFailed;
    Py_DECREF(text);
    return figures;
}

PyObject* amountError(const face::Outcome& outcome, bool written)
{
    const face::Refusal refused = face::refusal(outcome, written);
    return error(outcome.reason == face::Reason::kInvalidDate ? g_dateError : g_amountError, refused.message,
                 refused.reason, refused.position);
}

PyObject* missingError()
{
    return error(g_amountError, kMissing, kMissing, 0);
}

void raise(PyObject* error)
{
    if (error) {
        PyErr_SetObject(reinterpret_cast<PyObject*>(Py_TYPE(error)), error);
        Py_DECREF(error);
    }
}

PyObject* answer(const face::Outcome& outcome, bool written)
{
    if (outcome.exact())
        return str(outcome.text);
    raise(amountError(outcome, written));
    return nullptr;
}

bool formOf(PyObject* name, face::Form& form)
{
    form = face::Form::kStandard;
    if (!name)
        return true;
    if (PyUnicode_Check(name)) {
        for (std::size_t i = 0; i < face::kFormNames.size(); ++i) {
            if (PyUnicode_CompareWithASCIIString(name, face::kFormNames[i].data()) == 0) {
                form = *face::formNumbered(static_cast<long>(i));
                return true;
            }
        }
    }
    // 'standard', 'rmb' or 'window', as the face names them.
    static const std::string names = [] {
        std::string list;
        for (std::size_t i = 0; i < face::kFormNames.size(); ++i) {
            list += i == 0 ? "'" : i + 1 < face::kFormNames.size() ? ", '" : " or '";
            list += face::kFormNames[i];
            list += "'";
        }
        return list;
    }();
    PyErr_Format(PyExc_TypeError, "form must be %s, not %R", names.c_str(), name);
    return false;
}

} // namespace qhj::python
