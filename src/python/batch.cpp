// to_capitals_many: many amounts through the conversion, a batch at a time.
#include "python/core.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace qhj::python {

namespace {

// A batch of amounts on its way through the conversion: small enough to
// stay in the cache, large enough that letting the interpreter go for its
// conversions costs nothing to speak of.
class Batch {
public:
    static constexpr std::size_t kSize = 4096;

    // The texts of list[first, first + size), one after another. With
    // `coerce`, a missing value is an amount that cannot be written;
    // otherwise it raises, as a refused amount does.
    bool take(PyObject* list, std::size_t first, std::size_t size, bool coerce)
    {
        m_text.clear();
        m_ends.clear();
        m_kinds.clear();
        for (std::size_t i = first; i < first + size; ++i) {
            // The code that writes a number out may have shortened the
            // list: then there is no item here, and the batch ends.
            PyObject* amount = PyList_GetItem(list, static_cast<Py_ssize_t>(i));
            if (!amount) {
                PyErr_SetString(PyExc_RuntimeError, "the list of amounts changed during to_capitals_many");
                return false;
            }
            // Held while a number is written out, whose code could change
            // the list.
            Py_INCREF(amount);
            bool written = false;
            const Figures figures = figuresOf(amount, m_text, written);
            Py_DECREF(amount);
            if (figures == Figures::kFailed)
                return false;
            if (figures == Figures::kMissing && !coerce) {
                raiseAt(missingError(), i);
                return false;
            }
            m_ends.push_back(m_text.size());
            m_kinds.push_back(figures == Figures::kMissing ? Kind::kMissing
                                  : written                ? Kind::kWritten
                                                           : Kind::kNumber);
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
            if (m_kinds[i] == Kind::kMissing) {
                m_capitalEnds.push_back(kRefused);
                continue;
            }
            face::toCapitals(std::u16string_view(m_text).substr(start, m_ends[i] - start), form, m_outcome);
            if (!m_outcome.exact() && !coerce)
                break;
            if (m_outcome.exact())
                m_capitals += m_outcome.text;
            m_capitalEnds.push_back(m_outcome.exact() ? m_capitals.size() : kRefused);
        }
        PyEval_RestoreThread(state);
        if (m_capitalEnds.size() < m_ends.size()) {
            const std::size_t at = m_capitalEnds.size();
            raiseAt(amountError(m_outcome, m_kinds[at] == Kind::kWritten), first + at);
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
    enum class Kind : unsigned char { kWritten, kNumber, kMissing };
    static constexpr std::size_t kRefused = static_cast<std::size_t>(-1);

    // The error, raised, with .index naming the amount in the whole.
    static void raiseAt(PyObject* error, std::size_t index)
    {
        if (!error)
            return;
        PyObject* place = PyLong_FromSize_t(index);
        if (!place || PyObject_SetAttrString(error, "index", place) < 0) {
            Py_XDECREF(place);
            Py_DECREF(error);
            return;
        }
        Py_DECREF(place);
        raise(error);
    }

    std::u16string m_text; // the amounts, one after another
    std::vector<std::size_t> m_ends;
    std::vector<Kind> m_kinds;
    std::u16string m_capitals;              // their capitals, one after another
    std::vector<std::size_t> m_capitalEnds; // kRefused for None
    face::Outcome m_outcome;
};

} // namespace

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

} // namespace qhj::python
