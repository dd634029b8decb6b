// to_capitals_arrow: a column of Arrow memory through the conversion, read
// in place through the Arrow C data interface, with no Python object made
// for an element. The answer is the buffers of an Arrow string array.
#include "python/core.h"

#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qhj::python {

namespace {

// The Arrow C data interface's two structures, as its ABI lays them out.
struct ArrowSchema {
    const char* format;
    const char* name;
    const char* metadata;
    std::int64_t flags;
    std::int64_t n_children;
    ArrowSchema** children;
    ArrowSchema* dictionary;
    void (*release)(ArrowSchema*);
    void* private_data;
};

struct ArrowArray {
    std::int64_t length;
    std::int64_t null_count;
    std::int64_t offset;
    std::int64_t n_buffers;
    std::int64_t n_children;
    const void** buffers;
    ArrowArray** children;
    ArrowArray* dictionary;
    void (*release)(ArrowArray*);
    void* private_data;
};

// A decimal128's unscaled value: GCC and clang have the type on every
// 64-bit machine the package is built for.
__extension__ using Wide = unsigned __int128;

enum class Column { kInt64, kFloat64, kDecimal128, kUtf8, kLargeUtf8 };

// The column's type from its format string; false, with TypeError, for
// one that is not taken.
bool columnOf(std::string_view format, Column& column, int& scale)
{
    if (format == "l") {
        column = Column::kInt64;
    } else if (format == "g") {
        column = Column::kFloat64;
    } else if (format == "u") {
        column = Column::kUtf8;
    } else if (format == "U") {
        column = Column::kLargeUtf8;
    } else if (format.substr(0, 2) == "d:" && format.find(',') != std::string_view::npos) {
        // "d:precision,scale", or with ",128" after it
        const std::string_view rest = format.substr(format.find(',') + 1);
        const std::size_t width = rest.find(',');
        if (width != std::string_view::npos && rest.substr(width + 1) != "128") {
            PyErr_SetString(PyExc_TypeError, "a decimal column must be decimal128");
            return false;
        }
        std::from_chars(rest.data(), rest.data() + std::min(width, rest.size()), scale);
        column = Column::kDecimal128;
    } else {
        PyErr_Format(PyExc_TypeError,
                     "the column must be int64, float64, decimal128 or strings, not Arrow's '%s'",
                     std::string(format).c_str());
        return false;
    }
    return true;
}

bool isNull(const ArrowArray& array, std::int64_t i)
{
    const auto* validity = static_cast<const std::uint8_t*>(array.buffers[0]);
    const std::int64_t at = array.offset + i;
    return array.null_count != 0 && validity && !((validity[at / 8] >> (at % 8)) & 1);
}

// An integer value at `scale` as figures, after `out`, with zeros past 分
// dropped: a database's column scale is not part of the amount. A digit
// other than zero there stays, to be refused.
void appendDecimal(bool negative, Wide magnitude, int scale, std::u16string& out)
{
    char buffer[64];
    char* const last = buffer + sizeof buffer;
    char* first = last;
    // Nineteen digits at a time, so that most of the work is 64-bit.
    constexpr std::uint64_t kChunk = 10'000'000'000'000'000'000ULL;
    while (magnitude >= kChunk) {
        auto part = static_cast<std::uint64_t>(magnitude % kChunk);
        magnitude /= kChunk;
        for (int i = 0; i < 19; ++i, part /= 10)
            *--first = static_cast<char>('0' + part % 10);
    }
    for (auto rest = static_cast<std::uint64_t>(magnitude); first == last || rest != 0; rest /= 10)
        *--first = static_cast<char>('0' + rest % 10);
    char* end = last;
    while (scale > 2 && end - first > 1 && end[-1] == '0') {
        --end;
        --scale;
    }
    if (scale > 2 && end - first == 1 && *first == '0')
        scale = 0; // zero, at any scale
    if (negative)
        out += u'-';
    const auto digits = static_cast<int>(end - first);
    if (scale <= 0) {
        out.append(first, end);
        out.append(static_cast<std::size_t>(-scale), u'0');
        return;
    }
    if (digits <= scale) {
        out += u"0.";
        out.append(static_cast<std::size_t>(scale - digits), u'0');
        out.append(first, end);
        return;
    }
    out.append(first, end - scale);
    out += u'.';
    out.append(end - scale, end);
}

// A column's amounts as the conversion reads them, one after another.
struct Amounts {
    std::u16string text;
    std::vector<std::size_t> ends;
    std::vector<char> nulls;
    bool written = false; // strings, which the caller wrote

    std::u16string_view at(std::size_t i) const
    {
        const std::size_t start = i == 0 ? 0 : ends[i - 1];
        return std::u16string_view(text).substr(start, ends[i] - start);
    }
};

void readNumbers(const ArrowArray& array, Column column, int scale, Amounts& amounts)
{
    char printed[400];
    for (std::int64_t i = 0; i < array.length; ++i) {
        amounts.nulls.push_back(isNull(array, i));
        if (!amounts.nulls.back()) {
            const std::int64_t at = array.offset + i;
            if (column == Column::kInt64) {
                const std::int64_t value = static_cast<const std::int64_t*>(array.buffers[1])[at];
                const Wide magnitude = value < 0 ? 0 - static_cast<Wide>(value) : static_cast<Wide>(value);
                appendDecimal(value < 0, magnitude, 0, amounts.text);
            } else if (column == Column::kDecimal128) {
                const auto* words = static_cast<const std::uint64_t*>(array.buffers[1]) + 2 * at;
                const Wide value = (static_cast<Wide>(words[1]) << 64) | words[0];
                const bool negative = (words[1] >> 63) != 0;
                appendDecimal(negative, negative ? 0 - value : value, scale, amounts.text);
            } else {
                // As Python prints a float: the shortest figures that are
                // the same double, in full without an exponent.
                const double value = static_cast<const double*>(array.buffers[1])[at];
                const auto written =
                    std::to_chars(printed, printed + sizeof printed, value, std::chars_format::fixed);
                amounts.text.append(printed, written.ptr);
            }
        }
        amounts.ends.push_back(amounts.text.size());
    }
}

// The strings of a column, decoded as one str: an element's code units are
// one for each byte that begins a character, two for a four-byte one.
template <typename Offset> bool readStrings(const ArrowArray& array, Amounts& amounts)
{
    const Offset* offsets = static_cast<const Offset*>(array.buffers[1]) + array.offset;
    const char* data = static_cast<const char*>(array.buffers[2]);
    PyObject* all = PyUnicode_DecodeUTF8(
        data + offsets[0], static_cast<Py_ssize_t>(offsets[array.length] - offsets[0]), "strict");
    const bool ok = all && units(all, "strings", amounts.text);
    Py_XDECREF(all);
    if (!ok)
        return false;
    std::size_t end = 0;
    for (std::int64_t i = 0; i < array.length; ++i) {
        for (Offset b = offsets[i]; b < offsets[i + 1]; ++b) {
            const auto byte = static_cast<unsigned char>(data[b]);
            end += (byte & 0xC0) == 0x80 ? 0 : byte >= 0xF0 ? 2 : 1;
        }
        amounts.ends.push_back(end);
        amounts.nulls.push_back(isNull(array, i));
    }
    amounts.written = true;
    return true;
}

// The UTF-8 length of each of `texts`' pieces, as int32 offsets.
PyObject* utf8Offsets(const std::u16string& texts, const std::vector<std::size_t>& ends)
{
    std::vector<std::int32_t> offsets(ends.size() + 1, 0);
    std::size_t unit = 0;
    std::int64_t bytes = 0;
    for (std::size_t i = 0; i < ends.size(); ++i) {
        for (; unit < ends[i]; ++unit) {
            const char16_t c = texts[unit];
            bytes += c < 0x80                 ? 1
                : c < 0x800                   ? 2
                : (c >= 0xD800 && c < 0xDC00) ? 4
                : (c >= 0xDC00 && c < 0xE000) ? 0
                                              : 3;
        }
        if (bytes > INT32_MAX) {
            PyErr_SetString(PyExc_OverflowError,
                            "the capitals of one column exceed 2 GiB; convert it in chunks");
            return nullptr;
        }
        offsets[i + 1] = static_cast<std::int32_t>(bytes);
    }
    return PyBytes_FromStringAndSize(reinterpret_cast<const char*>(offsets.data()),
                                     static_cast<Py_ssize_t>(offsets.size() * sizeof(std::int32_t)));
}

} // namespace

PyObject* toCapitalsArrow(PyObject*, PyObject* args)
{
    PyObject* schemaCapsule;
    PyObject* arrayCapsule;
    PyObject* name;
    int coerce;
    if (!PyArg_ParseTuple(args, "OOOp:to_capitals_arrow", &schemaCapsule, &arrayCapsule, &name, &coerce))
        return nullptr;
    auto* schema = static_cast<ArrowSchema*>(PyCapsule_GetPointer(schemaCapsule, "arrow_schema"));
    auto* array = static_cast<ArrowArray*>(PyCapsule_GetPointer(arrayCapsule, "arrow_array"));
    face::Form form;
    Column column;
    int scale = 0;
    if (!schema || !array || !formOf(name, form) || !columnOf(schema->format, column, scale))
        return nullptr;
    Amounts amounts;
    if (column == Column::kUtf8            ? !readStrings<std::int32_t>(*array, amounts)
            : column == Column::kLargeUtf8 ? !readStrings<std::int64_t>(*array, amounts)
                                           : (readNumbers(*array, column, scale, amounts), false))
        return nullptr;

    // Converted with the interpreter let go; a refused amount is null with
    // `coerce`, and otherwise ends the column with its error.
    const std::size_t count = amounts.ends.size();
    std::u16string capitals;
    std::vector<std::size_t> ends;
    std::vector<std::uint8_t> validity((count + 7) / 8, 0);
    std::int64_t nulls = 0;
    face::Outcome outcome;
    PyThreadState* state = PyEval_SaveThread();
    for (std::size_t i = 0; i < count; ++i) {
        bool valid = !amounts.nulls[i];
        if (valid) {
            face::toCapitals(amounts.at(i), form, outcome);
            if (!outcome.exact() && !coerce)
                break;
            valid = outcome.exact();
            if (valid)
                capitals += outcome.text;
        }
        validity[i / 8] |= static_cast<std::uint8_t>(valid) << (i % 8);
        nulls += valid ? 0 : 1;
        ends.push_back(capitals.size());
    }
    PyEval_RestoreThread(state);
    if (ends.size() < count) {
        if (PyObject* error = amountError(outcome, amounts.written)) {
            PyObject* index = PyLong_FromSize_t(ends.size());
            if (index && PyObject_SetAttrString(error, "index", index) == 0)
                raise(error);
            else
                Py_DECREF(error);
            Py_XDECREF(index);
        }
        return nullptr;
    }
    PyObject* text = str(capitals);
    PyObject* data = text ? PyUnicode_AsUTF8String(text) : nullptr;
    Py_XDECREF(text);
    PyObject* offsets = data ? utf8Offsets(capitals, ends) : nullptr;
    PyObject* valid = offsets ? PyBytes_FromStringAndSize(reinterpret_cast<const char*>(validity.data()),
                                                          static_cast<Py_ssize_t>(validity.size()))
                              : nullptr;
    if (!valid) {
        Py_XDECREF(data);
        Py_XDECREF(offsets);
        return nullptr;
    }
    return Py_BuildValue("(NNNL)", valid, offsets, data, static_cast<long long>(nulls));
}

} // namespace qhj::python
