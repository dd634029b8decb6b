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
extern PyObject* g_dateError;   // qinghejian.DateError
extern PyObject* g_figures;     // a number -> its text, or None for a missing
                                // value (qinghejian._figures)
extern PyObject* g_decimal;     // decimal.Decimal
extern PyObject* g_verdict;     // the type Verdict, made at import

// A str as UTF-16 code units into `out`; false, with TypeError, for
// anything else. Texts cross as code units: a lone surrogate or a NUL
// reaches the conversion as it is and is refused there.
bool units(PyObject* text, const char* what, std::u16string& out);
// The same after what `out` holds.
bool appendUnits(PyObject* text, const char* what, std::u16string& out);
PyObject* str(std::u16string_view text);

// An amount, after what `out` holds, as the text the conversion reads: a
// str as it is, an int or a float here, anything else as the package's
// _figures writes it out. `written` says whether the caller wrote the text,
// so that a position may point into it. A missing value (None, NaN,
// pandas' NA and NaT) adds nothing and is kMissing.
enum class Figures { kText, kMissing, kFailed };
Figures figuresOf(PyObject* amount, std::u16string& out, bool& written);

// The AmountError (or, for a date, the DateError) for a refused conversion,
// not yet raised: the position and the reason as its message, the reason
// alone as .reason, and .position where it points into the text the caller
// wrote, or None.
PyObject* amountError(const face::Outcome& outcome, bool written);
// The AmountError for a missing value.
PyObject* missingError();
void raise(PyObject* error);
// The answer, or the AmountError raised: nothing is cut unseen.
PyObject* answer(const face::Outcome& outcome, bool written = true);

// The form named by `name` (a str, or null for the default), by the face's
// names; false, with TypeError, for one that is none.
bool formOf(PyObject* name, face::Form& form);

PyObject* toCapitalsMany(PyObject* self, PyObject* args, PyObject* keywords);
PyObject* checkPair(PyObject* self, PyObject* args);
PyObject* toCapitalsArrow(PyObject* self, PyObject* args);
// The type Verdict, new.
PyObject* makeVerdictType();
// A Verdict of its line, agreement and findings: how a pickled one is made
// again.
PyObject* verdictOf(PyObject* self, PyObject* args);

} // namespace qhj::python
