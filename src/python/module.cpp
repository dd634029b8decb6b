// qinghejian._core: the conversions for Python, through the limited C API,
// so that one build serves every CPython from 3.9 on. Texts cross as
// UTF-16 code units: a lone surrogate or a NUL reaches the conversion as it
// is and is refused there, like any other character it cannot read. The
// package around it (qinghejian/__init__.py) turns Python's numbers into
// text and the answers into Python's types.
#define Py_LIMITED_API 0x03090000
#define PY_SSIZE_T_CLEAN
#include <Python.h>

#include "face/face.h"

#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace qhj;

PyObject* g_amountError = nullptr;

// A str as UTF-16 code units into `out`; false, with TypeError, for
// anything else. Lone surrogates pass, to be refused by the conversion.
bool units(PyObject* text, const char* what, std::u16string& out)
{
    if (!PyUnicode_Check(text)) {
        PyErr_Format(PyExc_TypeError, "%s must be a str", what);
        return false;
    }
    PyObject* bytes = PyUnicode_AsEncodedString(text, "utf-16-le", "surrogatepass");
    char* data;
    Py_ssize_t size;
    if (!bytes || PyBytes_AsStringAndSize(bytes, &data, &size) < 0) {
        Py_XDECREF(bytes);
        return false;
    }
    out.resize(static_cast<std::size_t>(size) / sizeof(char16_t));
    std::memcpy(out.data(), data, out.size() * sizeof(char16_t));
    Py_DECREF(bytes);
    return true;
}

PyObject* str(std::u16string_view text)
{
    int order = -1; // little-endian, as char16_t is here
    return PyUnicode_DecodeUTF16(reinterpret_cast<const char*>(text.data()),
                                 static_cast<Py_ssize_t>(text.size() * sizeof(char16_t)), "surrogatepass",
                                 &order);
}

// The AmountError for a refused conversion: the reason as its message, and
// where it points into the input, when it does.
PyObject* amountError(const face::Outcome& outcome)
{
    const std::u16string message = outcome.reason == face::Reason::kExtraDecimals
        ? std::u16string(face::extraDecimalsReason())
        : face::describe(outcome);
    PyObject* text = str(message);
    if (!text)
        return nullptr;
    PyObject* error = PyObject_CallFunctionObjArgs(g_amountError, text, nullptr);
    if (error)
        PyObject_SetAttrString(error, "reason", text);
    Py_DECREF(text);
    if (!error)
        return nullptr;
    PyObject* position = outcome.position > 0 && outcome.reason != face::Reason::kExtraDecimals
        ? PyLong_FromSize_t(outcome.position)
        : (Py_INCREF(Py_None), Py_None);
    PyObject_SetAttrString(error, "position", position);
    Py_XDECREF(position);
    return error;
}

// The answer, or the AmountError raised: nothing is cut unseen.
PyObject* answer(const face::Outcome& outcome)
{
    if (outcome.exact())
        return str(outcome.text);
    if (PyObject* error = amountError(outcome)) {
        PyErr_SetObject(g_amountError, error);
        Py_DECREF(error);
    }
    return nullptr;
}

bool formOf(int code, face::Form& form)
{
    constexpr face::Form kForms[] = {face::Form::kStandard, face::Form::kRenminbi, face::Form::kWindow};
    if (code < 0 || code > 2) {
        PyErr_SetString(PyExc_ValueError, "no such form");
        return false;
    }
    form = kForms[code];
    return true;
}

PyObject* toCapitals(PyObject*, PyObject* args)
{
    PyObject* figures;
    int code;
    face::Form form;
    std::u16string input;
    if (!PyArg_ParseTuple(args, "Oi", &figures, &code) || !formOf(code, form)
        || !units(figures, "amount", input))
        return nullptr;
    return answer(face::toCapitals(input, form));
}

// Many amounts, already texts, converted with the interpreter let go, so
// that other threads run meanwhile. With `coerce`, a refused one gives None;
// otherwise the first refused raises, with its index as `.index`.
PyObject* toCapitalsMany(PyObject*, PyObject* args)
{
    PyObject* list;
    int code;
    int coerce;
    face::Form form;
    if (!PyArg_ParseTuple(args, "O!ip", &PyList_Type, &list, &code, &coerce) || !formOf(code, form))
        return nullptr;
    const Py_ssize_t count = PyList_Size(list);
    std::vector<std::u16string> inputs(static_cast<std::size_t>(count));
    for (Py_ssize_t i = 0; i < count; ++i) {
        if (!units(PyList_GetItem(list, i), "amount", inputs[static_cast<std::size_t>(i)]))
            return nullptr;
    }
    std::vector<face::Outcome> outcomes(inputs.size());
    Py_BEGIN_ALLOW_THREADS for (std::size_t i = 0; i < inputs.size(); ++i)
        face::toCapitals(inputs[i], form, outcomes[i]);
    Py_END_ALLOW_THREADS PyObject* results = PyList_New(count);
    if (!results)
        return nullptr;
    for (Py_ssize_t i = 0; i < count; ++i) {
        const face::Outcome& outcome = outcomes[static_cast<std::size_t>(i)];
        PyObject* item;
        if (outcome.exact()) {
            item = str(outcome.text);
        } else if (coerce) {
            Py_INCREF(Py_None);
            item = Py_None;
        } else {
            Py_DECREF(results);
            if (PyObject* error = amountError(outcome)) {
                PyObject* index = PyLong_FromSsize_t(i);
                PyObject_SetAttrString(error, "index", index);
                Py_XDECREF(index);
                PyErr_SetObject(g_amountError, error);
                Py_DECREF(error);
            }
            return nullptr;
        }
        if (!item) {
            Py_DECREF(results);
            return nullptr;
        }
        PyList_SetItem(results, i, item);
    }
    return results;
}

PyObject* fromCapitals(PyObject*, PyObject* capitals)
{
    std::u16string input;
    if (!units(capitals, "capitals", input))
        return nullptr;
    return answer(face::fromCapitals(input));
}

// (line, agrees, findings): the verdict line as the companion's --check
// prints it, and the rules the capitals break.
PyObject* checkPair(PyObject*, PyObject* args)
{
    PyObject* figures;
    PyObject* capitals;
    std::u16string first;
    std::u16string second;
    if (!PyArg_ParseTuple(args, "OO", &figures, &capitals) || !units(figures, "figures", first)
        || !units(capitals, "capitals", second))
        return nullptr;
    const face::PairVerdict verdict = face::checkPair(first, second);
    const auto texts = face::findingTexts(verdict);
    PyObject* findings = PyTuple_New(static_cast<Py_ssize_t>(texts.size()));
    if (!findings)
        return nullptr;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        PyObject* text = str(texts[i]);
        if (!text) {
            Py_DECREF(findings);
            return nullptr;
        }
        PyTuple_SetItem(findings, static_cast<Py_ssize_t>(i), text);
    }
    PyObject* line = str(verdict.line);
    if (!line) {
        Py_DECREF(findings);
        return nullptr;
    }
    return Py_BuildValue("(NNN)", line, PyBool_FromLong(verdict.agrees), findings);
}

PyObject* chequeDate(PyObject*, PyObject* date)
{
    std::u16string input;
    if (!units(date, "date", input))
        return nullptr;
    return answer(face::chequeDate(input));
}

PyObject* chequeDateOf(PyObject*, PyObject* args)
{
    int year;
    int month;
    int day;
    if (!PyArg_ParseTuple(args, "iii", &year, &month, &day))
        return nullptr;
    return answer(face::chequeDate(year, month, day));
}

PyMethodDef kMethods[] = {
    {"to_capitals", toCapitals, METH_VARARGS, "to_capitals(text, form_code) -> str"},
    {"to_capitals_many", toCapitalsMany, METH_VARARGS, "to_capitals_many(texts, form_code, coerce) -> list"},
    {"from_capitals", fromCapitals, METH_O, "from_capitals(text) -> str with two decimals"},
    {"check_pair", checkPair, METH_VARARGS, "check_pair(figures, capitals) -> (line, agrees, findings)"},
    {"cheque_date", chequeDate, METH_O, "cheque_date(text) -> str"},
    {"cheque_date_of", chequeDateOf, METH_VARARGS, "cheque_date_of(year, month, day) -> str"},
    {nullptr, nullptr, 0, nullptr},
};

PyModuleDef kModule = {
    PyModuleDef_HEAD_INIT,
    "qinghejian._core",
    "The conversions of qinghejian, in C++.",
    -1,
    kMethods,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
};

} // namespace

PyMODINIT_FUNC PyInit__core()
{
    PyObject* module = PyModule_Create(&kModule);
    if (!module)
        return nullptr;
    g_amountError = PyErr_NewExceptionWithDoc(
        "qinghejian.AmountError",
        "An amount, capitals or a date that cannot be read or written without cutting something.\n\n"
        "str() is the reason, as qinghejian-convert gives it; .position is where it points into the\n"
        "text given (1-based), or None.",
        PyExc_ValueError, nullptr);
    if (!g_amountError || PyModule_AddObject(module, "AmountError", g_amountError) < 0) {
        Py_DECREF(module);
        return nullptr;
    }
    Py_INCREF(g_amountError);
    return module;
}
