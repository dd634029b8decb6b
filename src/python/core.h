// What the files of qinghejian._core share: texts across the boundary, the
// package's error, and the objects the package hands over at import. Every
// file builds against the limited C API of CPython 3.9, so that one build
// serves every CPython from 3.9 on.
#pragma once

#define Py_LIMITED_API 0x03090000
#define PY_SSIZE_T_CLEAN
#include <Python.h>

#include "face/face.h"

#include <string>
#include <string_view>

namespace qhj::python {

extern PyObject* g_amountError; // qinghejian.AmountError
extern PyObject* g_figures;     // a number -> its text (qinghejian._figures)
extern PyObject* g_decimal;     // decimal.Decimal
extern PyObject* g_verdict;     // the type Verdict, made at import

// A str as UTF-16 code units into `out`; false, with TypeError, for
// anything else. Texts cross as code units: a lone surrogate or a NUL
// reaches the conversion as it is and is refused there.
bool units(PyObject* text, const char* what, std::u16string& out);
PyObject* str(std::u16string_view text);

// An amount as the text the conversion reads: a str as it is, anything
// else as the package's _figures writes it out. `written` says whether the
// caller wrote the text, so that a position may point into it.
bool figuresOf(PyObject* amount, std::u16string& out, bool& written);

// The AmountError for a refused conversion, not yet raised: the reason as
// its message and .reason, and .position where it points into the text the
// caller wrote, or None.
PyObject* amountError(const face::Outcome& outcome, bool written);
void raise(PyObject* error);
// The answer, or the AmountError raised: nothing is cut unseen.
PyObject* answer(const face::Outcome& outcome, bool written = true);

// The form named by `name` (a str, or null for the default), by the face's
// names; false, with TypeError, for one that is none.
bool formOf(PyObject* name, face::Form& form);

PyObject* toCapitalsMany(PyObject* self, PyObject* args, PyObject* keywords);
PyObject* checkPair(PyObject* self, PyObject* args);
// The type Verdict, new.
PyObject* makeVerdictType();

} // namespace qhj::python
