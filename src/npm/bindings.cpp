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
};

void answer(const std::u16string& text, bool failed, std::size_t position, Answer* out)
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
}

// Nothing may be cut unseen: a result short of its input is a failure too,
// and then says what is wrong rather than what a cut would drop.
void answer(const face::Outcome& outcome, Answer* out)
{
    if (outcome.exact()) {
        answer(outcome.text, false, 0, out);
    } else {
        const face::Refusal refused = face::refusal(outcome);
        answer(refused.reason, true, refused.position, out);
    }
}

std::u16string_view view(const char16_t* units, int length)
{
    return {units, static_cast<std::size_t>(length)};
}

} // namespace

extern "C" {

// form: 0 the payment rules' form, 1 the same after 人民币, 2 the window's.
EMSCRIPTEN_KEEPALIVE void qhjToCapitals(const char16_t* figures, int length, int form, Answer* out)
{
    constexpr face::Form kForms[] = {face::Form::kStandard, face::Form::kRenminbi, face::Form::kWindow};
    answer(face::toCapitals(view(figures, length), kForms[form == 1 || form == 2 ? form : 0]), out);
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

EMSCRIPTEN_KEEPALIVE void qhjChequeDate(const char16_t* date, int length, Answer* out)
{
    answer(face::chequeDate(view(date, length)), out);
}

EMSCRIPTEN_KEEPALIVE void qhjChequeDateOf(int year, int month, int day, Answer* out)
{
    answer(face::chequeDate(year, month, day), out);
}

} // extern "C"
