// Verdict, what check_pair gives, and check_pair itself.
#include "python/core.h"

#include <structmember.h>

#include <cstddef>
#include <string>

namespace qhj::python {

namespace {

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

// Pickled as its three values, so that a Verdict crosses to another
// process, as multiprocessing sends it.
PyObject* verdictReduce(PyObject* self, PyObject*)
{
    PyObject* made = PyObject_GetAttrString(PyImport_AddModule("qinghejian._core"), "_verdict");
    if (!made)
        return nullptr;
    return Py_BuildValue("N(OOO)", made, asVerdict(self)->line, asVerdict(self)->agrees,
                         asVerdict(self)->findings);
}

PyMethodDef kVerdictMethods[] = {
    {"__reduce__", verdictReduce, METH_NOARGS, nullptr},
    {nullptr, nullptr, 0, nullptr},
};

PyObject* newVerdict(PyObject* line, PyObject* agrees, PyObject* findings)
{
    auto* type = reinterpret_cast<PyTypeObject*>(g_verdict);
    PyObject* result = reinterpret_cast<allocfunc>(PyType_GetSlot(type, Py_tp_alloc))(type, 0);
    if (!result) {
        Py_DECREF(line);
        Py_DECREF(agrees);
        Py_DECREF(findings);
        return nullptr;
    }
    asVerdict(result)->line = line;
    asVerdict(result)->agrees = agrees;
    asVerdict(result)->findings = findings;
    return result;
}

PyType_Slot kVerdictSlots[] = {
    {Py_tp_dealloc, reinterpret_cast<void*>(verdictDealloc)},
    {Py_tp_str, reinterpret_cast<void*>(verdictStr)},
    {Py_tp_repr, reinterpret_cast<void*>(verdictRepr)},
    {Py_nb_bool, reinterpret_cast<void*>(verdictBool)},
    {Py_tp_richcompare, reinterpret_cast<void*>(verdictCompare)},
    {Py_tp_hash, reinterpret_cast<void*>(verdictHash)},
    {Py_tp_members, kVerdictMembers},
    {Py_tp_methods, kVerdictMethods},
    {Py_tp_doc,
     const_cast<char*>("What check_pair found: .agrees (the same amount with the same sign), .findings (the\n"
                       "payment rules the capitals break, one line each), and str(), the verdict line\n"
                       "exactly as qinghejian-convert --check prints it. True when the two agree and the\n"
                       "capitals break no rule. Immutable.")},
    {0, nullptr},
};

PyType_Spec kVerdictSpec = {"qinghejian.Verdict", sizeof(VerdictObject), 0, Py_TPFLAGS_DEFAULT,
                            kVerdictSlots};

} // namespace

PyObject* makeVerdictType()
{
    return PyType_FromSpec(&kVerdictSpec);
}

PyObject* checkPair(PyObject*, PyObject* args)
{
    PyObject* figures;
    PyObject* capitals;
    thread_local std::u16string first;
    thread_local std::u16string second;
    thread_local face::PairVerdict verdict;
    bool written;
    if (!PyArg_ParseTuple(args, "OO:check_pair", &figures, &capitals))
        return nullptr;
    first.clear();
    const Figures kind = figuresOf(figures, first, written);
    if (kind != Figures::kText || !units(capitals, "capitals", second)) {
        if (kind == Figures::kMissing)
            raise(missingError());
        return nullptr;
    }
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
    return newVerdict(line, PyBool_FromLong(verdict.agrees), findings);
}

PyObject* verdictOf(PyObject*, PyObject* args)
{
    PyObject* line;
    PyObject* agrees;
    PyObject* findings;
    if (!PyArg_ParseTuple(args, "UO!O!:_verdict", &line, &PyBool_Type, &agrees, &PyTuple_Type, &findings))
        return nullptr;
    Py_INCREF(line);
    Py_INCREF(agrees);
    Py_INCREF(findings);
    return newVerdict(line, agrees, findings);
}

} // namespace qhj::python
