// The conversions as the npm package calls them: texts in and out as UTF-16
// code units with their lengths, so that nothing is re-encoded and nothing
// is cut at a NUL. Each call writes its answer into the caller's record: the
// text, or a failure's message with, where it points into the input, the
// 1-based position.
#include "face/face.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace {

using namespace qhj;

// The caller's record of an answer, zeroed before its first call. Its text
// is allocated here and kept from call to call, growing when it must.
struct Answer {
    char16_t* text;
    std::int32_t capacity; // in code units
    std::int32_t length;
    std::int32_t failed;
    std::int32_t position;
    std::int32_t reasonFrom; // of a failure: where in the text the reason
                             // begins, after the position's words
};

void answer(const std::u16string& text, bool failed, std::size_t position, Answer* out,
            std::size_t reasonFrom = 0)
{
    const auto units = static_cast<std::int32_t>(text.size());
    if (units > out->capacity) {
        std::free(out->text);
        out->capacity = std::max<std::int32_t>(units, 256);
        out->text =
            static_cast<char16_t*>(std::malloc(static_cast<std::size_t>(out->capacity) * sizeof(char16_t)));
    }
    std::copy(text.begin(), text.end(), out->text);
    out->length = static_cast<std::int32_t>(text.size());
    out->failed = failed ? 1 : 0;
    out->position = static_cast<std::int32_t>(position);
    out->reasonFrom = static_cast<std::int32_t>(reasonFrom);
}

// Nothing may be cut unseen: a result short of its input is a failure too,
// and then says what is wrong rather than what a cut would drop. A
// position is given only where the caller wrote the text (`written`).
void answer(const face::Outcome& outcome, Answer* out, bool written = true)
{
    if (outcome.exact()) {
        answer(outcome.text, false, 0, out);
    } else {
        const face::Refusal refused = face::refusal(outcome, written);
        answer(refused.message, true, refused.position, out, refused.message.size() - refused.reason.size());
    }
}

std::u16string_view view(const char16_t* units, int length)
{
    return {units, static_cast<std::size_t>(length)};
}

} // namespace

extern "C" {

// The forms' names, in the order of their numbers, one a line.
EMSCRIPTEN_KEEPALIVE void qhjFormNames(Answer* out)
{
    std::u16string names;
    for (const std::string_view name : face::kFormNames) {
        names.append(name.begin(), name.end());
        names += u'\n';
    }
    answer(names, false, 0, out);
}

// form: a form's number, as qhjFormNames orders them; written: whether the
// caller wrote the figures, rather than the package a number.
EMSCRIPTEN_KEEPALIVE void qhjToCapitals(const char16_t* figures, int length, int form, int written,
                                        Answer* out)
{
    const std::optional<face::Form> known = face::formNumbered(form);
    if (!known)
        answer(u"qinghejian: no such form", true, 0, out);
    else
        answer(face::toCapitals(view(figures, length), *known), out, written != 0);
}

// Many amounts at once, for a package that converts a column in one call:
// `count` texts one after another, text i `lengths[i]` units long, in
// `form`. The answer is their capitals, each followed by a NUL; an amount
// that cannot be written whole has only its NUL, and the caller asks
// qhjToCapitals why.
EMSCRIPTEN_KEEPALIVE void qhjToCapitalsMany(const char16_t* texts, const std::int32_t* lengths, int count,
                                            int form, Answer* out)
{
    const std::optional<face::Form> known = face::formNumbered(form);
    if (!known) {
        answer(u"qinghejian: no such form", true, 0, out);
        return;
    }
    std::u16string all;
    face::Outcome outcome;
    for (int i = 0; i < count; ++i) {
        face::toCapitals(view(texts, lengths[i]), *known, outcome);
        texts += lengths[i];
        if (outcome.exact())
            all += outcome.text;
        all += u'\0';
    }
    answer(all, false, 0, out);
}

EMSCRIPTEN_KEEPALIVE void qhjFromCapitals(const char16_t* capitals, int length, Answer* out)
{
    answer(face::fromCapitals(view(capitals, length)), out);
}

EMSCRIPTEN_KEEPALIVE void qhjCheckPair(const char16_t* figures, int figuresLength, const char16_t* capitals,
                                       int capitalsLength, Answer* out)
{
    answer(face::checkPair(view(figures, figuresLength), view(capitals, capitalsLength)).line, false, 0, out);
}

// The verdict in lines, for a package that hands it over as an object: "1"
// or "0" for whether the two agree, the verdict line, then each finding.
EMSCRIPTEN_KEEPALIVE void qhjPairVerdict(const char16_t* figures, int figuresLength, const char16_t* capitals,
                                         int capitalsLength, Answer* out)
{
    const face::PairVerdict verdict =
        face::checkPair(view(figures, figuresLength), view(capitals, capitalsLength));
    std::u16string lines = verdict.agrees ? u"1\n" : u"0\n";
    lines += verdict.line;
    for (const std::u16string_view finding : face::findingTexts(verdict)) {
        lines += u'\n';
        lines += finding;
    }
    answer(lines, false, 0, out);
}

EMSCRIPTEN_KEEPALIVE void qhjChequeDate(const char16_t* date, int length, Answer* out)
{
    answer(face::chequeDate(view(date, length)), out);
}

EMSCRIPTEN_KEEPALIVE void qhjChequeDateOf(int year, int month, int day, Answer* out)
{
    answer(face::chequeDate(year, month, day), out);
}

} // extern "C"
