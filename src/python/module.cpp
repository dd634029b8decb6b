// qinghejian._core: the conversions for Python. The package's calls are
// this module's own, so that a call costs one crossing; what Python does
// better, writing its numbers out as text and making a Decimal, the package
// hands over once at import, through _setup (qinghejian/__init__.py).
#include "python/core.h"

#include <string>

namespace qhj::python {

namespace {

PyObject* toCapitals(PyObject*, PyObject* args, PyObject* keywords)
{
    static const char* kKeywords[] = {"amount", "form", nullptr};
    PyObject* amount;
    PyObject* name = nullptr;
    if (!PyArg_ParseTupleAndKeywords(args, keywords, "O|O:to_capitals", const_cast<char**>(kKeywords),
                                     &amount, &name))
        return nullptr;
    face::Form form;
    thread_local std::u16string input;
    thread_local face::Outcome outcome;
    bool written;
    if (!formOf(name, form))
        return nullptr;
    input.clear();
    const Figures figures = figuresOf(amount, input, written);
    if (figures != Figures::kText) {
        if (figures == Figures::kMissing)
            raise(missingError());
        return nullptr;
    }
    face::toCapitals(input, form, outcome);
    return answer(outcome, written);
}

PyObject* fromCapitals(PyObject*, PyObject* capitals)
{
    thread_local std::u16string input;
    thread_local face::Outcome outcome;
    if (!units(capitals, "capitals", input))
        return nullptr;
    face::fromCapitals(input, outcome);
    PyObject* figures = answer(outcome);
    if (!figures)
        return nullptr;
    PyObject* amount = PyObject_CallFunctionObjArgs(g_decimal, figures, nullptr);
    Py_DECREF(figures);
    return amount;
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

PyObject* setup(PyObject*, PyObject* args)
{
    if (!PyArg_ParseTuple(args, "OO", &g_figures, &g_decimal))
        return nullptr;
    Py_INCREF(g_figures);
    Py_INCREF(g_decimal);
    Py_RETURN_NONE;
}

PyMethodDef kMethods[] = {
    {"to_capitals", reinterpret_cast<PyCFunction>(reinterpret_cast<void (*)()>(toCapitals)),
     METH_VARARGS | METH_KEYWORDS,
     "to_capitals(amount, form='standard')\n--\n\n"
     "The amount in capitals.\n\n"
     "amount is a str as qinghejian-convert reads it (' ￥1,409.50 ', '-0.1'), an int, a\n"
     "decimal.Decimal, or a float read as Python prints it. form is 'standard' (the payment\n"
     "rules' form: 壹仟肆佰零玖元伍角整), 'rmb' (the same after 人民币) or 'window' (the\n"
     "window's literal form).\n\n"
     "Raises AmountError when the amount cannot be written whole, for instance with decimals\n"
     "past 分, and TypeError for another type."},
    {"to_capitals_many", reinterpret_cast<PyCFunction>(reinterpret_cast<void (*)()>(toCapitalsMany)),
     METH_VARARGS | METH_KEYWORDS, nullptr},
    {"from_capitals", fromCapitals, METH_O,
     "from_capitals(text)\n--\n\n"
     "The amount that capitals say, as a Decimal with two places. The window's form,\n"
     "人民币 and the traditional forms are read too."},
    {"check_pair", checkPair, METH_VARARGS,
     "check_pair(figures, capitals)\n--\n\n"
     "Figures against capitals, as a cheque or an invoice states its amount twice: a Verdict,\n"
     "whose str() is the line qinghejian-convert --check prints, true when the two agree and\n"
     "the capitals break no payment rule. Blanks around either do not count."},
    {"cheque_date", chequeDate, METH_O, nullptr},
    {"_verdict", verdictOf, METH_VARARGS, nullptr},
    {"to_capitals_arrow", toCapitalsArrow, METH_VARARGS, nullptr},
    {"cheque_date_of", chequeDateOf, METH_VARARGS, nullptr},
    {"_setup", setup, METH_VARARGS, nullptr},
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

} // namespace qhj::python

using namespace qhj::python;

PyMODINIT_FUNC PyInit__core()
{
    PyObject* module = PyModule_Create(&kModule);
    if (!module)
        return nullptr;
    PyObject* error = PyErr_NewExceptionWithDoc(
        "qinghejian.Error",
        "What the package refuses to read or to write: an AmountError or a DateError. str() is\n"
        "the reason, after \"第K个字符：\" where it points into the text given; .reason is the\n"
        "reason alone, as qinghejian-convert gives it, and .position where it points\n"
        "(1-based), or None.",
        PyExc_ValueError, nullptr);
    g_amountError = error
        ? PyErr_NewExceptionWithDoc("qinghejian.AmountError",
                                    "An amount or capitals that cannot be read, or written without cutting\n"
                                    "something, or a missing amount. In a batch, .index names the amount.",
                                    error, nullptr)
        : nullptr;
    g_dateError = error
        ? PyErr_NewExceptionWithDoc("qinghejian.DateError",
                                    "A date that is no date, or is not written as one.", error, nullptr)
        : nullptr;
    g_verdict = makeVerdictType();
    Py_XINCREF(g_amountError);
    Py_XINCREF(g_dateError);
    Py_XINCREF(g_verdict);
    if (!error || !g_amountError || !g_dateError || !g_verdict
        || PyModule_AddObject(module, "Error", error) < 0
        || PyModule_AddObject(module, "AmountError", g_amountError) < 0
        || PyModule_AddObject(module, "DateError", g_dateError) < 0
        || PyModule_AddObject(module, "Verdict", g_verdict) < 0
        || PyModule_AddStringConstant(module, "__version__", QHJ_PACKAGE_VERSION) < 0) {
        Py_DECREF(module);
        return nullptr;
    }
    return module;
}
