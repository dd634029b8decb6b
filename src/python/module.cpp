// qinghejian._core: the conversions for Python, through the limited C API,
// so that one build serves every CPython from 3.9 on. The package's calls
// are this module's own, so that a call costs one crossing; what Python
// does better, turning its numbers into text and the Verdict type, the
// package hands over once, through _setup (qinghejian/__init__.py).
//
// Texts cross as UTF-16 code units: a lone surrogate or a NUL reaches the
// conversion as it is and is refused there, like any other character it
// cannot read.
#define Py_LIMITED_API 0x03090000
#define PY_SSIZE_T_CLEAN
#include <Python.h>
#include <structmember.h>

#include "face/face.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace qhj;

PyObject* g_amountError = nullptr;
PyObject* g_figures = nullptr; // a number -> its text (qinghejian._figures)
PyObject* g_verdict = nullptr; // the type Verdict, made at import
PyObject* g_decimal = nullptr; // decimal.Decimal

// A str as UTF-16 code units into `out`; false, with TypeError, for
// anything else.
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

// An amount as the text the conversion reads: a str as it is, anything
// else as the package's _figures writes it out. `written` says whether the
// caller wrote the text, so that a position may point into it.
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

// The AmountError for a refused conversion: the reason as its message and
// .reason, and where it points into the text the caller wrote as
// .position, or None.
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

// The answer, or the AmountError raised: nothing is cut unseen.
PyObject* answer(const face::Outcome& outcome, bool written = true)
{
    if (outcome.exact())
        return str(outcome.text);
    raise(amountError(outcome, written));
    return nullptr;
}

// The form named by `name` (a str, or null for the default).
bool formOf(PyObject* name, face::Form& form)
{
    form = face::Form::kStandard;
    if (!name)
        return true;
    if (PyUnicode_Check(name)) {
        constexpr std::pair<const char*, face::Form> kForms[] = {{"standard", face::Form::kStandard},
                                                                 {"rmb", face::Form::kRenminbi},
                                                                 {"window", face::Form::kWindow}};
        for (const auto& [text, named] : kForms) {
            if (PyUnicode_CompareWithASCIIString(name, text) == 0) {
                form = named;
                return true;
            }
        }
    }
    PyErr_Format(PyExc_TypeError, "form must be 'standard', 'rmb' or 'window', not %R", name);
    return false;
}

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
    if (!formOf(name, form) || !figuresOf(amount, input, written))
        return nullptr;
    face::toCapitals(input, form, outcome);
    return answer(outcome, written);
}

// A batch of amounts on its way through the conversion: small enough to
// stay in the cache, large enough that letting the interpreter go for its
// conversions costs nothing to speak of.
class Batch {
public:
    static constexpr std::size_t kSize = 4096;

    // The texts of list[first, first + size), one after another. With
    // `coerce`, None, a missing value, is an amount that cannot be written.
    bool take(PyObject* list, std::size_t first, std::size_t size, bool coerce)
    {
        m_text.clear();
        m_ends.clear();
        m_written.clear();
        for (std::size_t i = first; i < first + size; ++i) {
            // Held while a number is written out, whose code could change
            // the list.
            PyObject* amount = PyList_GetItem(list, static_cast<Py_ssize_t>(i));
            Py_INCREF(amount);
            bool written = false;
            m_one.clear();
            const bool ok = (coerce && amount == Py_None) || figuresOf(amount, m_one, written);
            Py_DECREF(amount);
            if (!ok)
                return false;
            m_text += m_one;
            m_ends.push_back(m_text.size());
            m_written.push_back(written);
        }
        return true;
    }

    // Their capitals into results[first...], converted with the interpreter
    // let go, so that other threads run meanwhile. A refused amount gives
    // None with `coerce`, and otherwise raises, with its place in the whole.
    bool give(PyObject* results, std::size_t first, face::Form form, bool coerce)
    {
        m_capitals.clear();
        m_capitalEnds.clear();
        PyThreadState* state = PyEval_SaveThread();
        for (std::size_t i = 0; i < m_ends.size(); ++i) {
            const std::size_t start = i == 0 ? 0 : m_ends[i - 1];
            face::toCapitals(std::u16string_view(m_text).substr(start, m_ends[i] - start), form, m_outcome);
            if (!m_outcome.exact() && !coerce)
                break;
            if (m_outcome.exact())
                m_capitals += m_outcome.text;
            m_capitalEnds.push_back(m_outcome.exact() ? m_capitals.size() : kRefused);
        }
        PyEval_RestoreThread(state);
        if (m_capitalEnds.size() < m_ends.size()) {
            if (PyObject* error = amountError(m_outcome, m_written[m_capitalEnds.size()])) {
                PyObject* index = PyLong_FromSize_t(first + m_capitalEnds.size());
                PyObject_SetAttrString(error, "index", index);
                Py_XDECREF(index);
                raise(error);
            }
            return false;
        }
        std::size_t start = 0;
        for (std::size_t i = 0; i < m_capitalEnds.size(); ++i) {
            PyObject* item;
            if (m_capitalEnds[i] == kRefused) {
                Py_INCREF(Py_None);
                item = Py_None;
            } else {
                item = str(std::u16string_view(m_capitals).substr(start, m_capitalEnds[i] - start));
                start = m_capitalEnds[i];
            }
            if (!item)
                return false;
            PyList_SetItem(results, static_cast<Py_ssize_t>(first + i), item);
        }
        return true;
    }

private:
    static constexpr std::size_t kRefused = static_cast<std::size_t>(-1);
    std::u16string m_one;
    std::u16string m_text; // the amounts, one after another
    std::vector<std::size_t> m_ends;
    std::vector<bool> m_written;
    std::u16string m_capitals;              // their capitals, one after another
    std::vector<std::size_t> m_capitalEnds; // kRefused for None
    face::Outcome m_outcome;
};

PyObject* toCapitalsMany(PyObject*, PyObject* args, PyObject* keywords)
{
    static const char* kKeywords[] = {"amounts", "form", "errors", nullptr};
    PyObject* amounts;
    PyObject* name = nullptr;
    const char* errors = "raise";
    if (!PyArg_ParseTupleAndKeywords(args, keywords, "O|Os:to_capitals_many", const_cast<char**>(kKeywords),
                                     &amounts, &name, &errors))
        return nullptr;
    face::Form form;
    if (!formOf(name, form))
        return nullptr;
    const std::string_view handling = errors;
    if (handling != "raise" && handling != "coerce") {
        PyErr_Format(PyExc_TypeError, "errors must be 'raise' or 'coerce', not '%s'", errors);
        return nullptr;
    }
    // A list is read in place; anything else is first made one.
    PyObject* list = PyList_Check(amounts) ? (Py_INCREF(amounts), amounts) : PySequence_List(amounts);
    if (!list)
        return nullptr;
    const auto count = static_cast<std::size_t>(PyList_Size(list));
    PyObject* results = PyList_New(static_cast<Py_ssize_t>(count));
    Batch batch;
    for (std::size_t first = 0; results && first < count; first += Batch::kSize) {
        const std::size_t size = std::min(Batch::kSize, count - first);
        const bool coerce = handling == "coerce";
        if (!batch.take(list, first, size, coerce) || !batch.give(results, first, form, coerce))
            Py_CLEAR(results);
    }
    Py_DECREF(list);
    return results;
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

// What check_pair gives: three values, read only. Not tracked by the cycle
// collector, as it can hold no cycle, so that keeping a million of them
// costs no collection.
struct VerdictObject {
    PyObject_HEAD PyObject* line;
    PyObject* agrees;
    PyObject* findings;
};

PyMemberDef kVerdictMembers[] = {
    {"agrees", T_OBJECT_EX, offsetof(VerdictObject, agrees), READONLY,
     "The same amount, with the same sign."},
    {"findings", T_OBJECT_EX, offsetof(VerdictObject, findings), READONLY,
     "The payment rules the capitals break, one line each, as a tuple of str."},
    {nullptr, 0, 0, 0, nullptr},
};

VerdictObject* asVerdict(PyObject* self)
{
    return reinterpret_cast<VerdictObject*>(self);
}

void verdictDealloc(PyObject* self)
{
    Py_XDECREF(asVerdict(self)->line);
    Py_XDECREF(asVerdict(self)->agrees);
    Py_XDECREF(asVerdict(self)->findings);
    PyTypeObject* type = Py_TYPE(self);
    reinterpret_cast<freefunc>(PyType_GetSlot(type, Py_tp_free))(self);
    Py_DECREF(type);
}

PyObject* verdictStr(PyObject* self)
{
    Py_INCREF(asVerdict(self)->line);
    return asVerdict(self)->line;
}

PyObject* verdictRepr(PyObject* self)
{
    return PyUnicode_FromFormat("Verdict(%R)", asVerdict(self)->line);
}

// True when the two agree and the capitals break no rule.
int verdictBool(PyObject* self)
{
    return asVerdict(self)->agrees == Py_True && PyTuple_Size(asVerdict(self)->findings) == 0;
}

PyObject* verdictCompare(PyObject* self, PyObject* other, int op)
{
    if (!PyObject_TypeCheck(other, reinterpret_cast<PyTypeObject*>(g_verdict))
        || (op != Py_EQ && op != Py_NE))
        Py_RETURN_NOTIMPLEMENTED;
    return PyObject_RichCompare(asVerdict(self)->line, asVerdict(other)->line, op);
}

Py_hash_t verdictHash(PyObject* self)
{
    return PyObject_Hash(asVerdict(self)->line);
}

PyType_Slot kVerdictSlots[] = {
    {Py_tp_dealloc, reinterpret_cast<void*>(verdictDealloc)},
    {Py_tp_str, reinterpret_cast<void*>(verdictStr)},
    {Py_tp_repr, reinterpret_cast<void*>(verdictRepr)},
    {Py_nb_bool, reinterpret_cast<void*>(verdictBool)},
    {Py_tp_richcompare, reinterpret_cast<void*>(verdictCompare)},
    {Py_tp_hash, reinterpret_cast<void*>(verdictHash)},
    {Py_tp_members, kVerdictMembers},
    {Py_tp_doc,
     const_cast<char*>("What check_pair found: .agrees (the same amount with the same sign), .findings (the\n"
                       "payment rules the capitals break, one line each), and str(), the verdict line\n"
                       "exactly as qinghejian-convert --check prints it. True when the two agree and the\n"
                       "capitals break no rule. Immutable.")},
    {0, nullptr},
};

PyType_Spec kVerdictSpec = {"qinghejian.Verdict", sizeof(VerdictObject), 0, Py_TPFLAGS_DEFAULT,
                            kVerdictSlots};

PyObject* checkPair(PyObject*, PyObject* args)
{
    PyObject* figures;
    PyObject* capitals;
    thread_local std::u16string first;
    thread_local std::u16string second;
    thread_local face::PairVerdict verdict;
    bool written;
    if (!PyArg_ParseTuple(args, "OO:check_pair", &figures, &capitals) || !figuresOf(figures, first, written)
        || !units(capitals, "capitals", second))
        return nullptr;
    face::checkPair(first, second, verdict);
    const auto texts = face::findingTexts(verdict);
    PyObject* findings = PyTuple_New(static_cast<Py_ssize_t>(texts.size()));
    for (std::size_t i = 0; findings && i < texts.size(); ++i) {
        PyObject* text = str(texts[i]);
        if (!text)
            Py_CLEAR(findings);
        else
            PyTuple_SetItem(findings, static_cast<Py_ssize_t>(i), text);
    }
    PyObject* line = str(verdict.line);
    if (!findings || !line) {
        Py_XDECREF(findings);
        Py_XDECREF(line);
        return nullptr;
    }
    auto* type = reinterpret_cast<PyTypeObject*>(g_verdict);
    PyObject* result = reinterpret_cast<allocfunc>(PyType_GetSlot(type, Py_tp_alloc))(type, 0);
    if (!result) {
        Py_DECREF(findings);
        Py_DECREF(line);
        return nullptr;
    }
    asVerdict(result)->line = line;
    asVerdict(result)->agrees = PyBool_FromLong(verdict.agrees);
    asVerdict(result)->findings = findings;
    return result;
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
     METH_VARARGS | METH_KEYWORDS,
     "to_capitals_many(amounts, form='standard', errors='raise')\n--\n\n"
     "to_capitals for every amount of an iterable (a list, a pandas Series, a numpy array of\n"
     "objects), as a list, converted in C++ with the interpreter released, so that threads can\n"
     "share the work. errors='raise' raises the first AmountError, with its .index;\n"
     "errors='coerce' gives None for each amount that cannot be written, and for None."},
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

PyMODINIT_FUNC PyInit__core()
{
    PyObject* module = PyModule_Create(&kModule);
    if (!module)
        return nullptr;
    g_amountError = PyErr_NewExceptionWithDoc(
        "qinghejian.AmountError",
        "An amount, capitals or a date that cannot be read, or written without cutting\n"
        "something. str() is the reason, as qinghejian-convert gives it; .position is where it\n"
        "points into the text given (1-based), or None.",
        PyExc_ValueError, nullptr);
    g_verdict = PyType_FromSpec(&kVerdictSpec);
    Py_XINCREF(g_amountError);
    Py_XINCREF(g_verdict);
    if (!g_amountError || !g_verdict || PyModule_AddObject(module, "AmountError", g_amountError) < 0
        || PyModule_AddObject(module, "Verdict", g_verdict) < 0) {
        Py_DECREF(module);
        return nullptr;
    }
    return module;
}
