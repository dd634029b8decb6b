#include "python/core.h"

#include <string>

namespace qhj::python {

PyObject* g_amountError = nullptr;
PyObject* g_figures = nullptr;
PyObject* g_decimal = nullptr;
PyObject* g_verdict = nullptr;

bool units(PyObject* text, const char* what, std::u16string& out)
{
    if (!PyUnicode_Check(text)) {
        PyErr_Format(PyExc_TypeError, "%s must be a str", what);
        return false;
    }
    thread_local std::u32string points;
    const Py_ssize_t length = PyUnicode_GetLength(text);
    if (length < 0)
        return false;
    points.resize(static_cast<std::size_t>(length) + 1);
    if (!PyUnicode_AsUCS4(text, reinterpret_cast<Py_UCS4*>(points.data()), length + 1, 1))
        return false;
    out.clear();
    for (Py_ssize_t i = 0; i < length; ++i) {
        const char32_t point = points[static_cast<std::size_t>(i)];
        if (point < 0x10000) {
            out += static_cast<char16_t>(point);
        } else {
            out += static_cast<char16_t>(0xD800 + ((point - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((point - 0x10000) & 0x3FF));
        }
    }
    return true;
}

PyObject* str(std::u16string_view text)
{
    int order = -1; // little-endian, as char16_t is here
    return PyUnicode_DecodeUTF16(reinterpret_cast<const char*>(text.data()),
                                 static_cast<Py_ssize_t>(text.size() * sizeof(char16_t)), "surrogatepass",
                                 &order);
}

bool figuresOf(PyObject* amount, std::u16string& out, bool& written)
{
    written = PyUnicode_Check(amount);
    if (written)
        return units(amount, "amount", out);
    PyObject* text = PyObject_CallFunctionObjArgs(g_figures, amount, nullptr);
    if (!text)
        return false;
    const bool ok = units(text, "amount", out);
    Py_DECREF(text);
    return ok;
}

PyObject* amountError(const face::Outcome& outcome, bool written)
{
    const face::Refusal refused = face::refusal(outcome, written);
    PyObject* text = str(refused.reason);
    if (!text)
        return nullptr;
    PyObject* error = PyObject_CallFunctionObjArgs(g_amountError, text, nullptr);
    if (error)
        PyObject_SetAttrString(error, "reason", text);
    Py_DECREF(text);
    if (!error)
        return nullptr;
    PyObject* position = refused.position > 0 ? PyLong_FromSize_t(refused.position)
                                              : (Py_INCREF(Py_None), Py_None);
    PyObject_SetAttrString(error, "position", position);
    Py_XDECREF(position);
    return error;
}

void raise(PyObject* error)
{
    if (error) {
        PyErr_SetObject(g_amountError, error);
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
